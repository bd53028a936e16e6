// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The horizontal scroll bar `Scroll_T`. It reports every move of its value that the user makes —
// a drag step of the scroll box, an arrow click, a click in the track (and its auto-repeat), a
// key, the mouse wheel — through one callback with the new position, called after the value has
// changed. A write of the value from code (setValue) reports nothing. A move the user makes
// through an assistive technology arrives by MoveByUser and is reported the same way.
//
// Keys move it the way a desktop user expects of a horizontal bar: Left and Up one small step
// down, Right and Down one small step up, PageUp one large step down, PageDown one large step
// up, Home to the minimum and End to the maximum.
#pragma once

#include <QScrollBar>
#include <functional>

namespace velmora::qt {

class TemperatureScrollBar final : public QScrollBar {
 public:
  explicit TemperatureScrollBar(QWidget* parent);

  void SetUserMoveHandler(std::function<void(int position)> handler) {
    on_user_move_ = std::move(handler);
  }
  // A move to `position` that the user asked for by other means than the bar's own input (an
  // assistive technology setting its value): clamped to the range, placed and reported, whether
  // or not the bar is there already.
  void MoveByUser(int position);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void(int position)> on_user_move_;
};

}  // namespace velmora::qt
