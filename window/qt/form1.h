// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window `Form1` on Qt Widgets: creates all controls of the window description, offers them
// to the handlers by name through ControlServices, and hands the native events to the form's
// dispatcher — Load (run by Load(), before the window is first shown), every move the user makes
// of `Scroll_T`, and textChanged of `Text_T` (which Qt emits inside setText, so a handler's text
// write runs the nested Change before it returns).
//
// When an event ends it repaints the cells whose colour changed, tells screen readers the value
// label's new name when the temperature in force changed, and shows the event's error, if any,
// in a message box opened without a nested event loop; the program goes on.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>
#include <unordered_map>

#include "window/control_services.h"
#include "window/form_dispatcher.h"
#include "window/window_description.h"

class QLineEdit;

namespace velmora::qt {

class FormLabel;
class TemperatureScrollBar;

class Form1 final : public QWidget, public ControlServices {
 public:
  // Creates the window and its controls at the primary screen's pixels per inch.
  explicit Form1(QWidget* parent = nullptr);

  // The Load event: runs Form_Load. Call once, before show().
  void Load();

  int pixels_per_inch() const { return pixels_per_inch_; }
  // The native control of that name, or nullptr.
  QWidget* Control(std::string_view name) const;

  AccessStatus SetCaption(std::string_view control, std::string_view caption) override;
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override;
  AccessStatus GetText(std::string_view control, std::string& text) override;
  AccessStatus SetText(std::string_view control, std::string_view text) override;
  AccessStatus GetValue(std::string_view control, std::int16_t& value) override;
  AccessStatus SetValue(std::string_view control, std::int16_t value) override;

 private:
  struct Entry {
    ControlKind kind;
    QWidget* widget;
  };

  void Finish(std::optional<EventEnd> end);
  const Entry* Find(std::string_view name, ControlKind kind, AccessStatus& status) const;
  QString DescribeCell(int atomic_number) const;

  int pixels_per_inch_;
  // Keys view the names of the window description, which lives as long as the program.
  std::unordered_map<std::string_view, Entry> controls_;
  TemperatureScrollBar* scroll_ = nullptr;
  QLineEdit* text_ = nullptr;
  FormLabel* value_label_ = nullptr;
  FormDispatcher dispatcher_{*this};
};

}  // namespace velmora::qt
