// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/form_accessibility.h"

#include "elements/element_table.h"
#include "input/conversions.h"
#include "window/control_names.h"
#include "window/window_description.h"

namespace velmora::web {
namespace {

using emscripten::val;

constexpr char kTemperatureName[] = "Temperature in kelvin";
constexpr int kDescribeAfterMilliseconds = 250;

void SetAttribute(const val& element, const char* name, const std::string& value) {
  element.call<void>("setAttribute", val(name), val(value));
}

std::string TemperatureInForceName(std::int16_t t) {
  return "Temperature in force: " + Int16ToText(t) + " K";
}

}  // namespace

FormAccessibility::FormAccessibility(const val& document, const val& form,
                                     const ElementOf& element_of, CellSummary summary)
    : value_label_(element_of(control::Label_T)),
      live_region_(document.call<val>("createElement", val("div"))),
      summary_(std::move(summary)),
      describe_cells_([this] { DescribeCells(); }) {
  for (const ControlDescription& control : WindowDescription()) {
    if (control.atomic_number == 0) continue;
    val cell = element_of(control.name);
    // An image: one named thing whose caption (the symbol) is not read on its own.
    SetAttribute(cell, "role", "img");
    SetAttribute(cell, "aria-label", std::string(ElementRow(control.atomic_number).name));
    cells_.emplace_back(control.atomic_number, std::move(cell));
  }
  SetAttribute(element_of(control::Text_T), "aria-label", kTemperatureName);
  SetAttribute(element_of(control::Scroll_T), "aria-label", kTemperatureName);
  // The value label reads as a status, without announcing by itself: the live region does that.
  SetAttribute(value_label_, "role", "status");
  SetAttribute(value_label_, "aria-live", "off");

  live_region_.set("className", val("announcement"));
  SetAttribute(live_region_, "aria-live", "polite");
  SetAttribute(live_region_, "aria-atomic", "true");
  form.call<void>("after", live_region_);
}

void FormAccessibility::TemperatureShown(std::int16_t t) {
  if (told_ == t) return;
  const bool loading = !told_.has_value();
  told_ = t;
  SetAttribute(value_label_, "aria-label", TemperatureInForceName(t));
  if (loading) {
    DescribeCells();
    return;
  }
  live_region_.set("textContent", val(TemperatureInForceName(t)));
  describe_cells_.Start(kDescribeAfterMilliseconds);
}

void FormAccessibility::DescribeCells() {
  for (const auto& [atomic_number, cell] : cells_) {
    SetAttribute(cell, "aria-description", summary_(atomic_number));
  }
}

}  // namespace velmora::web
