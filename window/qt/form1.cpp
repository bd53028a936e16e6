// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/form1.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <cmath>
#include <map>

#include "elements/element_summary.h"
#include "window/control_names.h"
#include "window/qt/control_factory.h"
#include "window/qt/fonts.h"
#include "window/qt/form_label.h"
#include "window/qt/temperature_scroll_bar.h"

namespace velmora::qt {
namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kUsualPixelsPerInch = 96;  // only when there is no screen to ask

// Qt 6 gives the logical resolution: a high-density screen keeps it and scales whole windows by
// its device pixel ratio instead, so places and fonts grow together either way.
int ScreenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : kUsualPixelsPerInch;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), pixels_per_inch_(ScreenPixelsPerInch()) {
  setObjectName(FromView(kFormName));
  setWindowTitle(FromView(kFormTitle));
  resize(TwipsToPixels(kClientWidthTwips, pixels_per_inch_),
         TwipsToPixels(kClientHeightTwips, pixels_per_inch_));

  const RoleFonts fonts(pixels_per_inch_);
  setFont(fonts.For(FontRole::Dialog));
  for (const ControlDescription& description : WindowDescription()) {
    QWidget* widget = CreateControl(description, pixels_per_inch_, fonts, this);
    controls_.emplace(description.name, Entry{description.kind, widget});
    if (auto* label = dynamic_cast<FormLabel*>(widget); label && description.atomic_number > 0) {
      const int z = description.atomic_number;
      label->SetNameSource([z] { return FromView(ElementRow(z).name); });
      label->SetDescriptionSource([this, z] { return DescribeCell(z); });
    }
  }
  scroll_ = static_cast<TemperatureScrollBar*>(Control(control::Scroll_T));
  text_ = static_cast<QLineEdit*>(Control(control::Text_T));
  value_label_ = static_cast<FormLabel*>(Control(control::Label_T));

  const QString accessible_name = tr("Temperature in kelvin");
  scroll_->setAccessibleName(accessible_name);
  text_->setAccessibleName(accessible_name);
  value_label_->SetNameSource([this] {
    return tr("Temperature in force: %1 K").arg(value_label_->caption());
  });

  // The controls that take the focus, in the description's tab order; the first one has it.
  std::map<int, QWidget*> tab_order;
  for (const ControlDescription& description : WindowDescription()) {
    if (description.tab_index >= 0) tab_order.emplace(description.tab_index, Control(description.name));
  }
  QWidget* previous = nullptr;
  for (const auto& [index, widget] : tab_order) {
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
  if (!tab_order.empty()) tab_order.begin()->second->setFocus(Qt::OtherFocusReason);

  scroll_->SetUserMoveHandler(
      [this](int position) { Finish(dispatcher_.UserMovedBar(static_cast<std::int16_t>(position))); });
  connect(text_, &QLineEdit::textChanged, this, [this] { Finish(dispatcher_.TextChanged()); });
}

void Form1::Load() { Finish(dispatcher_.Load()); }

QWidget* Form1::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second.widget;
}

void Form1::Finish(std::optional<EventEnd> end) {
  if (!end) return;  // a nested event: the outermost one finishes
  for (std::string_view cell : end->recoloured_cells) {
    static_cast<FormLabel*>(Control(cell))->RepaintIfChanged();
  }
  value_label_->AnnounceNameIfChanged();
  if (!end->message) return;
  // open() shows the box modal to this window without running an event loop inside the event.
  auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                              tr("The temperature could not be applied."), QMessageBox::Ok, this);
  box->setInformativeText(QString::fromStdString(*end->message));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

const Form1::Entry* Form1::Find(std::string_view name, ControlKind kind,
                                AccessStatus& status) const {
  const auto found = controls_.find(name);
  status = found == controls_.end()         ? AccessStatus::NoSuchControl
           : found->second.kind != kind     ? AccessStatus::WrongKind
                                            : AccessStatus::Ok;
  return status == AccessStatus::Ok ? &found->second : nullptr;
}

AccessStatus Form1::SetCaption(std::string_view control, std::string_view caption) {
  AccessStatus status;
  if (const Entry* entry = Find(control, ControlKind::Label, status)) {
    auto* label = static_cast<FormLabel*>(entry->widget);
    label->SetCaption(FromView(caption));
    if (!dispatcher_.InEvent()) label->AnnounceNameIfChanged();
  }
  return status;
}

AccessStatus Form1::SetForeColor(std::string_view control, ColourValue colour) {
  AccessStatus status;
  if (const Entry* entry = Find(control, ControlKind::Label, status)) {
    auto* label = static_cast<FormLabel*>(entry->widget);
    label->SetForeColour(colour);
    if (!dispatcher_.InEvent()) label->RepaintIfChanged();
  }
  return status;
}

AccessStatus Form1::GetText(std::string_view control, std::string& text) {
  AccessStatus status;
  if (const Entry* entry = Find(control, ControlKind::TextBox, status)) {
    text = static_cast<QLineEdit*>(entry->widget)->text().toStdString();
  }
  return status;
}

AccessStatus Form1::SetText(std::string_view control, std::string_view text) {
  AccessStatus status;
  if (const Entry* entry = Find(control, ControlKind::TextBox, status)) {
    // textChanged, and with it the nested Change, comes inside this call when the text differs.
    static_cast<QLineEdit*>(entry->widget)->setText(FromView(text));
  }
  return status;
}

AccessStatus Form1::GetValue(std::string_view control, std::int16_t& value) {
  AccessStatus status;
  if (const Entry* entry = Find(control, ControlKind::HScrollBar, status)) {
    value = static_cast<std::int16_t>(static_cast<QScrollBar*>(entry->widget)->value());
  }
  return status;
}

AccessStatus Form1::SetValue(std::string_view control, std::int16_t value) {
  AccessStatus status;
  if (const Entry* entry = Find(control, ControlKind::HScrollBar, status)) {
    auto* bar = static_cast<QScrollBar*>(entry->widget);
    if (value < bar->minimum() || value > bar->maximum()) return AccessStatus::OutOfRange;
    bar->setValue(value);  // a write from code: the bar reports no user move
  }
  return status;
}

QString Form1::DescribeCell(int atomic_number) const {
  return QString::fromStdString(ElementSummary(ElementRow(atomic_number), dispatcher_.TemperatureInForce()));
}

}  // namespace velmora::qt
