// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/control_factory.h"

#include <QLineEdit>
#include <limits>

#include "window/qt/form_label.h"
#include "window/qt/temperature_scroll_bar.h"

namespace velmora::qt {
namespace {

QWidget* CreateTextBox(const ControlDescription& description, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setFrame(description.border == BorderStyle::SunkenEdit);
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  box->setMaxLength(std::numeric_limits<int>::max());  // the default would cut at 32767
  box->setText(QString::fromUtf8(description.content.data(),
                                 static_cast<qsizetype>(description.content.size())));
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

QWidget* CreateScrollBar(const ControlDescription& description, QWidget* parent) {
  auto* bar = new TemperatureScrollBar(parent);
  bar->setRange(description.scroll.minimum, description.scroll.maximum);
  bar->setSingleStep(description.scroll.small_change);
  bar->setPageStep(description.scroll.large_change);
  bar->setValue(description.scroll.value);
  return bar;
}

}  // namespace

QRect PixelRect(const TwipRect& place, int pixels_per_inch) {
  const PixelPlace pixels = PlaceInPixels(place, pixels_per_inch, pixels_per_inch);
  return QRect(pixels.left, pixels.top, pixels.width(), pixels.height());
}

QWidget* CreateControl(const ControlDescription& description, int pixels_per_inch,
                       const RoleFonts& fonts, QWidget* parent) {
  QWidget* control = nullptr;
  switch (description.kind) {
    case ControlKind::Label: control = new FormLabel(description, parent); break;
    case ControlKind::TextBox: control = CreateTextBox(description, parent); break;
    case ControlKind::HScrollBar: control = CreateScrollBar(description, parent); break;
  }
  control->setObjectName(QString::fromUtf8(description.name.data(),
                                           static_cast<qsizetype>(description.name.size())));
  control->setGeometry(PixelRect(description.place, pixels_per_inch));
  control->setFont(fonts.For(description.font));
  return control;
}

}  // namespace velmora::qt
