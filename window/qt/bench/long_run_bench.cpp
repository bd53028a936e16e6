// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Long-run stability of the window: many user moves through the real window, in a repeating mix
// of drag steps sweeping the scroll box across the whole range and back, keys on the scroll bar
// (arrows, PageUp/PageDown, Home, End) and entries typed key by key into the text box (some of
// them corrected or refused), each delivered as QTest mouse and key events and followed by the
// event loop's own work (repaint and flush). A move is one event that applies a temperature.
//
// Prints the resident memory (VmRSS) after the warm-up (the first 10,000 moves, or a fifth of a
// shorter run) and at the end, and the median time of a move in the first and the last tenth of
// the run. It asserts nothing about time; it fails when the window stops following the moves (the
// value label differs from the scroll bar), when a message box opens for an entry that is not
// refused, or when the resident memory grows by more than kResidentAllowance after the warm-up.
// Usage: velmora_long_run_bench [moves]   (default 200000; the Qt platform is the environment's)
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "window/control_names.h"
#include "window/qt/app_setup.h"
#include "bench/bench_stats.h"
#include "window/qt/bench/process_memory.h"
#include "window/qt/form1.h"
#include "window/qt/form_label.h"
#include "window/qt/tests/form_driving.h"
#include "window/qt/tests/offscreen_messages.h"
#include "window/qt/temperature_scroll_bar.h"

namespace {

using velmora::qt::FormLabel;

// Typed one key at a time, each key a move ("7000" is corrected to 6000 at its last key, "-3" to
// 0), or pasted over the box's text with Ctrl+V, one move ("1e999" is refused: one message,
// closed at once with Enter, as a user would).
struct Entry {
  const char* text;
  bool pasted;
};
constexpr double kResidentAllowance = 1.0;  // MiB

constexpr Entry kEntries[] = {{"25", false},     {"4000", false},  {"1e3", false},
                              {"7000", false},   {"&H1770", false}, {"-3", false},
                              {"333.5", false},  {"1e999", true},  {"298", false}};

class LongRun {
 public:
  LongRun(velmora::qt::Form1& form, int moves)
      : form_(form),
        bar_(static_cast<QScrollBar*>(form.Control(velmora::control::Scroll_T))),
        box_(static_cast<QLineEdit*>(form.Control(velmora::control::Text_T))),
        label_(static_cast<FormLabel*>(form.Control(velmora::control::Label_T))),
        moves_(moves),
        warm_up_(std::min(10000, moves / 5)),
        // Filled in now, so that the samples' own pages are resident before the first reading
        // (8 bytes a move would otherwise show as growth).
        micros_(std::size_t(moves), 0.0) {}

  bool Run() {
    while (done_ < moves_ && ok_) {
      Drag();
      Keys();
      Entries();
    }
    return ok_;
  }

  void Report() const {
    const auto moved = micros_.begin() + done_;
    const long tenth = std::max(1, done_ / 10);
    const std::vector<double> first(micros_.begin(), micros_.begin() + tenth);
    const std::vector<double> last(moved - tenth, moved);
    std::printf("platform %s, %d dpi, %d moves (%d drag steps, %d keys on the bar, %d typed keys, "
                "%d pastes)\n",
                qPrintable(QGuiApplication::platformName()), form_.pixels_per_inch(), done_,
                drag_steps_, keys_, typed_, pastes_);
    velmora::PrintSpread("move, first tenth", "us", first);
    velmora::PrintSpread("move, last tenth", "us", last);
    const double first_median = velmora::SpreadOf(first).median;
    const double last_median = velmora::SpreadOf(last).median;
    std::printf("last tenth's median against the first's: %+.1f%%\n",
                100.0 * (last_median - first_median) / first_median);
    std::printf("resident memory after %d moves: %.2f MiB, at the end: %.2f MiB (%+.3f MiB); "
                "peak %.2f MiB\n",
                warm_up_, warm_rss_, end_rss_, end_rss_ - warm_rss_,
                velmora::qt::PeakResidentMiB());
    std::printf("resident memory after each tenth, MiB:");
    for (const double mib : tenths_) std::printf(" %.2f", mib);
    std::printf("\n");
  }

