// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/form_accessibility.h"

#include <QHash>
#include <QString>

#include "window/bar_value.h"
#include "window/qt/form1.h"
#include "window/qt/temperature_scroll_bar.h"
#include "window/window_description.h"

namespace velmora::qt {
namespace {

// Place in the reading order of each control name.
const QHash<QString, int>& ReadingRanks() {
  static const QHash<QString, int> ranks = [] {
    QHash<QString, int> made;
    int rank = 0;
    for (std::string_view name : ReadingOrder()) {
      made.insert(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), rank++);
    }
    return made;
  }();
  return ranks;
}

}  // namespace

FormAccessible::FormAccessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

QList<QWidget*> FormAccessible::ReadingOrderChildren() const {
  QList<QWidget*> ordered;
  const QWidget* form = widget();
  if (!form) return ordered;
  const QHash<QString, int>& ranks = ReadingRanks();
  QList<QWidget*> by_rank(ranks.size(), nullptr);
  QList<QWidget*> unranked;
  // A child being deleted is already gone from this list (its slot is null while the window
  // deletes its children); other windows (a message box) are not controls of this one.
  for (QObject* object : form->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow()) continue;
    const int rank = ranks.value(child->objectName(), -1);
    if (rank >= 0 && !by_rank[rank]) {
      by_rank[rank] = child;
    } else {
      unranked.append(child);
    }
  }
  ordered.reserve(by_rank.size() + unranked.size());
  for (QWidget* child : by_rank) {
    if (child) ordered.append(child);
  }
  ordered.append(unranked);
  return ordered;
}

int FormAccessible::childCount() const { return static_cast<int>(ReadingOrderChildren().size()); }

QAccessibleInterface* FormAccessible::child(int index) const {
  const QList<QWidget*> children = ReadingOrderChildren();
  if (index < 0 || index >= children.size()) return nullptr;
  return QAccessible::queryAccessibleInterface(children[index]);
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (!child) return -1;
  return static_cast<int>(ReadingOrderChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}

QAccessibleInterface* FormAccessible::childAt(int x, int y) const {
  QWidget* form = widget();
  if (!form) return nullptr;
  // QWidget::childAt finds the control on top; Qt's stock search would return the first one in
  // the list of children that contains the point, which is not the one on top where cells share
  // an edge.
  QWidget* hit = form->childAt(form->mapFromGlobal(QPoint(x, y)));
  while (hit && hit->parentWidget() != form) hit = hit->parentWidget();
  return hit && !hit->isWindow() ? QAccessible::queryAccessibleInterface(hit) : nullptr;
}

TemperatureScrollBarAccessible::TemperatureScrollBarAccessible(TemperatureScrollBar* bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

TemperatureScrollBar* TemperatureScrollBarAccessible::bar() const {
  return static_cast<TemperatureScrollBar*>(widget());
}

void* TemperatureScrollBarAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString TemperatureScrollBarAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return QString::number(bar()->value());
  return QAccessibleWidget::text(kind);
}

QVariant TemperatureScrollBarAccessible::currentValue() const { return bar()->value(); }

void TemperatureScrollBarAccessible::setCurrentValue(const QVariant& value) {
  bool is_number = false;
  const double wanted = value.toDouble(&is_number);
  if (!is_number) return;
  if (const auto position = BarPositionForValue(wanted, kTemperatureBar)) {
    bar()->MoveByUser(*position);
  }
}

QVariant TemperatureScrollBarAccessible::maximumValue() const { return bar()->maximum(); }

QVariant TemperatureScrollBarAccessible::minimumValue() const { return bar()->minimum(); }

QVariant TemperatureScrollBarAccessible::minimumStepSize() const { return bar()->singleStep(); }

QAccessibleInterface* FormAccessibleFactory(const QString&, QObject* object) {
  if (auto* form = dynamic_cast<Form1*>(object)) return new FormAccessible(form);
  if (auto* bar = dynamic_cast<TemperatureScrollBar*>(object)) {
    return new TemperatureScrollBarAccessible(bar);
  }
  return nullptr;
}

}  // namespace velmora::qt
