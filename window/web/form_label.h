// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// One label of the page: the element and reference cells, the value label `Label_T` and the plain
// labels `Label1` and `Label2`. Its caption is the element's text content (never markup).
//
// A colour write does not reach the page by itself: SetForeColour only records the colour, and
// the window calls RepaintIfChanged once an event is over, so a cell written twice in one pass
// (liquid, then gas) or set back to the colour it shows costs the page nothing.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "window/colour_value.h"
#include "window/window_description.h"

namespace velmora::web {

class FormLabel {
 public:
  FormLabel(const ControlDescription& description, emscripten::val element);

  const emscripten::val& element() const { return element_; }
  const std::string& caption() const { return caption_; }
  void SetCaption(std::string_view caption);

  ColourValue fore_colour() const { return fore_colour_; }
  void SetForeColour(ColourValue colour) { fore_colour_ = colour; }
  void RepaintIfChanged();
  // The page already shows the label in its present colour: nothing to repaint.
  void ColourAlreadyShown() { shown_colour_ = fore_colour_; }

 private:
  emscripten::val element_;
  std::string caption_;
  ColourValue fore_colour_;
  ColourValue shown_colour_;  // the colour the page shows
};

}  // namespace velmora::web
