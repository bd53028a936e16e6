// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Colour values as CSS colours. A reference to a desktop system colour becomes the CSS system
// colour of the same role, which the browser resolves from the system's theme (light, dark,
// forced colours) whenever it paints: 5 window background → Canvas, 8 window text → CanvasText,
// 15 3-D face → ButtonFace, 17 grey text → GrayText, 18 button text → ButtonText. An RGB
// value (0x00BBGGRR) becomes "rgb(r g b)".
#pragma once

#include <string>

#include "window/colour_value.h"

namespace velmora::web {

std::string CssColour(ColourValue value);

}  // namespace velmora::web
