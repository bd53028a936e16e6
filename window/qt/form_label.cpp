// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/form_label.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <qdrawutil.h>

#include "window/qt/system_colours.h"

namespace velmora::qt {
namespace {

constexpr int kBorderWidth = 1;  // device pixels of a flat line or a single sunken edge

Qt::Alignment AlignmentOf(TextAlignment alignment) {
  const Qt::Alignment across = alignment == TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
  return across | Qt::AlignTop;
}

}  // namespace

FormLabel::FormLabel(const ControlDescription& description, QWidget* parent)
    : QWidget(parent),
      description_(description),
      caption_(QString::fromUtf8(description.content.data(),
                                 static_cast<qsizetype>(description.content.size()))),
      fore_colour_(description.fore_colour),
      scheduled_fore_colour_(description.fore_colour) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted: no background erase needed
}

void FormLabel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void FormLabel::AnnounceNameIfChanged() {
  QString name = SpokenName();
  if (name == told_name_) return;
  told_name_ = std::move(name);
  // A label not on screen yet (the value label during Load) has nothing to announce: a screen
  // reader reads its name when the window appears.
  if (!isVisible()) return;
  QAccessibleEvent name_changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name_changed);
}

void FormLabel::RepaintIfChanged() {
  if (fore_colour_ == scheduled_fore_colour_) return;
  scheduled_fore_colour_ = fore_colour_;
  // Only the inside changes: the border is shared with the neighbours, which stay as they are.
  update(TextArea());
}

QRect FormLabel::TextArea() const {
  switch (description_.border) {
    case BorderStyle::FlatLine:
    case BorderStyle::SunkenLabel:
      return rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth);
    case BorderStyle::None:
    case BorderStyle::SunkenEdit:
    case BorderStyle::Standard:
      break;
  }
  return rect();
}

QString FormLabel::SpokenName() const { return name_source_ ? name_source_() : caption_; }

QString FormLabel::SpokenDescription() const {
  return description_source_ ? description_source_() : QString();
}

bool FormLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && description_source_) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), description_source_(), this);
    return true;
  }
  return QWidget::event(event);
}

void FormLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  painter.fillRect(rect(), ResolveColour(description_.back_colour, colours));
  switch (description_.border) {
    case BorderStyle::FlatLine:
      painter.setPen(colours.color(QPalette::WindowText));
      painter.drawRect(rect().adjusted(0, 0, -kBorderWidth, -kBorderWidth));
      break;
    case BorderStyle::SunkenLabel:
      qDrawShadePanel(&painter, rect(), colours, true, kBorderWidth);
      break;
    case BorderStyle::None:
    case BorderStyle::SunkenEdit:
    case BorderStyle::Standard:
      break;
  }
  painter.setPen(ResolveColour(fore_colour_, colours));
  painter.drawText(TextArea(), static_cast<int>(AlignmentOf(description_.alignment)) | Qt::TextSingleLine,
                   caption_);
}

}  // namespace velmora::qt
