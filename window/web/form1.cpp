// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/form1.h"

#include <map>
#include <stdexcept>
#include <string>

#include "elements/element_summary.h"
#include "window/control_names.h"

namespace velmora::web {
namespace {

using emscripten::val;

val ById(const val& document, std::string_view id) {
  val element = document.call<val>("getElementById", val(std::string(id)));
  if (element.isNull()) throw std::runtime_error("the page has no " + std::string(id));
  return element;
}

}  // namespace

Form1::Form1(val document)
    : document_(document),
      form_(ById(document, kFormName)),
      page_(form_["parentElement"]),
      text_(val::undefined()),
      text_edited_([this](val event) {
        // Mid-composition (an input method building a character) the text is not yet typed.
        if (!event["isComposing"].as<bool>()) Finish(dispatcher_.TextChanged());
      }) {
  document.set("title", val(std::string(kFormTitle)));
  for (const ControlDescription& description : WindowDescription()) {
    Entry entry{description.kind, ById(document, description.name)};
    switch (description.kind) {
      case ControlKind::Label:
        entry.label = &labels_.emplace_back(description, entry.element);
        break;
      case ControlKind::TextBox: text_ = entry.element; break;
      case ControlKind::HScrollBar:
        scroll_ = std::make_unique<TemperatureScrollBar>(description, entry.element);
        break;
    }
    controls_.emplace(description.name, std::move(entry));
  }

  const auto element_of = [this](std::string_view name) { return controls_.at(name).element; };
  const auto summary = [this](int atomic_number) {
    return ElementSummary(ElementRow(atomic_number), dispatcher_.TemperatureInForce());
  };
  accessibility_ = std::make_unique<FormAccessibility>(document, page_, element_of, summary);
  tooltip_ = std::make_unique<ElementTooltip>(document, form_, summary);
  dialog_ = std::make_unique<MessageDialog>(document, page_);

  scroll_->SetUserMoveHandler(
      [this](std::int16_t position) { Finish(dispatcher_.UserMovedBar(position)); });
  text_edited_.Listen(text_, "input");
}

void Form1::Load() {
  // The page is written with the window as this same Load leaves it (window_markup.cpp runs it
  // at build time): the colours, names and descriptions it gives are on show already. Taking
  // them as shown instead of writing all of them again keeps the program's start short.
  const std::optional<EventEnd> end = dispatcher_.Load();
  if (end) {
    for (std::string_view cell : end->recoloured_cells) {
      controls_.at(cell).label->ColourAlreadyShown();
    }
    accessibility_->TemperatureAlreadyShown(dispatcher_.TemperatureInForce());
  }
  Finish(end);
}

void Form1::Show() {
  scroll_->Enable();
  // The first control of the tab order has the focus when the window opens, unless the user has
  // put it somewhere already.
  const val focused = document_["activeElement"];
  if (focused.isNull() || focused.strictlyEquals(document_["body"])) {
    std::map<int, std::string_view> tab_order;
    for (const ControlDescription& description : WindowDescription()) {
      if (description.tab_index >= 0) tab_order.emplace(description.tab_index, description.name);
    }
    if (!tab_order.empty()) controls_.at(tab_order.begin()->second).element.call<void>("focus");
  }
  // Text typed or pasted into the box before the program ran is an entry like any other.
  std::string text;
  if (GetText(control::Text_T, text) == AccessStatus::Ok &&
      text != FindControl(control::Text_T)->content) {
    Finish(dispatcher_.TextChanged());
  }
}

void Form1::Finish(std::optional<EventEnd> end) {
  if (!end) return;  // a nested event: the outermost one finishes
  for (std::string_view cell : end->recoloured_cells) controls_.at(cell).label->RepaintIfChanged();
  accessibility_->TemperatureShown(dispatcher_.TemperatureInForce());
  tooltip_->Refresh();
  if (end->message) dialog_->Show(*end->message);
}

Form1::Entry* Form1::Find(std::string_view name, ControlKind kind, AccessStatus& status) {
  const auto found = controls_.find(name);
  status = found == controls_.end()     ? AccessStatus::NoSuchControl
           : found->second.kind != kind ? AccessStatus::WrongKind
                                        : AccessStatus::Ok;
  return status == AccessStatus::Ok ? &found->second : nullptr;
}

AccessStatus Form1::SetCaption(std::string_view control, std::string_view caption) {
  AccessStatus status;
  if (Entry* entry = Find(control, ControlKind::Label, status)) {
    entry->label->SetCaption(caption);
    if (!dispatcher_.InEvent()) accessibility_->TemperatureShown(dispatcher_.TemperatureInForce());
  }
  return status;
}

AccessStatus Form1::SetForeColor(std::string_view control, ColourValue colour) {
  AccessStatus status;
  if (Entry* entry = Find(control, ControlKind::Label, status)) {
    entry->label->SetForeColour(colour);
    if (!dispatcher_.InEvent()) entry->label->RepaintIfChanged();
  }
  return status;
}

AccessStatus Form1::GetText(std::string_view control, std::string& text) {
  AccessStatus status;
  if (Entry* entry = Find(control, ControlKind::TextBox, status)) {
    text = entry->element["value"].as<std::string>();
  }
  return status;
}

AccessStatus Form1::SetText(std::string_view control, std::string_view text) {
  AccessStatus status;
  if (Entry* entry = Find(control, ControlKind::TextBox, status)) {
    const val written(std::string{text});
    if (entry->element["value"].strictlyEquals(written)) return status;
    entry->element.set("value", written);
    Finish(dispatcher_.TextChanged());  // the nested Change, inside the write
  }
  return status;
}

AccessStatus Form1::GetValue(std::string_view control, std::int16_t& value) {
  AccessStatus status;
  if (Find(control, ControlKind::HScrollBar, status)) value = scroll_->value();
  return status;
}

AccessStatus Form1::SetValue(std::string_view control, std::int16_t value) {
  AccessStatus status;
  if (Find(control, ControlKind::HScrollBar, status) && !scroll_->SetValue(value)) {
    return AccessStatus::OutOfRange;
  }
  return status;
}

}  // namespace velmora::web
