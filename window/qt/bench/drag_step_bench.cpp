// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// One drag step of the scroll box, from the mouse event to the repainted window: a press on the
// scroll box, then one-pixel moves sweeping the track back and forth; each sample is the mouse
// move event (which runs Scroll_T_Scroll) plus the repaint and flush of what it changed.
// Usage: velmora_drag_step_bench [steps]   (the Qt platform is the environment's)
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <chrono>
#include <cstdlib>

#include "window/control_names.h"
#include "window/qt/app_setup.h"
#include "bench/bench_stats.h"
#include "window/qt/form1.h"
#include "window/qt/temperature_scroll_bar.h"
#include "window/qt/tests/form_driving.h"

namespace {

QPoint SliderCentre(QScrollBar* bar) {
  return velmora::qt::BarPart(*bar, QStyle::SC_ScrollBarSlider).center();
}

void Send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  velmora::qt::SetUpApplication(application);
  const int steps = argc > 1 ? std::atoi(argv[1]) : 2000;

  velmora::qt::Form1 form;
  form.Load();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  auto* bar = static_cast<QScrollBar*>(form.Control(velmora::control::Scroll_T));
  QCoreApplication::processEvents();

  QPoint at = SliderCentre(bar);
  Send(bar, QEvent::MouseButtonPress, at, Qt::LeftButton);
  const int track = bar->width();
  int direction = 1;
  std::vector<double> micros;
  micros.reserve(std::size_t(steps));
  for (int i = 0; i < steps; ++i) {
    if (at.x() >= track - 1 || at.x() <= 0) direction = -direction;
    at.rx() += direction;
    const auto start = std::chrono::steady_clock::now();
    Send(bar, QEvent::MouseMove, at, Qt::LeftButton);
    // Paints the dirty cells and flushes them to the window, as the event loop would next.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  Send(bar, QEvent::MouseButtonRelease, at, Qt::NoButton);
  std::printf("platform %s, %d dpi\n", qPrintable(QGuiApplication::platformName()),
              form.pixels_per_inch());
  velmora::PrintSpread("drag step, event to repainted", "us", micros);
  return 0;
}
