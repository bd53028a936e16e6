// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The horizontal scroll bar `Scroll_T`, drawn by the page inside the control's element: a left
// arrow, the track with the scroll box, a right arrow. The element is what screen readers see: a
// slider with its range and value (its name is given by the window's accessibility).
//
// It reports every move the user makes through one callback with the new position, after the
// value has changed, and only when it has changed:
// - a drag of the scroll box (mouse, pen or touch, the pointer captured by the bar), one report
//   per new position;
// - an arrow held down: one small change, and after a pause one every 50 ms while the pointer
//   stays on that arrow;
// - the track held down: one large change toward the pointer, repeated in the same way until the
//   scroll box reaches the pointer;
// - keys while it has the focus: Left one small change down and Right one up, PageUp one large
//   change down and PageDown one up, Home and End to the ends, as on the desktop bar; Up raises
//   and Down lowers by one small change, because that is how screen readers raise and lower a
//   slider. With Ctrl, Alt or Meta held a key is left to the browser.
// - the mouse wheel or a sideways swipe over it: a notch (100 pixels of scrolling, three lines)
//   moves three small changes, toward the user or to the right raising it; finer scrolling adds
//   up. With Ctrl held the wheel is left to the browser, which zooms.
// A write of the value from code (SetValue) moves the scroll box and reports nothing.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <functional>

#include "window/web/page_listener.h"
#include "window/window_description.h"

namespace velmora::web {

class TemperatureScrollBar {
 public:
  // Takes over the bar's element as the page has it: its parts inside, its range and value for
  // screen readers, and aria-disabled until Enable().
  TemperatureScrollBar(const ControlDescription& description, emscripten::val element);
  TemperatureScrollBar(const TemperatureScrollBar&) = delete;
  TemperatureScrollBar& operator=(const TemperatureScrollBar&) = delete;

  void SetUserMoveHandler(std::function<void(std::int16_t position)> handler) {
    on_user_move_ = std::move(handler);
  }

  std::int16_t value() const { return value_; }
  const ScrollRange& range() const { return range_; }
  // A write from code: false, and nothing moves, when `value` is outside the range.
  bool SetValue(int value);
  // Ready: the bar takes presses, keys and the wheel from now on.
  void Enable();

 private:
  enum class Part { None, LeftArrow, RightArrow, TrackBefore, TrackAfter, Box };

  void OnPointerDown(const emscripten::val& event);
  void OnPointerMove(const emscripten::val& event);
  void OnPointerEnd();
  void OnRepeat();
  void OnKeyDown(const emscripten::val& event);
  void OnWheel(const emscripten::val& event);

  // The pointer's distance from the bar's left edge in the bar's own CSS pixels, whatever the
  // page's scale (the rectangle is the bar's on screen, taken at the press).
  double LocalX(const emscripten::val& event) const;
  Part PartAt(double x) const;
  double BoxLeft() const;
  // Whether the held part should step now: the pointer is on the arrow, or on the track beyond
  // the scroll box in the direction of the press.
  bool PressedPartUnderPointer() const;
  void StepPressedPart();
  void MoveByUser(int position);
  void Place();
  void ShowPressed(bool pressed);

  ScrollRange range_;
  std::int16_t value_;
  double width_;   // the bar's size in CSS pixels
  double height_;  // also the width of each arrow and of the scroll box
  emscripten::val element_;
  emscripten::val left_arrow_;
  emscripten::val right_arrow_;
  emscripten::val box_;
  std::function<void(std::int16_t)> on_user_move_;

  // One press of the pointer, from pointerdown to its release.
  Part pressed_ = Part::None;
  int pointer_id_ = 0;
  emscripten::val pressed_rect_ = emscripten::val::undefined();
  double pointer_x_ = 0;
  double grab_x_ = 0;         // where in the scroll box it was taken hold of
  double wheel_changes_ = 0;  // wheel scrolling not yet worth a whole small change

  PageListener pointer_down_;
  PageListener pointer_move_;
  PageListener pointer_end_;
  PageListener key_down_;
  PageListener wheel_;
  PageListener context_menu_;
  PageTimer repeat_;
};

}  // namespace velmora::web
