// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/colour_brushes.h"

namespace velmora::win32 {

COLORREF ToColorRef(ColourValue colour) {
  if (IsSystemColourReference(colour)) return GetSysColor(SystemColourIndex(colour));
  return static_cast<COLORREF>(colour);
}

HBRUSH BackgroundBrush(ColourValue back_colour) {
  return GetSysColorBrush(SystemColourIndex(back_colour));
}

}  // namespace velmora::win32
