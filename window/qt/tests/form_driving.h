// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the programs that drive the Qt window as a user would (its QtTest suites, the user-action
// fuzzer, the benchmarks) share: where the parts of the scroll bar are drawn, the keyboard focus
// moved with Tab, and message boxes closed with Enter.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace velmora::qt {

// The style's option for the bar as it stands, which the style's geometry answers from.
inline QStyleOptionSlider BarOption(const QScrollBar& bar) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.subControls = QStyle::SC_All;
  option.orientation = Qt::Horizontal;
  option.state |= QStyle::State_Horizontal;
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  return option;
}

// Where a part of the bar (the scroll box, an arrow, the track) is drawn, in its own pixels.
inline QRect BarPart(const QScrollBar& bar, QStyle::SubControl part) {
  const QStyleOptionSlider option = BarOption(bar);
  return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

// Presses Tab on the form's focus child until it is `target` (at most three times); false when
// it never is. The form's own focus child takes the keys also while another window is active, as
// under an X server without a window manager.
inline bool FocusByTab(QWidget& form, QWidget* target) {
  for (int i = 0; i < 3 && form.focusWidget() != target; ++i) {
    if (!form.focusWidget()) return false;
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
  }
  return form.focusWidget() == target;
}

// Closes the message boxes open over `form` with Enter (their OK button), then lets them go;
// returns how many were open.
inline int CloseMessageBoxes(QWidget& form) {
  int open = 0;
  for (QMessageBox* box : form.findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) {
    if (!box->isVisible()) continue;
    ++open;
    QTest::keyClick(box, Qt::Key_Return);
  }
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return open;
}

}  // namespace velmora::qt
