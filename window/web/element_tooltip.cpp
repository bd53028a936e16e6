// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/element_tooltip.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "window/window_description.h"

namespace velmora::web {
namespace {

using emscripten::val;

constexpr int kShowAfterMilliseconds = 500;
constexpr int kShownMilliseconds = 10000;
constexpr double kOffsetX = 12;  // from the pointer, so that the pointer does not cover it
constexpr double kOffsetY = 20;

bool ByTouch(const val& event) { return event["pointerType"].as<std::string>() == "touch"; }

void SetPixels(const val& element, const char* property, double pixels) {
  element["style"].call<void>("setProperty", val(property),
                              val(std::to_string(std::lround(pixels)) + "px"));
}

}  // namespace

ElementTooltip::ElementTooltip(const val& document, const val& form, CellSummary summary)
    : tooltip_(document.call<val>("createElement", val("div"))),
      summary_(std::move(summary)),
      pointer_over_([this](val event) {
        if (!ByTouch(event)) Aim(event, CellOf(event));
      }),
      pointer_out_([this](val event) {
        if (!ByTouch(event)) Aim(event, 0);
      }),
      pointer_down_([this](val event) {
        Hide();
        Aim(event, ByTouch(event) ? CellOf(event) : 0);
      }),
      pointer_up_([this](val event) {
        if (ByTouch(event) && shown_for_ == 0) Aim(event, 0);  // let go before it showed
      }),
      key_down_([this](val event) {
        if (event["key"].as<std::string>() == "Escape") Hide();
      }),
      context_menu_([](val event) {
        if (CellOf(event) != 0) event.call<void>("preventDefault");  // a long press is ours
      }),
      show_([this] { Show(); }),
      hide_([this] { Hide(); }) {
  tooltip_.set("className", val("tooltip"));
  tooltip_.call<void>("setAttribute", val("aria-hidden"), val("true"));
  tooltip_.set("hidden", true);
  form.call<void>("after", tooltip_);
  pointer_over_.Listen(form, "pointerover");
  pointer_out_.Listen(form, "pointerout");
  pointer_down_.Listen(document, "pointerdown");
  pointer_up_.Listen(document, "pointerup");
  pointer_up_.Listen(document, "pointercancel");
  key_down_.Listen(document, "keydown");
  context_menu_.Listen(form, "contextmenu", /*passive=*/false);
}

int ElementTooltip::CellOf(const val& event) {
  const val id = event["target"]["id"];
  if (!id.isString()) return 0;
  const ControlDescription* control = FindControl(id.as<std::string>());
  return control ? control->atomic_number : 0;
}

void ElementTooltip::Aim(const val& event, int atomic_number) {
  x_ = event["clientX"].as<double>();
  y_ = event["clientY"].as<double>();
  if (atomic_number == aimed_at_) return;
  aimed_at_ = atomic_number;
  if (shown_for_ != 0 && shown_for_ != atomic_number) Hide();
  if (atomic_number == 0) {
    show_.Stop();
  } else {
    show_.Start(kShowAfterMilliseconds);
  }
}

void ElementTooltip::Show() {
  if (aimed_at_ == 0) return;
  shown_for_ = aimed_at_;
  tooltip_.set("textContent", val(summary_(shown_for_)));
  SetPixels(tooltip_, "left", x_ + kOffsetX);
  SetPixels(tooltip_, "top", y_ + kOffsetY);
  tooltip_.set("hidden", false);
  // Kept inside the viewport: moved left or above the pointer where it would stick out.
  const val box = tooltip_.call<val>("getBoundingClientRect");
  const double right_overhang = box["right"].as<double>() - val::global("innerWidth").as<double>();
  if (right_overhang > 0) {
    SetPixels(tooltip_, "left", std::max(0.0, x_ + kOffsetX - right_overhang));
  }
  if (box["bottom"].as<double>() > val::global("innerHeight").as<double>()) {
    SetPixels(tooltip_, "top", std::max(0.0, y_ - box["height"].as<double>()));
  }
  hide_.Start(kShownMilliseconds);
}

void ElementTooltip::Hide() {
  show_.Stop();
  hide_.Stop();
  if (shown_for_ == 0) return;
  shown_for_ = 0;
  tooltip_.set("hidden", true);
}

void ElementTooltip::Refresh() {
  if (shown_for_ != 0) tooltip_.set("textContent", val(summary_(shown_for_)));
}

}  // namespace velmora::web
