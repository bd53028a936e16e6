// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/system_colours.h"

namespace velmora::qt {

QColor ResolveColour(ColourValue value, const QPalette& palette) {
  if (!IsSystemColourReference(value)) return QColor(RedOf(value), GreenOf(value), BlueOf(value));
  switch (static_cast<SystemColour>(SystemColourIndex(value))) {
    case SystemColour::WindowBackground: return palette.color(QPalette::Base);
    case SystemColour::WindowText: return palette.color(QPalette::Text);
    case SystemColour::ButtonFace: return palette.color(QPalette::Button);
    case SystemColour::GreyText: return palette.color(QPalette::Disabled, QPalette::Text);
    case SystemColour::ButtonText: return palette.color(QPalette::ButtonText);
  }
  return palette.color(QPalette::WindowText);
}

}  // namespace velmora::qt
