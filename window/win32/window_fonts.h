// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The three fonts of Form1, made for the screen's vertical pixels per inch: the element cells'
// "Times New Roman" 15.75 pt bold, the reference cells' 9 pt regular, and the dialog font of the
// input area and the notice ("MS Shell Dlg" 8 pt, the standard dialog face, which maps to the
// system's sans serif dialog font). Owns the GDI fonts and deletes them at its end.
#pragma once

#include <windows.h>

#include "window/window_description.h"

namespace velmora::win32 {

inline constexpr FontDescription kDialogFont{"MS Shell Dlg", 800, 400};

class WindowFonts {
 public:
  explicit WindowFonts(int pixels_per_inch_y);
  WindowFonts(const WindowFonts&) = delete;
  WindowFonts& operator=(const WindowFonts&) = delete;
  ~WindowFonts();

  HFONT For(FontRole role) const;

 private:
  HFONT dialog_ = nullptr;
  HFONT element_cell_ = nullptr;
  HFONT reference_cell_ = nullptr;
};

}  // namespace velmora::win32
