// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/win32/window_fonts.h"

#include "window/win32/wide_text.h"

namespace velmora::win32 {
namespace {

// A negative height asks for the character height (the em) rather than the cell height.
HFONT MakeFont(const FontDescription& font, int pixels_per_inch_y) {
  const std::wstring face = Widen(font.face);
  return CreateFontW(-FontPixelSize(font.size_centipoints, pixels_per_inch_y), 0, 0, 0,
                     font.weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face.c_str());
}

}  // namespace

WindowFonts::WindowFonts(int pixels_per_inch_y)
    : dialog_(MakeFont(kDialogFont, pixels_per_inch_y)),
      element_cell_(MakeFont(kElementCellFont, pixels_per_inch_y)),
      reference_cell_(MakeFont(kReferenceCellFont, pixels_per_inch_y)) {}

WindowFonts::~WindowFonts() {
  DeleteObject(dialog_);
  DeleteObject(element_cell_);
  DeleteObject(reference_cell_);
}

HFONT WindowFonts::For(FontRole role) const {
  switch (role) {
    case FontRole::ElementCell: return element_cell_;
    case FontRole::ReferenceCell: return reference_cell_;
    case FontRole::Dialog: break;
  }
  return dialog_;
}

}  // namespace velmora::win32
