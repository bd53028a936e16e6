// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What screen readers are told about a FormLabel: a static text whose name and description come
// from the label's own sources, computed at the moment a reader asks. Qt's stock interface would
// see an unnamed plain widget, since FormLabel paints its caption itself.
#pragma once

#include <QAccessibleWidget>

namespace velmora::qt {

class FormLabel;

class FormLabelAccessible final : public QAccessibleWidget {
 public:
  explicit FormLabelAccessible(FormLabel* label);
  QString text(QAccessible::Text kind) const override;
};

// For QAccessible::installFactory: the interface of a FormLabel, nullptr for any other object.
QAccessibleInterface* FormLabelAccessibleFactory(const QString& class_name, QObject* object);

}  // namespace velmora::qt
