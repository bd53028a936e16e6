// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/form_label.h"

#include "window/web/system_colours.h"

namespace velmora::web {

using emscripten::val;

FormLabel::FormLabel(const ControlDescription& description, val element)
    : element_(std::move(element)),
      caption_(description.content),
      fore_colour_(description.fore_colour),
      shown_colour_(description.fore_colour) {}

void FormLabel::SetCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  element_.set("textContent", val(caption_));
}

void FormLabel::RepaintIfChanged() {
  if (fore_colour_ == shown_colour_) return;
  shown_colour_ = fore_colour_;
  element_["style"].call<void>("setProperty", val("color"), val(CssColour(fore_colour_)));
}

}  // namespace velmora::web
