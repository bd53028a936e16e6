// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/temperature_scroll_bar.h"

#include <QKeyEvent>
#include <algorithm>

namespace velmora::qt {

TemperatureScrollBar::TemperatureScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setFocusPolicy(Qt::StrongFocus);  // a QScrollBar takes no focus unless told
}

// Every user input reaches the bar as an event (mouse, key, wheel, the auto-repeat timer of a
// held arrow or track click, the context menu), and none of them runs a handler while it is
// being processed, so a value that differs after the event is the user's move.
bool TemperatureScrollBar::event(QEvent* event) {
  const int before = value();
  const bool handled = QScrollBar::event(event);
  if (value() != before && on_user_move_) on_user_move_(value());
  return handled;
}

void TemperatureScrollBar::MoveByUser(int position) {
  position = std::clamp(position, minimum(), maximum());
  setValue(position);
  if (on_user_move_) on_user_move_(position);
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

}  // namespace velmora::qt
