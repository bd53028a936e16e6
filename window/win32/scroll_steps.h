// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Where the user's action on the scroll bar `Scroll_T` puts its position. The bar control never
// moves its own position: the window computes the new one here for every WM_HSCROLL code and
// sets it. Arrows step by the bar's small change, clicks in the track by its large change, Home
// and End go to the ends, a drag step and the release go to the scroll box's position; the
// result is always inside the bar's range. It does not touch any window.
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

}  // namespace velmora::win32
