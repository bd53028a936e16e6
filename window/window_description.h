// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window `Form1` as data: every one of its 116 controls, in creation order (which is also the
// stacking order: a later control lies on top where two overlap), with name, kind, place and size
// in twips, content at creation, font, border, alignment, colours and tab order. Each front-end
// creates its window from this list and nothing else; the layout never changes while the program
// runs. Twips are 1/1440 inch, measured from the top-left of the client area; at 96 pixels per
// inch a pixel is 15 twips and every place here is a whole number of pixels.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "elements/element_table.h"
#include "window/colour_value.h"
#include "window/screen_units.h"

namespace velmora {

enum class ControlKind : std::uint8_t { Label, TextBox, HScrollBar };

enum class BorderStyle : std::uint8_t {
  None,
  FlatLine,       // a single flat line (element and reference cells)
  SunkenLabel,    // a single-line sunken 3-D edge (the value label)
  SunkenEdit,     // the toolkit's standard sunken edit border (the text box)
  Standard,       // the control's own look (the scroll bar)
};

enum class TextAlignment : std::uint8_t { Left, Centre };

enum class FontRole : std::uint8_t {
  Dialog,         // the platform's standard dialog font, chosen by each front-end
  ElementCell,    // "Times New Roman" 15.75 pt bold
  ReferenceCell,  // "Times New Roman" 9 pt regular
};

struct FontDescription {
  std::string_view face;
  int size_centipoints = 0;  // 1575 is 15.75 pt
  int weight = 400;          // 400 regular, 700 bold; never italic, underlined or struck out
};

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int right() const { return left + width; }   // first twip past the control
  constexpr int bottom() const { return top + height; }
};

struct ScrollRange {
  std::int16_t minimum = 0;
  std::int16_t maximum = 0;
  std::int16_t value = 0;
  std::int16_t small_change = 0;  // arrow step
  std::int16_t large_change = 0;  // page step
};

// The temperature scroll bar `Scroll_T`: 0 to 6000 K, at 298 K when created, 1 K a step and
// 50 K a page. Its range is the range of every temperature the program accepts.
inline constexpr ScrollRange kTemperatureBar{.minimum = 0, .maximum = 6000, .value = 298,
                                             .small_change = 1, .large_change = 50};

struct ControlDescription {
  std::string_view name;
  ControlKind kind = ControlKind::Label;
  TwipRect place;
  std::string_view content;  // caption of a label, text of a text box
  FontRole font = FontRole::Dialog;
  BorderStyle border = BorderStyle::None;
  TextAlignment alignment = TextAlignment::Left;
  ColourValue back_colour = SystemColourReference(SystemColour::ButtonFace);
  ColourValue fore_colour = SystemColourReference(SystemColour::ButtonText);
  int tab_index = -1;      // place in the tab order; -1 when the control takes no focus
  ScrollRange scroll;      // scroll bars only
  int atomic_number = 0;   // element cells only; 0 for every other control
};

inline constexpr std::string_view kFormName = "Form1";
inline constexpr std::string_view kFormTitle = "Velmora";
inline constexpr int kClientWidthTwips = 9165;
inline constexpr int kClientHeightTwips = 5775;

inline constexpr FontDescription kElementCellFont{"Times New Roman", 1575, 700};
inline constexpr FontDescription kReferenceCellFont{"Times New Roman", 900, 400};

inline constexpr int kCellPitchTwips = 480;
inline constexpr int kCellSizeTwips = 495;  // one pixel more than the pitch: neighbours share a line

// All 116 controls in creation order.
std::span<const ControlDescription> WindowDescription();

// The control of that name, or nullptr.
const ControlDescription* FindControl(std::string_view name);

// All 116 control names in the order a screen reader reads the window: the caption that
// explains the input, the text box, the value label and the scroll bar; then the table row by
// row from the top and each row from the left (periods 1 to 7 with the two reference cells in
// group 3, then the lanthanide and actinide rows); the maker's notice at the bottom last. It is
// independent of the creation (stacking) order, which lists the bottom rows first.
std::span<const std::string_view> ReadingOrder();

// Where a control stands in pixels, at a screen's pixels per inch across and down.
constexpr PixelPlace PlaceInPixels(const TwipRect& place, int pixels_per_inch_x,
                                   int pixels_per_inch_y) {
  return {TwipsToPixels(place.left, pixels_per_inch_x), TwipsToPixels(place.top, pixels_per_inch_y),
          TwipsToPixels(place.right(), pixels_per_inch_x),
          TwipsToPixels(place.bottom(), pixels_per_inch_y)};
}

}  // namespace velmora
