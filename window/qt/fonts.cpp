// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/fonts.h"

#include <QString>

namespace velmora::qt {
namespace {

const FontDescription& DescriptionOf(FontRole role) {
  switch (role) {
    case FontRole::ElementCell: return kElementCellFont;
    case FontRole::ReferenceCell: return kReferenceCellFont;
    case FontRole::Dialog: break;
  }
  return kDialogFont;
}

}  // namespace

QFont FontFor(FontRole role, int pixels_per_inch) {
  const FontDescription& description = DescriptionOf(role);
  QFont font(QString::fromUtf8(description.face.data(),
                               static_cast<qsizetype>(description.face.size())));
  font.setPixelSize(FontPixelSize(description.size_centipoints, pixels_per_inch));
  font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setStyleHint(QFont::SansSerif);
  if (role != FontRole::Dialog) font.setStyleHint(QFont::Serif);
  return font;
}

}  // namespace velmora::qt
