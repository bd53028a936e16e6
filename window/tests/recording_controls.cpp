// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/tests/recording_controls.h"

#include <stdexcept>

#include "window/form_events.h"

namespace velmora {

RecordingControls::RecordingControls() {
  for (const ControlDescription& description : WindowDescription()) {
    ControlState state;
    state.kind = description.kind;
    state.fore_colour = description.fore_colour;
    if (description.kind == ControlKind::TextBox) state.text = std::string(description.content);
    else state.caption = std::string(description.content);
    state.range = description.scroll;
    state.value = description.scroll.value;
    controls_.emplace(std::string(description.name), state);
  }
}

AccessStatus RecordingControls::Begin(Operation operation, std::string_view control,
                                      std::string_view text, std::int64_t number) {
  log_.push_back({operation, std::string(control), std::string(text), number, AccessStatus::Ok});
  const auto planned = planned_failures_.find(++accesses_);
  if (planned != planned_failures_.end()) log_.back().status = planned->second;
  return log_.back().status;
}

RecordingControls::ControlState* RecordingControls::Find(std::string_view control,
                                                         ControlKind kind, AccessStatus& status) {
  if (status != AccessStatus::Ok) return nullptr;
  const auto found = controls_.find(control);
  if (found == controls_.end()) status = AccessStatus::NoSuchControl;
  else if (found->second.kind != kind) status = AccessStatus::WrongKind;
  if (status != AccessStatus::Ok) {
    log_.back().status = status;
    return nullptr;
  }
  return &found->second;
}

AccessStatus RecordingControls::SetCaption(std::string_view control, std::string_view caption) {
  AccessStatus status = Begin(Operation::SetCaption, control, caption, 0);
  if (ControlState* state = Find(control, ControlKind::Label, status)) state->caption = caption;
  return status;
}

AccessStatus RecordingControls::SetForeColor(std::string_view control, ColourValue colour) {
  AccessStatus status = Begin(Operation::SetForeColor, control, {}, colour);
  if (ControlState* state = Find(control, ControlKind::Label, status)) state->fore_colour = colour;
  return status;
}

AccessStatus RecordingControls::GetText(std::string_view control, std::string& text) {
  AccessStatus status = Begin(Operation::GetText, control, {}, 0);
  if (ControlState* state = Find(control, ControlKind::TextBox, status)) {
    text = state->text;
    log_.back().text = text;
  }
  return status;
}

AccessStatus RecordingControls::SetText(std::string_view control, std::string_view text) {
  AccessStatus status = Begin(Operation::SetText, control, text, 0);
  ControlState* state = Find(control, ControlKind::TextBox, status);
  if (state == nullptr || state->text == text) return status;
  state->text = text;
  // A nested Change's error goes no further, as in a window without a dispatcher: the outer
  // handler goes on.
  if (route_change_) {
    route_change_();
  } else {
    RaiseFormEvent(FormEvent::Text_T_Change, *this);
  }
  return status;
}

AccessStatus RecordingControls::GetValue(std::string_view control, std::int16_t& value) {
  AccessStatus status = Begin(Operation::GetValue, control, {}, 0);
  if (ControlState* state = Find(control, ControlKind::HScrollBar, status)) {
    value = state->value;
    log_.back().number = value;
  }
  return status;
}

AccessStatus RecordingControls::SetValue(std::string_view control, std::int16_t value) {
  AccessStatus status = Begin(Operation::SetValue, control, {}, value);
  ControlState* state = Find(control, ControlKind::HScrollBar, status);
  if (state == nullptr) return status;
  if (value < state->range.minimum || value > state->range.maximum) {
    log_.back().status = AccessStatus::OutOfRange;
    return AccessStatus::OutOfRange;
  }
  state->value = value;
  return status;
}

std::optional<std::string> RecordingControls::Load() {
  return RaiseFormEvent(FormEvent::Load, *this);
}

std::optional<std::string> RecordingControls::Type(std::string_view text) {
  ControlState& box = controls_.at("Text_T");
  if (box.text == text) return std::nullopt;
  box.text = text;
  return RaiseFormEvent(FormEvent::Text_T_Change, *this);
}

std::optional<std::string> RecordingControls::DragTo(std::int16_t position) {
  controls_.at("Scroll_T").value = position;
  return RaiseFormEvent(FormEvent::Scroll_T_Scroll, *this);
}

void RecordingControls::FailAccess(std::size_t nth, AccessStatus status) {
  planned_failures_[accesses_ + nth] = status;
}

const RecordingControls::ControlState& RecordingControls::State(std::string_view control) const {
  const auto found = controls_.find(control);
  if (found == controls_.end()) throw std::out_of_range("no control " + std::string(control));
  return found->second;
}

std::vector<RecolourPass> RecolourPasses(const std::vector<RecordingControls::Access>& log) {
  std::vector<RecolourPass> passes;
  std::string caption;
  for (const RecordingControls::Access& access : log) {
    using Operation = RecordingControls::Operation;
    if (access.operation == Operation::SetCaption && access.control == "Label_T") {
      caption = access.text;
    }
    if (access.operation != Operation::SetForeColor) continue;
    // Hydrogen is the first cell of a pass; a second write to it (gas: Liquid, then Gas) is not.
    const bool repeats_hydrogen = !passes.empty() && !passes.back().writes.empty() &&
                                  passes.back().writes.back().first == "Label_001_H";
    if ((access.control == "Label_001_H" && !repeats_hydrogen) || passes.empty()) {
      passes.push_back({caption, {}});
    }
    passes.back().writes.emplace_back(access.control, static_cast<ColourValue>(access.number));
  }
  return passes;
}

}  // namespace velmora
