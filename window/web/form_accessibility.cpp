// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/form_accessibility.h"

#include "window/control_names.h"
#include "window/web/control_markup.h"
#include "window/window_description.h"

namespace velmora::web {
namespace {

using emscripten::val;

constexpr int kDescribeAfterMilliseconds = 250;

void SetAttribute(const val& element, const char* name, const std::string& value) {
  element.call<void>("setAttribute", val(name), val(value));
}

}  // namespace

FormAccessibility::FormAccessibility(const val& document, const val& form,
                                     const ElementOf& element_of, CellSummary summary)
    : value_label_(element_of(control::Label_T)),
      live_region_(document.call<val>("createElement", val("div"))),
      summary_(std::move(summary)),
      describe_cells_([this] { DescribeCells(); }) {
  // The roles and names are the page's (window_markup.cpp): each cell an image named after its
  // element, the value label a status that does not announce by itself (the live region does).
  for (const ControlDescription& control : WindowDescription()) {
    if (control.atomic_number == 0) continue;
    cells_.emplace_back(control.atomic_number, element_of(control.name));
  }
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
