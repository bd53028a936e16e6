// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The only way the program's logic touches the window: four properties of controls that are
// looked up by name for every access. Abstract so that each toolkit's window can implement it
// and so that tests can use a recording fake instead of a window.
//
// Every access returns a status and never throws. Callers do not use this interface directly but
// through CheckedControls (checked_controls.h), which turns a failing status into an error at
// that statement.
//
// Writing the text of the text box `Text_T` raises its Change event inside the write: whenever the
// write changes the text, an implementation hands the Change to its FormDispatcher
// (FormDispatcher::TextChanged) before SetText returns. Writing `Value` raises no event.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window/colour_value.h"

namespace velmora {

enum class AccessStatus {
  Ok,
  NoSuchControl,   // no control of that name on the window
  WrongKind,       // the control has no such property (a caption on a scroll bar, say)
  OutOfRange,      // a scroll bar value outside the bar's range
  Failed,          // the toolkit could not carry out the access
};

class ControlServices {
 public:
  virtual ~ControlServices() = default;

  // `Caption` of a label.
  virtual AccessStatus SetCaption(std::string_view control, std::string_view caption) = 0;
  // `ForeColor` of a label: the colour its text is drawn in.
  virtual AccessStatus SetForeColor(std::string_view control, ColourValue colour) = 0;
  // `Text` of a text box. SetText raises the box's Change event when the text changes.
  virtual AccessStatus GetText(std::string_view control, std::string& text) = 0;
  virtual AccessStatus SetText(std::string_view control, std::string_view text) = 0;
  // `Value` of a horizontal scroll bar: its position, within the bar's range or OutOfRange.
  virtual AccessStatus GetValue(std::string_view control, std::int16_t& value) = 0;
  virtual AccessStatus SetValue(std::string_view control, std::int16_t value) = 0;
};

const char* AccessStatusText(AccessStatus status);

}  // namespace velmora
