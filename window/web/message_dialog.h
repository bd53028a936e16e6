// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The message box of the window: a modal dialog titled "Velmora" that says the temperature could
// not be applied, with the message of the error under it and an OK button, which has the focus.
// OK, Enter or Escape closes it, and the focus goes back to where it was before. A message that
// comes while one is shown replaces its text. The texts are text, never markup.
#pragma once

#include <emscripten/val.h>

#include <string_view>

#include "window/web/page_listener.h"

namespace velmora::web {

class MessageDialog {
 public:
  // Puts the (closed) dialog after `form` in the page.
  MessageDialog(const emscripten::val& document, const emscripten::val& form);
  MessageDialog(const MessageDialog&) = delete;
  MessageDialog& operator=(const MessageDialog&) = delete;

  void Show(std::string_view message);

 private:
  emscripten::val document_;
  emscripten::val dialog_;
  emscripten::val message_;
  emscripten::val ok_;
  emscripten::val focus_before_;
  PageListener ok_clicked_;
  PageListener closed_;
};

}  // namespace velmora::web
