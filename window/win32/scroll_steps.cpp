// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/scroll_steps.h"

#include <windows.h>

#include <algorithm>

namespace velmora::win32 {

std::optional<std::int16_t> ScrollTarget(int code, std::int16_t current, int box_position,
                                         const ScrollRange& range) {
  int target = current;
  switch (code) {
    case SB_LINELEFT: target = current - range.small_change; break;
    case SB_LINERIGHT: target = current + range.small_change; break;
    case SB_PAGELEFT: target = current - range.large_change; break;
    case SB_PAGERIGHT: target = current + range.large_change; break;
    case SB_LEFT: target = range.minimum; break;
    case SB_RIGHT: target = range.maximum; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = box_position; break;
    default: return std::nullopt;
  }
  return static_cast<std::int16_t>(std::clamp<int>(target, range.minimum, range.maximum));
}

std::optional<std::int16_t> WheelTarget(int delta, const WheelSetting& setting,
                                        std::int16_t current, const ScrollRange& range,
                                        int& remainder) {
  if (delta == 0 || setting.lines == 0) return std::nullopt;
  const bool by_page = setting.page_per_notch || setting.lines == WHEEL_PAGESCROLL;
  const std::int64_t per_notch =
      by_page ? range.large_change : std::int64_t{setting.lines} * range.small_change;
  // In 1/WHEEL_DELTA of a position unit: up the range toward the user (a negative delta on the
  // wheel) and to the right (a positive one sideways).
  const std::int64_t up = setting.axis == WheelAxis::Horizontal ? 1 : -1;
  const std::int64_t turn = up * delta * per_notch;
  if ((turn < 0) != (remainder < 0)) remainder = 0;
  const std::int64_t total = remainder + turn;
  const std::int64_t steps = total / WHEEL_DELTA;  // whole steps, toward zero
  remainder = static_cast<int>(total - steps * WHEEL_DELTA);
  const std::int64_t bounded = std::clamp<std::int64_t>(steps, -range.large_change,
                                                        range.large_change);
  const auto target = static_cast<std::int16_t>(
      std::clamp<std::int64_t>(current + bounded, range.minimum, range.maximum));
  if (target != current) return target;
  // Against the end the turn heads for, nothing is kept for later.
  if ((total > 0 && current >= range.maximum) || (total < 0 && current <= range.minimum)) {
    remainder = 0;
  }
  return std::nullopt;
}

}  // namespace velmora::win32
