// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What a user feels of the core, without a toolkit: the recolouring pass, one drag step and one
// edit of the text box through the handlers, and reading pasted text. The window is an in-memory
// one that looks controls up by name in a hash map, as the front-ends do.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <unordered_map>

#include "elements/recolour.h"
#include "input/conversions.h"
#include "window/form_events.h"
#include "window/window_description.h"

namespace velmora {
namespace {

class HashedControls : public ControlServices {
 public:
  HashedControls() {
    for (const ControlDescription& control : WindowDescription()) {
      states_.emplace(control.name, State{});
    }
    states_.at("Scroll_T").value = 298;
  }
  AccessStatus SetCaption(std::string_view control, std::string_view caption) override {
    return With(control, [&](State& state) { state.text = caption; });
  }
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override {
    return With(control, [&](State& state) { state.colour = colour; });
  }
  AccessStatus GetText(std::string_view control, std::string& text) override {
    return With(control, [&](State& state) { text = state.text; });
  }
  AccessStatus SetText(std::string_view control, std::string_view text) override {
    bool changed = false;
    const AccessStatus status = With(control, [&](State& state) {
      changed = state.text != text;
      state.text = text;
    });
    if (changed) RaiseFormEvent(FormEvent::Text_T_Change, *this);
    return status;
  }
  AccessStatus GetValue(std::string_view control, std::int16_t& value) override {
    return With(control, [&](State& state) { value = state.value; });
  }
  AccessStatus SetValue(std::string_view control, std::int16_t value) override {
    return With(control, [&](State& state) { state.value = value; });
  }
  void SetBoxTextQuietly(const std::string& text) { states_.at("Text_T").text = text; }
  void SetPositionQuietly(std::int16_t value) { states_.at("Scroll_T").value = value; }

 private:
  struct State {
    std::string text;
    ColourValue colour = 0;
    std::int16_t value = 0;
  };
  template <typename Access>
  AccessStatus With(std::string_view control, Access access) {
    const auto found = states_.find(control);
    if (found == states_.end()) return AccessStatus::NoSuchControl;
    access(found->second);
    return AccessStatus::Ok;
  }
  std::unordered_map<std::string_view, State> states_;
};

void BM_RecolourElements(benchmark::State& state) {
  HashedControls window;
  CheckedControls controls(window);
  const auto t = static_cast<std::int16_t>(state.range(0));
  for (auto _ : state) RecolourElements(controls, t);
}
BENCHMARK(BM_RecolourElements)->Arg(0)->Arg(298)->Arg(6000);

void BM_DragStep(benchmark::State& state) {
  HashedControls window;
  std::int16_t position = 0;
  for (auto _ : state) {
    position = static_cast<std::int16_t>((position + 37) % 6001);
    window.SetPositionQuietly(position);
    benchmark::DoNotOptimize(RaiseFormEvent(FormEvent::Scroll_T_Scroll, window));
  }
}
BENCHMARK(BM_DragStep);

void BM_TextEntry(benchmark::State& state) {
  HashedControls window;
  const std::string entries[] = {"7000", "350", "-5", "12abc"};
  std::size_t next = 0;
  for (auto _ : state) {
    window.SetBoxTextQuietly(entries[next++ % 4]);
    benchmark::DoNotOptimize(RaiseFormEvent(FormEvent::Text_T_Change, window));
  }
}
BENCHMARK(BM_TextEntry);

void BM_TextToNumberPasted(benchmark::State& state) {
  const std::string text = std::string(static_cast<std::size_t>(state.range(0)), ' ') + "4242";
  for (auto _ : state) benchmark::DoNotOptimize(TextToNumber(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_TextToNumberPasted)->Arg(16)->Arg(1 << 20);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
