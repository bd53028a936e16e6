// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The fonts of the window's controls, sized in pixels for the screen's pixels per inch so that
// text scales together with the twips-based places.
//
// The standard dialog font is Liberation Sans 9 pt (package fonts-liberation, metric-compatible
// with Arial): "Temperature, in Kelvin (6000 K max)" measures 195 px at 96 dpi and fits the
// 201 px of `Label2`. The cells ask for "Times New Roman", which fontconfig resolves to the
// metric-compatible Liberation Serif from the same package.
#pragma once

#include <QFont>

#include "window/window_description.h"

namespace velmora::qt {

inline constexpr FontDescription kDialogFont{"Liberation Sans", 900, 400};

// The font of a control of that role at pixels_per_inch; never italic, underlined or struck out.
QFont FontFor(FontRole role, int pixels_per_inch);

// The three fonts of the window, made once so that the controls share them.
class RoleFonts {
 public:
  explicit RoleFonts(int pixels_per_inch)
      : dialog_(FontFor(FontRole::Dialog, pixels_per_inch)),
        element_cell_(FontFor(FontRole::ElementCell, pixels_per_inch)),
        reference_cell_(FontFor(FontRole::ReferenceCell, pixels_per_inch)) {}

  const QFont& For(FontRole role) const {
    switch (role) {
      case FontRole::ElementCell: return element_cell_;
      case FontRole::ReferenceCell: return reference_cell_;
      case FontRole::Dialog: break;
    }
    return dialog_;
  }

 private:
  QFont dialog_;
  QFont element_cell_;
  QFont reference_cell_;
};

}  // namespace velmora::qt
