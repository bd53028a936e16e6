// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Turns the window description's colour values into what GDI paints with: a value with the top
// bit set is the desktop's system colour of its low byte (GetSysColor / GetSysColorBrush, so a
// theme change shows at the next paint), any other value is a 0x00BBGGRR COLORREF as it stands.
#pragma once

#include <windows.h>

#include "window/colour_value.h"

namespace velmora::win32 {

COLORREF ToColorRef(ColourValue colour);

// The brush a control's background is painted with. Every background of the window is a system
// colour (the window description holds itself to that at compile time), and system colour
// brushes belong to the system: nothing is made, and nothing is to be freed.
HBRUSH BackgroundBrush(ColourValue back_colour);

}  // namespace velmora::win32
