// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window `Form1` in a web page: takes over the elements of the window description's controls,
// which the page already shows as Load leaves them, offers them to the handlers by name through
// ControlServices, and hands the page's events to the form's dispatcher — Load (run by Load()),
// every move the user makes of `Scroll_T`, and every edit of `Text_T` (the input event: typing,
// deleting, pasting, cutting, dropping, undoing). A handler's write of the box text changes the
// text and runs the nested Change before the write returns, as the contract wants; the page
// itself raises no event for it.
//
// When an event ends it repaints the cells whose colour changed (and nothing else), tells screen
// readers the new temperature in force, and shows the event's error, if any, in the message box.
//
// The window is a box of the description's client size, which the style sheet shows at the
// largest size that fits the browser's viewport.
#pragma once

#include <emscripten/val.h>

#include <deque>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "window/control_services.h"
#include "window/form_dispatcher.h"
#include "window/web/element_tooltip.h"
#include "window/web/form_accessibility.h"
#include "window/web/form_label.h"
#include "window/web/message_dialog.h"
#include "window/web/page_listener.h"
#include "window/web/temperature_scroll_bar.h"
#include "window/window_description.h"

namespace velmora::web {

class Form1 final : public ControlServices {
 public:
  // Takes over the window and its controls as the page has them (window_markup.cpp), found by
  // their ids; nothing of the window works until Show().
  explicit Form1(emscripten::val document);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // The Load event: runs Form_Load. Call once, before Show().
  void Load();
  // Makes the window ready for the user: the scroll bar takes input, the first control of the
  // tab order gets the focus if nothing has it, and text typed or pasted into the box before the
  // program ran is taken as a Change.
  void Show();

  AccessStatus SetCaption(std::string_view control, std::string_view caption) override;
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override;
  AccessStatus GetText(std::string_view control, std::string& text) override;
  AccessStatus SetText(std::string_view control, std::string_view text) override;
  AccessStatus GetValue(std::string_view control, std::int16_t& value) override;
  AccessStatus SetValue(std::string_view control, std::int16_t value) override;

 private:
  struct Entry {
    ControlKind kind;
    emscripten::val element;
    FormLabel* label = nullptr;  // labels only
  };

  Entry* Find(std::string_view name, ControlKind kind, AccessStatus& status);
  void Finish(std::optional<EventEnd> end);

  emscripten::val document_;
  emscripten::val form_;
  emscripten::val page_;  // holds the window, at its size as shown
  // Keys view the names of the window description, which lives as long as the program.
  std::unordered_map<std::string_view, Entry> controls_;
  std::deque<FormLabel> labels_;
  std::unique_ptr<TemperatureScrollBar> scroll_;
  emscripten::val text_;
  FormDispatcher dispatcher_{*this};
  std::unique_ptr<FormAccessibility> accessibility_;
  std::unique_ptr<ElementTooltip> tooltip_;
  std::unique_ptr<MessageDialog> dialog_;
  PageListener text_edited_;
};

}  // namespace velmora::web
