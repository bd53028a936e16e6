// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Writes the window as Form_Load leaves it, for the build to put into the page: the form's
// Load runs on a window kept here in memory, and what it shows comes out as the page's elements
// (ids, classes, captions, the text box, the scroll bar with its parts, tab order, and what screen
// readers read: roles, names, the cells' descriptions at the start temperature), then, after a
// line holding a form feed, the style sheet rules that place them and give the labels their
// colours. The program in the page takes these elements over by their ids.
//     node velmora_window_markup.js
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "elements/element_summary.h"
#include "window/control_names.h"
#include "window/control_services.h"
#include "window/form_dispatcher.h"
#include "window/web/control_markup.h"
#include "window/window_description.h"

namespace {

using namespace velmora;

// The window in memory: what the handlers write, from the description's start.
class StartState final : public ControlServices {
 public:
  StartState() {
    for (const ControlDescription& control : WindowDescription()) {
      captions_[control.name] = std::string(control.content);
      colours_[control.name] = control.fore_colour;
    }
  }
  AccessStatus SetCaption(std::string_view control, std::string_view caption) override {
    captions_[control] = std::string(caption);
    return AccessStatus::Ok;
  }
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override {
    colours_[control] = colour;
    return AccessStatus::Ok;
  }
  AccessStatus GetText(std::string_view control, std::string& text) override {
    text = captions_[control];
    return AccessStatus::Ok;
  }
  AccessStatus SetText(std::string_view control, std::string_view text) override {
    captions_[control] = std::string(text);  // Load writes no text: no Change to raise
    return AccessStatus::Ok;
  }
  AccessStatus GetValue(std::string_view, std::int16_t& value) override {
    value = value_;
    return AccessStatus::Ok;
  }
  AccessStatus SetValue(std::string_view, std::int16_t value) override {
    value_ = value;
    return AccessStatus::Ok;
  }

  const std::string& content(std::string_view control) { return captions_[control]; }
  ColourValue colour(std::string_view control) { return colours_[control]; }
  std::int16_t value() const { return value_; }

 private:
  std::map<std::string_view, std::string> captions_;
  std::map<std::string_view, ColourValue> colours_;
  std::int16_t value_ = 0;
};

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string Attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + Escaped(value) + "\"";
}

}  // namespace

int main() {
  StartState window;
  FormDispatcher dispatcher(window);
  if (const auto end = dispatcher.Load(); !end || end->message) return 1;
  const std::int16_t t = dispatcher.TemperatureInForce();

  int first_tab = -1;
  for (const ControlDescription& control : WindowDescription()) {
    if (control.tab_index >= 0 && (first_tab < 0 || control.tab_index < first_tab)) {
      first_tab = control.tab_index;
    }
  }
  std::string html = "<div class=\"page\"><div" + Attribute("id", kFormName) +
                     " class=\"form\">\n";
  for (std::string_view name : ReadingOrder()) {
    const ControlDescription& control = *FindControl(name);
    std::string attributes =
        Attribute("id", name) + Attribute("class", web::ControlClasses(control));
    if (control.tab_index >= 0) {
      attributes += Attribute("tabindex", std::to_string(control.tab_index + 1));
      if (control.tab_index == first_tab) attributes += " autofocus";
    }
    const std::string& content = window.content(name);
    if (control.atomic_number > 0) {
      const ElementStateRow& row = ElementRow(control.atomic_number);
      attributes += Attribute("role", "img") + Attribute("aria-label", row.name) +
                    Attribute("aria-description", ElementSummary(row, t));
    } else if (name == control::Label_T) {
      attributes += Attribute("role", "status") + Attribute("aria-live", "off") +
                    Attribute("aria-label", web::TemperatureInForceName(t));
    }
    switch (control.kind) {
      case ControlKind::Label:
        html += "<div" + attributes + ">" + Escaped(content) + "</div>\n";
        break;
      case ControlKind::TextBox:
        // The number keyboard on a touch screen; no spelling or word completion of the browser's
        // own (it would change what the user typed); no length limit.
        html += "<input" + attributes + Attribute("type", "text") + Attribute("value", content) +
                Attribute("inputmode", "decimal") + Attribute("spellcheck", "false") +
                Attribute("autocomplete", "off") + Attribute("autocorrect", "off") +
                Attribute("autocapitalize", "off") +
                Attribute("aria-label", web::kTemperatureName) + ">\n";
        break;
      case ControlKind::HScrollBar:
        // Not ready (it takes no presses) until the program has taken it over.
        html += "<div" + attributes + Attribute("role", "slider") +
                Attribute("aria-orientation", "horizontal") +
                Attribute("aria-valuemin", std::to_string(control.scroll.minimum)) +
                Attribute("aria-valuemax", std::to_string(control.scroll.maximum)) +
                Attribute("aria-valuenow", std::to_string(window.value())) +
                Attribute("aria-label", web::kTemperatureName) +
                Attribute("aria-disabled", "true") +
                "><div class=\"scroll-arrow scroll-left\"></div>"
                "<div class=\"scroll-arrow scroll-right\"></div>"
                "<div class=\"scroll-box\"></div></div>\n";
        break;
    }
  }
  html += "</div></div>\n";

  std::string css =
      ":root {\n  --width: " +
      std::to_string(TwipsToPixels(kClientWidthTwips, web::kCssPixelsPerInch)) +
      ";\n  --height: " +
      std::to_string(TwipsToPixels(kClientHeightTwips, web::kCssPixelsPerInch)) + ";\n}\n";
  int stacking = 0;
  for (const ControlDescription& control : WindowDescription()) {
    css += "#" + std::string(control.name) + " {" +
           web::ControlDeclarations(control, stacking++, window.colour(control.name)) + "}\n";
    if (control.kind == ControlKind::HScrollBar) {
      const PixelPlace place =
          PlaceInPixels(control.place, web::kCssPixelsPerInch, web::kCssPixelsPerInch);
      css += "#" + std::string(control.name) + " > .scroll-box {--left:" +
             std::to_string(web::ScrollBoxLeft(control.scroll, window.value(), place.width(),
                                               place.height())) +
             "}\n";
    }
  }
  std::fputs((html + "\f\n" + css).c_str(), stdout);
  return 0;
}
