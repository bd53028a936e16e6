// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window's run as the program makes it (the application object, Form1 loaded and shown, the
// event loop until the window has been exposed, then everything destroyed in the program's own
// order), and then a leak of its own, a block of 4321 bytes, that LeakSanitizer must still report
// at exit under the window's suppressions. own_leak.sh runs it and reads the report.
#include <QApplication>
#include <QTimer>
#include <thread>

#include "window/qt/app_setup.h"
#include "window/qt/form1.h"

namespace {

// Made on a thread of its own, which has ended before the leak check: no stale copy of the
// pointer is left on a stack the check reads.
void LeakOwnBlock() { static_cast<void>(new char[4321]); }

}  // namespace

int main(int argc, char* argv[]) {
  {
    QApplication application(argc, argv);
    velmora::qt::SetUpApplication(application);
    velmora::qt::Form1 form;
    form.Load();
    form.show();
    QTimer::singleShot(500, &application, &QCoreApplication::quit);
    if (QApplication::exec() != 0) return 2;
  }
  std::thread(LeakOwnBlock).join();
  return 0;
}
