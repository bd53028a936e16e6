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

// Whether the scroll box has moved during one press of the mouse on the bar. The bar reports the
// box at the press (SB_THUMBTRACK), at each drag step and at the release (SB_THUMBPOSITION), each
// time at a position it works out from the box's pixels, so the report at the press can be a few
// positions off the bar's own (Wine's is). The box counts as moved once a report differs from
// that first one; a click on the box that moved it nowhere moves nothing.
class ScrollBoxPress {
 public:
  // A press of the mouse on the bar begins, or the last one ended (SB_ENDSCROLL).
  void Reset() {
    first_report_.reset();
    moved_ = false;
  }
  // A report of the box at `box_position`: true when the box has moved.
  bool Moved(int box_position) {
    if (!first_report_) {
      first_report_ = box_position;
      return false;
    }
    moved_ = moved_ || box_position != *first_report_;
    return moved_;
  }

 private:
  std::optional<int> first_report_;
  bool moved_ = false;
};

// How far a notch of the wheel (WHEEL_DELTA) moves the bar.
struct WheelSetting {
  // The system's wheel setting (SPI_GETWHEELSCROLLLINES): small changes per notch; 0 turns the
  // wheel off, WHEEL_PAGESCROLL makes a notch a large change.
  unsigned lines = 3;
  // Ctrl or Shift held: a notch is a large change, whatever the setting.
  bool page_per_notch = false;
};

// Where a wheel turn of `delta` (WM_MOUSEWHEEL's, WHEEL_DELTA a notch, positive away from the
// user) puts the bar at `current`. As on the Qt window's horizontal bar, turning toward the user
// raises the temperature and away lowers it; one message moves at most one large change.
// A turn worth part of a small change (a high-resolution wheel sends fractions of a notch) moves
// the whole changes it makes up and keeps the rest in `remainder` (in 1/WHEEL_DELTA of a small
// change), which the next turn in the same direction adds to; a turn the other way, or one
// stopped at the end of the range it heads for, drops it. Nothing when the bar would not move.
std::optional<std::int16_t> WheelTarget(int delta, const WheelSetting& setting,
                                        std::int16_t current, const ScrollRange& range,
                                        int& remainder);

}  // namespace velmora::win32
