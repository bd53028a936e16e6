// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Where the user's action on the scroll bar `Scroll_T` puts its position. The bar control never
// moves its own position: the window computes the new one here for every WM_HSCROLL code and
// mouse wheel turn, and sets it. Arrows step by the bar's small change, clicks in the track by
// its large change, Home and End go to the ends, a drag step and the release go to the scroll
// box's position; the result is always inside the bar's range. It does not touch any window.
#pragma once

#include <cstdint>
#include <optional>

#include "window/window_description.h"

namespace velmora::win32 {

// `code` is the WM_HSCROLL request (SB_LINELEFT ... SB_ENDSCROLL), `current` the bar's position,
// `box_position` the scroll box position for SB_THUMBTRACK / SB_THUMBPOSITION. Returns nothing
// for a code that moves nothing (SB_ENDSCROLL).
std::optional<std::int16_t> ScrollTarget(int code, std::int16_t current, int box_position,
                                         const ScrollRange& range);

// One press of the mouse on the bar, from the button going down on it to the bar's SB_ENDSCROLL,
// and where the reports of the scroll box within it put the bar. The bar reports the box at the
// press (SB_THUMBTRACK), at each drag step, when the box springs back to where it was pressed
// (the pointer pulled far off the bar) and at the release (SB_THUMBPOSITION), each time at a
// position it works out from the box's pixels, so a report of the box where it was pressed can be
// a few positions off the bar's own (Wine's is). So the first report of a press, the box where it
// was pressed, moves nothing; the box counts as moved once a report differs from it; and a report
// equal to it after that puts the bar back exactly where it stood at the press. A click on the box
// that moved it nowhere moves nothing, and a drag that ends where it began changes nothing.
// Outside a press a report is the user's choice of a place (the bar's menu, "Scroll Here"): the
// bar goes there.
class ScrollBoxPress {
 public:
  // The mouse button went down on the bar (WM_LBUTTONDOWN, WM_LBUTTONDBLCLK), which stood at
  // `bar_position`.
  void Begin(std::int16_t bar_position) {
    End();
    pressed_ = true;
    bar_at_press_ = bar_position;
  }
  // The press is over (SB_ENDSCROLL).
  void End() { pressed_ = reported_ = moved_ = false; }
  // Where a report of the box at `box_position` puts the bar; nothing when it moves nothing.
  std::optional<int> Where(int box_position) {
    if (!pressed_) return box_position;
    if (!reported_) first_report_ = box_position;
    reported_ = true;
    moved_ = moved_ || box_position != first_report_;
    if (!moved_) return std::nullopt;
    return box_position == first_report_ ? bar_at_press_ : box_position;
  }

 private:
  bool pressed_ = false;
  std::int16_t bar_at_press_ = 0;
  bool reported_ = false;  // first_report_ holds the first report of the press
  int first_report_ = 0;
  bool moved_ = false;
};

// Which way of the wheel a turn is: the wheel itself (WM_MOUSEWHEEL), or tilted or swiped
// sideways (WM_MOUSEHWHEEL: a tilt wheel, a touchpad's sideways swipe).
enum class WheelAxis { Vertical, Horizontal };

// How far a notch of the wheel (WHEEL_DELTA) moves the bar.
struct WheelSetting {
  // The system's wheel setting (SPI_GETWHEELSCROLLLINES, SPI_GETWHEELSCROLLCHARS sideways): small
  // changes per notch; 0 turns the wheel off, WHEEL_PAGESCROLL makes a notch a large change.
  unsigned lines = 3;
  // Ctrl or Shift held: a notch is a large change, whatever the setting.
  bool page_per_notch = false;
  WheelAxis axis = WheelAxis::Vertical;
};

// Where a wheel turn of `delta` (WHEEL_DELTA a notch; positive away from the user on the wheel,
// to the right sideways) puts the bar at `current`. As on the Qt window's horizontal bar, turning
// toward the user or to the right raises the temperature, away or to the left lowers it; one
// message moves at most one large change.
// A turn worth part of a small change (a high-resolution wheel sends fractions of a notch) moves
// the whole changes it makes up and keeps the rest in `remainder` (in 1/WHEEL_DELTA of a small
// change), which the next turn in the same direction adds to; a turn the other way, or one
// stopped at the end of the range it heads for, drops it. Nothing when the bar would not move.
std::optional<std::int16_t> WheelTarget(int delta, const WheelSetting& setting,
                                        std::int16_t current, const ScrollRange& range,
                                        int& remainder);

}  // namespace velmora::win32
