// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Creates the child controls of Form1 from the window description, at their twips converted with
// the screen's pixels per inch: labels as static controls, the text box as an EDIT, the scroll bar
// as a SCROLLBAR control. Each new control is raised to the top of the stacking order, so a later
// control lies on top where two overlap and the tab order from the top runs `Scroll_T`, `Text_T`.
// It sets no colours (the window answers WM_CTLCOLORSTATIC) and runs no handler.
#pragma once

#include <windows.h>

#include "window/win32/win32_controls.h"
#include "window/win32/window_fonts.h"

namespace velmora::win32 {

struct ScreenResolution {
  int x = 96;  // LOGPIXELSX
  int y = 96;  // LOGPIXELSY
};

ScreenResolution ResolutionOf(HWND window);

// The place of a control in pixels of the parent's client area.
RECT PixelRect(const TwipRect& place, ScreenResolution resolution);

// Creates every control; false when one could not be made.
bool CreateControls(HWND parent, const WindowFonts& fonts, ScreenResolution resolution,
                    Win32Controls& controls);

}  // namespace velmora::win32
