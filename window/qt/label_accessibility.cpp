// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/label_accessibility.h"

#include "window/qt/form_label.h"

namespace velmora::qt {

FormLabelAccessible::FormLabelAccessible(FormLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText) {}

QString FormLabelAccessible::text(QAccessible::Text kind) const {
  const auto* label = static_cast<const FormLabel*>(widget());
  switch (kind) {
    case QAccessible::Name: return label->SpokenName();
    case QAccessible::Description: return label->SpokenDescription();
    default: return QAccessibleWidget::text(kind);
  }
}

QAccessibleInterface* FormLabelAccessibleFactory(const QString&, QObject* object) {
  auto* label = dynamic_cast<FormLabel*>(object);
  return label ? new FormLabelAccessible(label) : nullptr;
}

}  // namespace velmora::qt
