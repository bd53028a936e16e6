// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/qt/app_setup.h"

#include <QAccessible>
#include <QApplication>
#include <QIcon>

#include "window/qt/form_accessibility.h"
#include "window/qt/label_accessibility.h"

namespace velmora::qt {

void SetUpApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION_TEXT));
  QApplication::setDesktopFileName(QStringLiteral("velmora"));

  // The 32 x 32 two-colour picture is the monochrome form of the same icon; a Qt window shows
  // colour, so it offers the 16-colour pictures at both sizes.
  QIcon icon;
  icon.addFile(QStringLiteral(":/velmora/icon/velmora_16x16_16.xpm"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/velmora/icon/velmora_32x32_16.xpm"), QSize(32, 32));
  application.setWindowIcon(icon);

  QAccessible::installFactory(&FormLabelAccessibleFactory);
  QAccessible::installFactory(&FormAccessibleFactory);
}

}  // namespace velmora::qt