  void Finish() { end_rss_ = velmora::qt::ResidentMiB(); }
  // Whether the window kept more memory after the warm-up than allowed; says so.
  bool Leaked() const {
    if (end_rss_ - warm_rss_ <= kResidentAllowance) return false;
    std::printf("FAILED: resident memory grew by %.2f MiB after the warm-up (allowed: %.0f MiB)\n",
                end_rss_ - warm_rss_, kResidentAllowance);
    return true;
  }

 private:
  // One move: the event, then what the event loop does next (repaint, flush, deferred work).
  template <typename Event>
  void Move(Event event) {
    if (done_ >= moves_ || !ok_) return;
    const auto start = std::chrono::steady_clock::now();
    event();
    QCoreApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    micros_[std::size_t(done_)] = std::chrono::duration<double, std::micro>(end - start).count();
    if (++done_ == warm_up_) warm_rss_ = velmora::qt::ResidentMiB();
    if (done_ % std::max(1, moves_ / 10) == 0) tenths_.push_back(velmora::qt::ResidentMiB());
    if (label_->caption() != QString::number(bar_->value())) {
      std::fprintf(stderr, "long_run_bench: the label shows %s, the bar reads %d\n",
                   qPrintable(label_->caption()), bar_->value());
      ok_ = false;
    }
  }

  void FocusByTab(QWidget* target) { velmora::qt::FocusByTab(form_, target); }

  // Press on the scroll box, sweep it to the right end and back to the left end 3 pixels a
  // step, release.
  void Drag() {
    QPoint at = velmora::qt::BarPart(*bar_, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar_, Qt::LeftButton, {}, at);
    const int right = bar_->width() + 10;
    while (at.x() < right) {
      at.rx() += 3;
      Move([&] { QTest::mouseMove(bar_, at); });
      ++drag_steps_;
    }
    while (at.x() > -10) {
      at.rx() -= 3;
      Move([&] { QTest::mouseMove(bar_, at); });
      ++drag_steps_;
    }
    QTest::mouseRelease(bar_, Qt::LeftButton, {}, at);
  }

  void Keys() {
    FocusByTab(bar_);
    static constexpr struct {
      Qt::Key key;
      int times;
    } kKeys[] = {{Qt::Key_Right, 20}, {Qt::Key_PageDown, 8}, {Qt::Key_Down, 5}, {Qt::Key_End, 1},
                 {Qt::Key_Left, 20},  {Qt::Key_PageUp, 8},   {Qt::Key_Up, 5},   {Qt::Key_Home, 1}};
    for (const auto& [key, times] : kKeys) {
      for (int i = 0; i < times; ++i) {
        Move([&] { QTest::keyClick(bar_, key); });
        ++keys_;
      }
    }
  }

  void Entries() {
    FocusByTab(box_);
    for (const auto& [text, pasted] : kEntries) {
      QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
      if (pasted) {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        Move([&] { QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier); });
        ++pastes_;
      } else {
        for (const char* c = text; *c; ++c) {
          Move([&] { QTest::keyClick(box_, *c); });
          ++typed_;
        }
      }
      CloseMessages(pasted);
    }
    FocusByTab(bar_);
  }

  void CloseMessages(bool expected) {
    const int open = velmora::qt::CloseMessageBoxes(form_);
    if (open != (expected ? 1 : 0) && done_ < moves_) {
      std::fprintf(stderr, "long_run_bench: %d message(s) open, %d expected\n", open,
                   expected ? 1 : 0);
      ok_ = false;
    }
    if (open > 0) {
      form_.activateWindow();
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  velmora::qt::Form1& form_;
  QScrollBar* bar_;
  QLineEdit* box_;
  FormLabel* label_;
  const int moves_;
  const int warm_up_;
  std::vector<double> micros_;
  int done_ = 0;
  int drag_steps_ = 0, keys_ = 0, typed_ = 0, pastes_ = 0;
  bool ok_ = true;
  double warm_rss_ = 0, end_rss_ = 0;
  std::vector<double> tenths_;
};

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(velmora::qt::DropSizeHintNotice);
  QApplication application(argc, argv);
  velmora::qt::SetUpApplication(application);
  const int moves = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200000;

  velmora::qt::Form1 form;
  form.Load();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  form.activateWindow();
  static_cast<void>(QTest::qWaitForWindowActive(&form));  // keys reach it either way
  QCoreApplication::processEvents();

  LongRun run(form, moves);
  const bool ok = run.Run();
  run.Finish();
  run.Report();
  return ok && !run.Leaked() ? 0 : 1;
}
