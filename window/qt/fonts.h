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

}  // namespace velmora::qt
