// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Prints the window description as the core holds it, as JSON, for the page's tests: each
// control's name, place in CSS pixels and content, each cell's element and its summary at the
// start temperature, the reading order and the client size. What the page shows is checked
// against this; the description itself is checked by the core's tests.
#include <cstdio>
#include <string>
#include <string_view>

#include "elements/element_summary.h"
#include "window/startup.h"
#include "window/window_description.h"

namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return quoted + '"';
}

}  // namespace

int main() {
  using namespace velmora;
  std::string json = "{\"title\": " + Quoted(kFormTitle) + ", \"controls\": [";
  const char* separator = "";
  for (const ControlDescription& control : WindowDescription()) {
    const PixelPlace px = PlaceInPixels(control.place, 96, 96);
    json += separator;
    json += "{\"name\": " + Quoted(control.name) + ", \"left\": " + std::to_string(px.left) +
            ", \"top\": " + std::to_string(px.top) + ", \"width\": " + std::to_string(px.width()) +
            ", \"height\": " + std::to_string(px.height()) +
            ", \"content\": " + Quoted(control.content);
    if (control.atomic_number > 0) {
      const ElementStateRow& row = ElementRow(control.atomic_number);
      json += ", \"element\": " + Quoted(row.name) +
              ", \"summary\": " + Quoted(ElementSummary(row, kStartTemperature));
    }
    json += "}";
    separator = ", ";
  }
  json += "], \"reading_order\": [";
  separator = "";
  for (std::string_view name : ReadingOrder()) {
    json += separator + Quoted(name);
    separator = ", ";
  }
  json += "], \"width\": " + std::to_string(TwipsToPixels(kClientWidthTwips, 96)) +
          ", \"height\": " + std::to_string(TwipsToPixels(kClientHeightTwips, 96)) + "}\n";
  std::fputs(json.c_str(), stdout);
  return 0;
}
