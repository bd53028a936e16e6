// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/web/temperature_scroll_bar.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "window/web/control_markup.h"

namespace velmora::web {
namespace {

using emscripten::val;

// A held arrow or track: one step, the pause, then one step every 50 ms.
constexpr int kFirstRepeatMilliseconds = 500;
constexpr int kRepeatMilliseconds = 50;
constexpr double kWheelPixelsPerSmallChange = 100.0 / 3;  // a notch of 100 pixels: 3 steps

val FindPart(const val& bar, const char* selector) {
  val part = bar.call<val>("querySelector", val(selector));
  if (part.isNull()) throw std::runtime_error(std::string("the scroll bar has no ") + selector);
  return part;
}

void SetAttribute(const val& element, const char* name, int value) {
  element.call<void>("setAttribute", val(name), val(std::to_string(value)));
}

}  // namespace

TemperatureScrollBar::TemperatureScrollBar(const ControlDescription& description, val element)
    : range_(description.scroll),
      value_(description.scroll.value),
      width_(PlaceInPixels(description.place, kCssPixelsPerInch, kCssPixelsPerInch).width()),
      height_(PlaceInPixels(description.place, kCssPixelsPerInch, kCssPixelsPerInch).height()),
      element_(std::move(element)),
      left_arrow_(FindPart(element_, ".scroll-left")),
      right_arrow_(FindPart(element_, ".scroll-right")),
      box_(FindPart(element_, ".scroll-box")),
      pointer_down_([this](val event) { OnPointerDown(event); }),
      pointer_move_([this](val event) { OnPointerMove(event); }),
      pointer_end_([this](val event) {
        if (event["pointerId"].as<int>() == pointer_id_) OnPointerEnd();
      }),
      key_down_([this](val event) { OnKeyDown(event); }),
      wheel_([this](val event) { OnWheel(event); }),
      context_menu_([](val event) { event.call<void>("preventDefault"); }),
      repeat_([this] { OnRepeat(); }) {
  Place();
}

void TemperatureScrollBar::Enable() {
  pointer_down_.Listen(element_, "pointerdown");
  pointer_move_.Listen(element_, "pointermove");
  for (const char* end : {"pointerup", "pointercancel", "lostpointercapture"}) {
    pointer_end_.Listen(element_, end);
  }
  key_down_.Listen(element_, "keydown", /*passive=*/false);
  wheel_.Listen(element_, "wheel", /*passive=*/false);
  context_menu_.Listen(element_, "contextmenu", /*passive=*/false);
  element_.call<void>("removeAttribute", val("aria-disabled"));
}

bool TemperatureScrollBar::SetValue(int value) {
  if (value < range_.minimum || value > range_.maximum) return false;
  if (value != value_) {
    value_ = static_cast<std::int16_t>(value);
    Place();
  }
  return true;
}

void TemperatureScrollBar::MoveByUser(int position) {
  position =
      std::clamp(position, static_cast<int>(range_.minimum), static_cast<int>(range_.maximum));
  if (position == value_) return;
  value_ = static_cast<std::int16_t>(position);
  Place();
  if (on_user_move_) on_user_move_(value_);
}

double TemperatureScrollBar::BoxLeft() const {
  return ScrollBoxLeft(range_, value_, width_, height_);
}

void TemperatureScrollBar::Place() {
  // A number, which the page turns into the text of the property: the style sheet moves the box
  // by it, in the window's pixels.
  box_["style"].call<void>("setProperty", val("--left"), BoxLeft());
  SetAttribute(element_, "aria-valuenow", value_);
}

double TemperatureScrollBar::LocalX(const val& event) const {
  const double left = pressed_rect_["left"].as<double>();
  const double width = pressed_rect_["width"].as<double>();
  return (event["clientX"].as<double>() - left) * width_ / width;
}

TemperatureScrollBar::Part TemperatureScrollBar::PartAt(double x) const {
  if (x < 0 || x >= width_) return Part::None;
  if (x < height_) return Part::LeftArrow;
  if (x >= width_ - height_) return Part::RightArrow;
  const double box_left = BoxLeft();
  if (x < box_left) return Part::TrackBefore;
  if (x >= box_left + height_) return Part::TrackAfter;
  return Part::Box;
}

void TemperatureScrollBar::OnPointerDown(const val& event) {
  if (pressed_ != Part::None || event["button"].as<int>() != 0) return;
  pressed_rect_ = element_.call<val>("getBoundingClientRect");
  pointer_x_ = LocalX(event);
  pressed_ = PartAt(pointer_x_);
  if (pressed_ == Part::None) return;
  pointer_id_ = event["pointerId"].as<int>();
  element_.call<void>("setPointerCapture", pointer_id_);
  if (pressed_ == Part::Box) {
    grab_x_ = pointer_x_ - BoxLeft();
    return;
  }
  ShowPressed(true);
  StepPressedPart();
  repeat_.Start(kFirstRepeatMilliseconds);
}

void TemperatureScrollBar::OnPointerMove(const val& event) {
  if (pressed_ == Part::None || event["pointerId"].as<int>() != pointer_id_) return;
  const double top = pressed_rect_["top"].as<double>();
  const double height = pressed_rect_["height"].as<double>();
  const double y = event["clientY"].as<double>();
  pointer_x_ = y >= top && y < top + height ? LocalX(event) : -1;  // -1: off the bar
  if (pressed_ == Part::Box) {
    const double travel = width_ - 3 * height_;
    const double box_left = LocalX(event) - grab_x_;
    MoveByUser(range_.minimum +
               static_cast<int>(
                   std::lround((box_left - height_) * (range_.maximum - range_.minimum) / travel)));
  } else {
    ShowPressed(PressedPartUnderPointer());
  }
}

void TemperatureScrollBar::OnPointerEnd() {
  if (pressed_ == Part::None) return;
  ShowPressed(false);
  repeat_.Stop();
  pressed_ = Part::None;
}

bool TemperatureScrollBar::PressedPartUnderPointer() const {
  return pressed_ != Part::Box && PartAt(pointer_x_) == pressed_;
}

void TemperatureScrollBar::StepPressedPart() {
  switch (pressed_) {
    case Part::LeftArrow: MoveByUser(value_ - range_.small_change); break;
    case Part::RightArrow: MoveByUser(value_ + range_.small_change); break;
    case Part::TrackBefore: MoveByUser(value_ - range_.large_change); break;
    case Part::TrackAfter: MoveByUser(value_ + range_.large_change); break;
    case Part::Box:
    case Part::None: break;
  }
}

void TemperatureScrollBar::OnRepeat() {
  if (PressedPartUnderPointer()) StepPressedPart();
  ShowPressed(PressedPartUnderPointer());
  repeat_.Start(kRepeatMilliseconds);
}

void TemperatureScrollBar::ShowPressed(bool pressed) {
  const val* arrow = pressed_ == Part::LeftArrow    ? &left_arrow_
                     : pressed_ == Part::RightArrow ? &right_arrow_
                                                    : nullptr;
  if (arrow) (*arrow)["classList"].call<void>("toggle", val("pressed"), pressed);
}

void TemperatureScrollBar::OnKeyDown(const val& event) {
  if (event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["metaKey"].as<bool>()) {
    return;
  }
  const std::string key = event["key"].as<std::string>();
  int target = value_;
  if (key == "ArrowLeft" || key == "ArrowDown") {
    target -= range_.small_change;
  } else if (key == "ArrowRight" || key == "ArrowUp") {
    target += range_.small_change;
  } else if (key == "PageUp") {
    target -= range_.large_change;
  } else if (key == "PageDown") {
    target += range_.large_change;
  } else if (key == "Home") {
    target = range_.minimum;
  } else if (key == "End") {
    target = range_.maximum;
  } else {
    return;
  }
  event.call<void>("preventDefault");  // the page does not scroll as well
  MoveByUser(target);
}

void TemperatureScrollBar::OnWheel(const val& event) {
  if (event["ctrlKey"].as<bool>()) return;
  const double across = event["deltaX"].as<double>();
  const double down = event["deltaY"].as<double>();
  const double delta = std::abs(across) > std::abs(down) ? across : down;
  if (delta == 0) return;
  event.call<void>("preventDefault");
  // In small changes: pixels, lines (one each) or pages (one large change each).
  double changes = delta / kWheelPixelsPerSmallChange;
  switch (event["deltaMode"].as<int>()) {
    case 1: changes = delta; break;
    case 2: changes = delta * range_.large_change / range_.small_change; break;
    default: break;
  }
  if ((wheel_changes_ < 0) != (changes < 0)) wheel_changes_ = 0;  // a turn back drops the rest
  wheel_changes_ += changes;
  const double whole = std::trunc(wheel_changes_);
  wheel_changes_ -= whole;
  const int move =
      std::clamp(static_cast<int>(whole) * range_.small_change,
                 -static_cast<int>(range_.large_change), static_cast<int>(range_.large_change));
  MoveByUser(value_ + move);
}

}  // namespace velmora::web
