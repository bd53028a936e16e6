// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/system_colours.h"

namespace velmora::web {

std::string CssColour(ColourValue value) {
  if (!IsSystemColourReference(value)) {
    return "rgb(" + std::to_string(RedOf(value)) + " " + std::to_string(GreenOf(value)) + " " +
           std::to_string(BlueOf(value)) + ")";
  }
  switch (static_cast<SystemColour>(SystemColourIndex(value))) {
    case SystemColour::WindowBackground: return "Canvas";
    case SystemColour::WindowText: return "CanvasText";
    case SystemColour::ButtonFace: return "ButtonFace";
    case SystemColour::GreyText: return "GrayText";
    case SystemColour::ButtonText: return "ButtonText";
  }
  return "CanvasText";
}

}  // namespace velmora::web
