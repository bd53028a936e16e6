// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/screen_units.h"

#include <gtest/gtest.h>

#include "window/window_description.h"

namespace velmora {
namespace {

TEST(ScreenUnits, FontSizesRoundToTheNearestPixelAtEveryResolution) {
  const struct { int centipoints, pixels_per_inch, pixels; } cases[] = {
      {1575, 96, 21},  {900, 96, 12},  {800, 96, 11},   // 10.67 px
      {1575, 120, 26}, {900, 120, 15}, {800, 120, 13},  // 26.25, 13.33 px
      {1575, 144, 32}, {900, 144, 18}, {750, 144, 15},  // 31.5 px: a half goes up
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FontPixelSize(c.centipoints, c.pixels_per_inch), c.pixels)
        << c.centipoints << " cpt at " << c.pixels_per_inch;
  }
}

TEST(ScreenUnits, APlaceIsConvertedAcrossAndDownAtTheirOwnResolutions) {
  const TwipRect place{.left = 240, .top = 1200, .width = 495, .height = 495};
  const PixelPlace pixels = PlaceInPixels(place, 96, 144);
  EXPECT_EQ(pixels.left, 16);
  EXPECT_EQ(pixels.right, 49);    // 735 twips: 49 px
  EXPECT_EQ(pixels.top, 120);
  EXPECT_EQ(pixels.bottom, 170);  // 1695 twips: 169.5 px, a half up
}

}  // namespace
}  // namespace velmora
