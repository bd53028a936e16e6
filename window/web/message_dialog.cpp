// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/message_dialog.h"

#include <string>

#include "window/window_description.h"

namespace velmora::web {
namespace {

using emscripten::val;

val Add(const val& document, const val& parent, const char* tag, const char* id,
        std::string_view text) {
  val element = document.call<val>("createElement", val(tag));
  if (*id != '\0') element.set("id", val(id));
  element.set("textContent", val(std::string(text)));
  parent.call<void>("appendChild", element);
  return element;
}

}  // namespace

MessageDialog::MessageDialog(const val& document, const val& form)
    : document_(document),
      dialog_(document.call<val>("createElement", val("dialog"))),
      message_(val::undefined()),
      ok_(val::undefined()),
      focus_before_(val::null()),
      ok_clicked_([this](val) { dialog_.call<void>("close"); }),
      closed_([this](val) {
        if (!focus_before_.isNull() && focus_before_["isConnected"].as<bool>()) {
          focus_before_.call<void>("focus");
        }
        focus_before_ = val::null();
      }) {
  dialog_.set("className", val("message"));
  dialog_.call<void>("setAttribute", val("role"), val("alertdialog"));
  dialog_.call<void>("setAttribute", val("aria-labelledby"), val("message-title"));
  dialog_.call<void>("setAttribute", val("aria-describedby"), val("message-lead message-text"));
  Add(document, dialog_, "div", "message-title", kFormTitle).set("className", val("message-title"));
  Add(document, dialog_, "p", "message-lead", "The temperature could not be applied.");
  message_ = Add(document, dialog_, "p", "message-text", "");
  val buttons = Add(document, dialog_, "div", "", "");
  buttons.set("className", val("message-buttons"));
  ok_ = Add(document, buttons, "button", "", "OK");
  ok_.set("type", val("button"));
  ok_clicked_.Listen(ok_, "click");
  closed_.Listen(dialog_, "close");
  form.call<void>("after", dialog_);
}

void MessageDialog::Show(std::string_view message) {
  message_.set("textContent", val(std::string(message)));
  if (dialog_["open"].as<bool>()) return;
  focus_before_ = document_["activeElement"];
  dialog_.call<void>("showModal");
  ok_.call<void>("focus");
}

}  // namespace velmora::web
