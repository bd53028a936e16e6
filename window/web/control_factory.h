// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Creates the element of one control from its row of the window description: a <div> for a label
// or the scroll bar (which TemperatureScrollBar fills in), an <input> for the text box. Its id is
// the control's name; it stands at its place in the window's pixels (1/96 inch, so 15 twips, each
// as long as the style sheet's --unit at the size the window is shown), stacked by creation order, in its font, border, alignment and colours, with its content at creation. The
// style sheet (page/velmora.css) gives each role its font family and each border its look. It
// wires no event, names nothing for screen readers and knows nothing of the handlers.
#pragma once

#include <emscripten/val.h>

#include "window/window_description.h"

namespace velmora::web {

// The window's pixels per inch: places and font sizes are laid out as at 96 dpi, and the page
// scales them to the size the window is shown.
inline constexpr int kCssPixelsPerInch = 96;

// `stacking` is the control's place in the creation order: a later control lies on top.
emscripten::val CreateControl(const ControlDescription& description, int stacking,
                              const emscripten::val& document);

}  // namespace velmora::web
