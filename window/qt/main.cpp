// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// velmora: opens the window Form1 at 298 K and runs until it is closed.
#include <QApplication>

#include "window/qt/app_setup.h"
#include "window/qt/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  velmora::qt::SetUpApplication(application);
  velmora::qt::Form1 form;
  form.Load();  // before the window is first shown
  form.show();
  return QApplication::exec();
}
