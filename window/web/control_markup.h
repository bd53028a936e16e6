// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// How the window's controls look in the page, known without a browser: the style sheet classes
// of each control, its place and stacking as style sheet declarations, the names and
// descriptions screen readers read, and where the scroll box stands. The build writes the window
// as Form_Load leaves it into the page from these (window_markup.cpp); the program, which takes
// those elements over, uses the same names and arithmetic for every later change.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window/window_description.h"

namespace velmora::web {

// The window's pixels per inch: places and font sizes are laid out as at 96 dpi, and the style
// sheet scales them (--unit) to the size the window is shown.
inline constexpr int kCssPixelsPerInch = 96;

// What screen readers call the text box and the scroll bar, and the value label at `t`.
inline constexpr std::string_view kTemperatureName = "Temperature in kelvin";
std::string TemperatureInForceName(std::int16_t t);

// The style sheet classes of a control: its kind, font role, border and alignment.
std::string ControlClasses(const ControlDescription& description);

// The declarations that put a control at its place in the window's pixels (--x, --y, --w, --h,
// which the style sheet scales), stacked by creation order (`stacking`: a later control lies on
// top), with its font size (--font) and weight and, for a label, its colours.
std::string ControlDeclarations(const ControlDescription& description, int stacking,
                                 ColourValue fore_colour);

// The left edge of the scroll box, in the window's pixels from the bar's left edge, for a bar of
// `width` x `height` (the arrows and the box are as wide as the bar is high) at `value`.
double ScrollBoxLeft(const ScrollRange& range, int value, double width, double height);

}  // namespace velmora::web
