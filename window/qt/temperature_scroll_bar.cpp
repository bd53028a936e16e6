// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/temperature_scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace velmora::qt {

TemperatureScrollBar::TemperatureScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setFocusPolicy(Qt::StrongFocus);  // a QScrollBar takes no focus unless told
}

// Every user input reaches the bar as an event (mouse, key, wheel, the auto-repeat timer of a
// held arrow or track click, the context menu), and none of them runs a handler while it is
// being processed, so a value that differs after the event is the user's move.
bool TemperatureScrollBar::event(QEvent* event) {
  const int before = value();
  const bool was_down = isSliderDown();
  const bool handled = QScrollBar::event(event);
  if (isSliderDown() && !was_down) drag_position_ = value();
  if (value() != before) {
    const int moved_to = value();
    if (isSliderDown()) drag_position_ = moved_to;
    if (on_user_move_) on_user_move_();
    // Emptying the text box runs a nested Change that writes 0. A drag puts the position back at
    // its next step or release; a single move (arrow, track, key, wheel) has no such step, so the
    // bar goes back here to where the user moved it and where the label says it is.
    if (!isSliderDown() && value() != moved_to) setValue(moved_to);
  }
  if (was_down && !isSliderDown() && value() != drag_position_) setValue(drag_position_);
  return handled;
}

void TemperatureScrollBar::keyPressEvent(QKeyEvent* event) {
  SliderAction action = SliderNoAction;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(event); return;
  }
  triggerAction(action);
  event->accept();
}

// Qt moves the box along with a write of the value; during a drag it belongs under the mouse.
void TemperatureScrollBar::paintEvent(QPaintEvent* event) {
  if (!isSliderDown() || value() == drag_position_) {
    QScrollBar::paintEvent(event);
    return;
  }
  QPainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_All;
  option.activeSubControls = QStyle::SC_ScrollBarSlider;  // held, as in the stock paint
  option.state |= QStyle::State_Sunken;
  option.sliderPosition = option.sliderValue = drag_position_;
  style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}

}  // namespace velmora::qt
