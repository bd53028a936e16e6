// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// A value that an assistive technology sets on the scroll bar `Scroll_T`, turned into the position
// the user's move takes the bar to, the same in every window: clamped to the bar's range while
// still a double, so that an infinity or a huge number never reaches an integer, then rounded to
// the nearest whole position, a half to the even one (998.5 gives 998, 1000.6 gives 1001).
// Nothing for NaN, which names no place.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "window/window_description.h"

namespace velmora {

inline std::optional<std::int16_t> BarPositionForValue(double value, const ScrollRange& range) {
  if (std::isnan(value)) return std::nullopt;
  const double clamped = std::clamp(value, static_cast<double>(range.minimum),
                                    static_cast<double>(range.maximum));
  return static_cast<std::int16_t>(std::nearbyint(clamped));
}

}  // namespace velmora
