// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/checked_controls.h"

#include "window/handler_error.h"

namespace velmora {
namespace {

void Check(AccessStatus status, std::string_view control, std::string_view property) {
  if (status != AccessStatus::Ok) throw ControlAccessError(control, property, status);
}

}  // namespace

void CheckedControls::SetCaption(std::string_view control, std::string_view caption) {
  Check(services_.SetCaption(control, caption), control, "Caption");
}

void CheckedControls::SetForeColor(std::string_view control, ColourValue colour) {
  Check(services_.SetForeColor(control, colour), control, "ForeColor");
}

std::string CheckedControls::GetText(std::string_view control) {
  std::string text;
  Check(services_.GetText(control, text), control, "Text");
  return text;
}

void CheckedControls::SetText(std::string_view control, std::string_view text) {
  Check(services_.SetText(control, text), control, "Text");
}

std::int16_t CheckedControls::GetValue(std::string_view control) {
  std::int16_t value = 0;
  Check(services_.GetValue(control, value), control, "Value");
  return value;
}

void CheckedControls::SetValue(std::string_view control, std::int16_t value) {
  Check(services_.SetValue(control, value), control, "Value");
}

}  // namespace velmora
