// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The event policy both windows share. A window translates its native events into the three
// calls below and does what the returned EventEnd says; everything between is decided here:
// - the events nest (a handler's text write raises the Change of `Text_T` inside the write), and
//   only the end of the outermost one is reported, with the first error any of them met;
// - a user move of the scroll bar sets `Value` to where the user moved it, runs the Scroll event
//   and puts `Value` back there afterwards, since emptying the text box runs a nested Change
//   that writes 0: after every user move the bar reads where the user put it;
// - the temperature in force is the one a handler last showed in `Label_T`, which the cells are
//   coloured for, as the handler tells it (never read back from the caption).
//
// It draws nothing and knows no toolkit: the handlers reach the window through it, as a
// ControlServices that passes every access on and notes the cells recoloured.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/control_services.h"
#include "window/temperature_shown.h"

namespace velmora {

// What the window does once the outermost event is over.
struct EventEnd {
  // Cells whose `ForeColor` was written, in order of writing, repeats included: the window
  // repaints those whose colour changed.
  std::vector<std::string_view> recoloured_cells;
  // The first error of the event, for the user; shown once the native event has returned.
  std::optional<std::string> message;
};

class FormDispatcher final : private ControlServices {
 public:
  explicit FormDispatcher(ControlServices& window);
  FormDispatcher(const FormDispatcher&) = delete;
  FormDispatcher& operator=(const FormDispatcher&) = delete;

  // Each call returns the EventEnd when it was the outermost event, nothing when it ran nested.
  // The window's Load, before it is first shown.
  std::optional<EventEnd> Load();
  // Any move of the scroll bar by the user — a drag step, an arrow, a track click, a key, the
  // wheel, an assistive technology — to `position`, whether or not the bar is there already.
  std::optional<EventEnd> UserMovedBar(std::int16_t position);
  // A change of the text of `Text_T`, typed or written by a handler.
  std::optional<EventEnd> TextChanged();

  bool InEvent() const { return depth_ > 0; }
  // The temperature `Label_T` shows; before Load, the bar's start position.
  std::int16_t TemperatureInForce() const { return temperature_in_force_; }

 private:
  AccessStatus SetCaption(std::string_view control, std::string_view caption) override;
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override;
  AccessStatus GetText(std::string_view control, std::string& text) override;
  AccessStatus SetText(std::string_view control, std::string_view text) override;
  AccessStatus GetValue(std::string_view control, std::int16_t& value) override;
  AccessStatus SetValue(std::string_view control, std::int16_t value) override;

  // Writes the bar's value; a failure becomes the event's error. False when it failed.
  bool PlaceBar(std::int16_t position);
  void KeepFirstError(std::optional<std::string> message);
  std::optional<EventEnd> Leave();

  ControlServices& window_;
  int depth_ = 0;
  std::int16_t temperature_in_force_;
  const TemperatureShown shown_ = [this](std::int16_t t) { temperature_in_force_ = t; };
  EventEnd pending_;
};

}  // namespace velmora
