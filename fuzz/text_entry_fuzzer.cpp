// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes, as text typed or pasted into `Text_T`, through the Change event on the
// recording window, and checks that the window is left consistent: the temperature in range, the
// label showing it, the box holding the entry or its correction, every cell in its state there;
// and after an overflow, nothing changed at all.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "elements/recolour.h"
#include "input/conversions.h"
#include "window/tests/recording_controls.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "text entry left the window inconsistent: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  RecordingControls window;
  window.Load();
  const std::string entry(reinterpret_cast<const char*>(data), size);
  const auto message = window.Type(entry);

  Require(window.Text() == entry || window.Text() == "0" || window.Text() == "6000",
          "box holds neither the entry nor a correction");
  if (message.has_value()) {
    Require(window.Text() == entry, "an overflow changed the box");
    Require(window.Value() == 298 && window.LabelCaption() == "298", "an overflow moved the temperature");
    return 0;
  }
  const std::int16_t t = window.Value();
  Require(t >= 0 && t <= 6000, "scroll value out of 0..6000");
  Require(window.LabelCaption() == Int16ToText(t), "label differs from the scroll value");
  for (int z = 1; z <= kElementCount; ++z) {
    const ElementStateRow& row = ElementRow(z);
    Require(window.ForeColor(row.cell_name()) == ToColourValue(StateAt(row, t)),
            "a cell is not in its state at the temperature");
  }
  return 0;
}
