// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window description's units turned into screen pixels at a screen's pixels per inch, the
// same way for every window: twips (1/1440 inch) and font sizes in centipoints (1/7200 inch) are
// rounded to the nearest pixel, a half up. A place is converted edge by edge, so neighbours that
// share an edge in twips share it in pixels too.
#pragma once

namespace velmora {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kCentipointsPerInch = 7200;

constexpr int TwipsToPixels(int twips, int pixels_per_inch) {
  return (twips * pixels_per_inch + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A control's place in pixels: right and bottom are the first pixel past it.
struct PixelPlace {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
};

// The height of a font's em in pixels: 15.75 pt is 21 px and 9 pt 12 px at 96 pixels per inch.
constexpr int FontPixelSize(int size_centipoints, int pixels_per_inch) {
  return (size_centipoints * pixels_per_inch + kCentipointsPerInch / 2) / kCentipointsPerInch;
}

}  // namespace velmora
