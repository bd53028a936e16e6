// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Started by velmora_startup_bench: opens the real window (velmora), a bare QWidget of the same
// client size (bare), or that bare window with one line of text in a QLabel (bare-text, which
// pays the font system's start-up as velmora does); prints "painted" once the first frame has
// been painted and flushed, and exits.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "window/qt/app_setup.h"
#include "window/qt/form1.h"
#include "window/window_description.h"

namespace {

// Reports after the first paint of the window has returned, on the next turn of the event loop,
// by which time the painted frame has been flushed to the screen.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        std::puts("painted");
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool bare = argc > 1 && std::strncmp(argv[1], "bare", 4) == 0;
  const bool with_text = argc > 1 && std::strcmp(argv[1], "bare-text") == 0;
  QApplication application(argc, argv);
  FirstPaint first_paint;
  std::unique_ptr<QWidget> window;
  if (bare) {
    window = std::make_unique<QWidget>();
    window->resize(velmora::TwipsToPixels(velmora::kClientWidthTwips, 96),
                   velmora::TwipsToPixels(velmora::kClientHeightTwips, 96));
    if (with_text) new QLabel(QStringLiteral("Temperature, in Kelvin (6000 K max)"), window.get());
  } else {
    velmora::qt::SetUpApplication(application);
    auto form = std::make_unique<velmora::qt::Form1>();
    form->Load();
    window = std::move(form);
  }
  window->installEventFilter(&first_paint);
  window->show();
  return QApplication::exec();
}
