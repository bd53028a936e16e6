// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The horizontal scroll bar `Scroll_T`. It reports every move of its value that the user makes —
// a drag step of the scroll box, an arrow click, a click in the track (and its auto-repeat), a
// key, the mouse wheel — through one callback, called after the value has changed. A write of
// the value from code (setValue) reports nothing.
//
// Keys move it the way a desktop user expects of a horizontal bar: Left and Up one small step
// down, Right and Down one small step up, PageUp one large step down, PageDown one large step
// up, Home to the minimum and End to the maximum.
//
// A write from code during a drag (a handler setting the value to 0) does not end the drag: the
// scroll box stays drawn under the mouse, and when it is released the value goes back to the
// position of the last drag step, without a callback, since the window already shows that
// position. After any other move the value goes back at once to where the user moved it.
#pragma once

#include <QScrollBar>
#include <functional>

namespace velmora::qt {

class TemperatureScrollBar final : public QScrollBar {
 public:
  explicit TemperatureScrollBar(QWidget* parent);

  void SetUserMoveHandler(std::function<void()> handler) { on_user_move_ = std::move(handler); }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> on_user_move_;
  int drag_position_ = 0;  // the scroll box's position at the last drag step
};

}  // namespace velmora::qt
