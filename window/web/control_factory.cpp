// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/control_factory.h"

#include <string>

#include "window/web/system_colours.h"

namespace velmora::web {
namespace {

using emscripten::val;

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

// Style sheet classes, one per kind, font role, border and alignment.
std::string Classes(const ControlDescription& description) {
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

// A length of the window's own pixels, at the size the window is shown (the style sheet's --unit).
std::string Units(int pixels) { return "calc(" + std::to_string(pixels) + " * var(--unit))"; }

}  // namespace

val CreateControl(const ControlDescription& description, int stacking, const val& document) {
  const bool text_box = description.kind == ControlKind::TextBox;
  val element = document.call<val>("createElement", val(text_box ? "input" : "div"));
  element.set("id", val(std::string(description.name)));
  element.set("className", val(Classes(description)));

  // One style text rather than a call for each property: the page is built faster. (Styles
  // given through the element's style object are the program's, which the page's
  // Content-Security-Policy allows; style attributes in markup it would refuse.)
  const PixelPlace place = PlaceInPixels(description.place, kCssPixelsPerInch, kCssPixelsPerInch);
  const FontDescription& font = FontOf(description.font);
  std::string style = "left:" + Units(place.left) + ";top:" + Units(place.top) +
                      ";width:" + Units(place.width()) + ";height:" + Units(place.height()) +
                      ";z-index:" + std::to_string(stacking) + ";font-size:" +
                      Units(FontPixelSize(font.size_centipoints, kCssPixelsPerInch)) +
                      ";font-weight:" + std::to_string(font.weight);
  // A label is drawn in the description's colours; the text box and the scroll bar have the
  // page's own look for them (the style sheet's), as the toolkits' controls have theirs.
  if (description.kind == ControlKind::Label) {
    style += ";background-color:" + CssColour(description.back_colour) +
             ";color:" + CssColour(description.fore_colour);
  }
  element["style"].set("cssText", val(style));

  const std::string content(description.content);
  if (text_box) {
    element.set("type", val("text"));
    element.set("value", val(content));
    // The number keyboard on a touch screen; no spelling or word completion of the browser's own
    // (it would change what the user typed); no length limit (no maxlength).
    element.set("inputMode", val("decimal"));
    element.set("spellcheck", false);
    for (const char* off : {"autocomplete", "autocorrect", "autocapitalize"}) {
      element.call<void>("setAttribute", val(off), val("off"));
    }
  } else {
    element.set("textContent", val(content));
  }
  // The description's tab order, first place first; the browser puts controls with a positive
  // tabindex ahead of the rest, in their own order.
  if (description.tab_index >= 0) element.set("tabIndex", description.tab_index + 1);
  return element;
}

}  // namespace velmora::web
