// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Creates one native control from its row of the window description: a FormLabel, the text box
// (QLineEdit) or the scroll bar (TemperatureScrollBar), as a child of the window, at its place
// converted from twips with the screen's pixels per inch, in its font and with its initial
// content. It wires no event and knows nothing of the handlers.
#pragma once

#include <QRect>
#include <QWidget>

#include "window/qt/fonts.h"
#include "window/window_description.h"

namespace velmora::qt {

// The place of a control in pixels: each edge rounded on its own, so neighbouring cells keep
// their one-pixel overlap at any resolution that gives whole pixels.
QRect PixelRect(const TwipRect& place, int pixels_per_inch);

QWidget* CreateControl(const ControlDescription& description, int pixels_per_inch,
                       const RoleFonts& fonts, QWidget* parent);

}  // namespace velmora::qt
