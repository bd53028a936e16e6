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

}  // namespace velmora::win32
