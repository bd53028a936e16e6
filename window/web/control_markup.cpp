// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/control_markup.h"

#include "input/conversions.h"
#include "window/web/system_colours.h"

namespace velmora::web {
namespace {

// The dialog font: Liberation Sans 9 pt, as the Linux window's, shipped with the page.
constexpr FontDescription kDialogFont{"Liberation Sans", 900, 400};

const FontDescription& FontOf(FontRole role) {
  switch (role) {
    case FontRole::ElementCell: return kElementCellFont;
    case FontRole::ReferenceCell: return kReferenceCellFont;
    case FontRole::Dialog: break;
  }
  return kDialogFont;
}

}  // namespace

std::string TemperatureInForceName(std::int16_t t) {
  return "Temperature in force: " + Int16ToText(t) + " K";
}

std::string ControlClasses(const ControlDescription& description) {
  std::string classes = "control";
  switch (description.kind) {
    case ControlKind::Label:
      classes += description.border == BorderStyle::FlatLine ? " cell" : " label";
      break;
    case ControlKind::TextBox: classes += " text-box"; break;
    case ControlKind::HScrollBar: classes += " scroll-bar"; break;
  }
  switch (description.font) {
    case FontRole::Dialog: classes += " dialog-font"; break;
    case FontRole::ElementCell:
    case FontRole::ReferenceCell: classes += " cell-font"; break;
  }
  switch (description.border) {
    case BorderStyle::FlatLine: classes += " flat-border"; break;
    case BorderStyle::SunkenLabel: classes += " sunken-border"; break;
    case BorderStyle::None:
    case BorderStyle::SunkenEdit:  // the browser's own edit border
    case BorderStyle::Standard: break;
  }
  if (description.alignment == TextAlignment::Centre) classes += " centred";
  return classes;
}

std::string ControlDeclarations(const ControlDescription& description, int stacking,
                                ColourValue fore_colour) {
  const PixelPlace place = PlaceInPixels(description.place, kCssPixelsPerInch, kCssPixelsPerInch);
  const FontDescription& font = FontOf(description.font);
  // In the window's pixels, which the style sheet's .control scales by --unit.
  std::string style = "--x:" + std::to_string(place.left) + ";--y:" + std::to_string(place.top) +
                      ";--w:" + std::to_string(place.width()) +
                      ";--h:" + std::to_string(place.height()) +
                      ";--font:" +
                      std::to_string(FontPixelSize(font.size_centipoints, kCssPixelsPerInch)) +
                      ";z-index:" + std::to_string(stacking) +
                      ";font-weight:" + std::to_string(font.weight);
  // A label is drawn in the description's colours; the text box and the scroll bar have the
  // page's own look for them (the style sheet's), as the toolkits' controls have theirs.
  if (description.kind == ControlKind::Label) {
    style += ";background-color:" + CssColour(description.back_colour) +
             ";color:" + CssColour(fore_colour);
  }
  if (description.kind == ControlKind::HScrollBar) {
    // The arrows and the scroll box are as wide as the bar is high.
    style += ";--part:" + std::to_string(place.height());
  }
  return style;
}

double ScrollBoxLeft(const ScrollRange& range, int value, double width, double height) {
  const double travel = width - 3 * height;  // the track less the scroll box
  return height + (value - range.minimum) * travel / (range.maximum - range.minimum);
}

}  // namespace velmora::web
