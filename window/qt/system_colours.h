// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Turns a colour value of the window description or of a handler's write into the colour to
// paint with. An RGB value (0x00BBGGRR) is taken as it is; a system colour reference is looked
// up in the palette at the moment of painting, so a change of desktop theme shows at once.
//
// The palette roles that stand for the desktop's system colours:
//    5 window background  -> Base        (the background of text and list views)
//    8 window text        -> Text        (text drawn on Base)
//   15 3-D face           -> Button      (the face of buttons and dialogs)
//   17 grey text          -> Text of the Disabled group
//   18 button text        -> ButtonText  (text drawn on Button)
// Any other index falls back to WindowText, so nothing is ever drawn invisible by accident.
#pragma once

#include <QColor>
#include <QPalette>

#include "window/colour_value.h"

namespace velmora::qt {

QColor ResolveColour(ColourValue value, const QPalette& palette);

}  // namespace velmora::qt
