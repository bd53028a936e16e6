// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What screen readers are told about the window `Form1` and its scroll bar.
//
// The window lists its controls in reading order (ReadingOrder() of the window description): the
// input area under its caption, the table row by row, the maker's notice. Qt's stock interface
// would list them in creation order, which is the stacking order and starts with the bottom rows
// of the table. The controls stay stacked as created; only what a reader is told changes, and a
// reader pointing somewhere gets the control on top there, as the mouse does.
//
// The scroll bar's value interface treats a value set by an assistive technology as a move by the
// user: clamped to the range, rounded to a whole kelvin and applied through the bar's user-move
// report like a drag, so the value label, the cells and the text box follow. Qt's stock interface
// would write the value from code, which applies nothing.
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QList>

namespace velmora::qt {

class TemperatureScrollBar;

class FormAccessible final : public QAccessibleWidget {
 public:
  explicit FormAccessible(QWidget* form);

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

 private:
  // The form's child controls in reading order; any control the reading order does not name
  // (none today) follows in creation order. Built from the children present at each call, so it
  // never refers to one that is gone.
  QList<QWidget*> ReadingOrderChildren() const;
};

class TemperatureScrollBarAccessible final : public QAccessibleWidget,
                                             public QAccessibleValueInterface {
 public:
  explicit TemperatureScrollBarAccessible(TemperatureScrollBar* bar);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;

  QVariant currentValue() const override;
  // A number is clamped to the range and rounded to the nearest whole kelvin (a half to the even
  // one) and applied as a user move; anything else (not a number, NaN) is ignored.
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override;

 private:
  TemperatureScrollBar* bar() const;
};

// For QAccessible::installFactory: the interfaces above for the window and its scroll bar,
// nullptr for any other object.
QAccessibleInterface* FormAccessibleFactory(const QString& class_name, QObject* object);

}  // namespace velmora::qt
