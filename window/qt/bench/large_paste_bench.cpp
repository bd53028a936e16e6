// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Large pastes into the text box, which has no length limit. For each text below and each size,
// Ctrl+V with the text on the clipboard, timed from the key to the window showing the result
// (the event handled and the window repainted: the value label's new value, or the message for a
// refused entry), with the peak resident memory it took (VmHWM over VmRSS before); the same paste
// into a bare QLineEdit of the same font and no limit, which is the toolkit's own share; and the
// window's own share: its Change handler alone (FormDispatcher::TextChanged over the window
// holding the text), with the number of times it read the box — each read converts the whole
// text to UTF-8 — and the bytes those reads converted.
//   spaces    "298" and N spaces: blanks are skipped to the end of the text; 298
//   decimal   "298." and N digits: the whole mantissa is read; 298
//   hex       "&H", N zeros and "1770": the whole hexadecimal number is read; 6000
//   overflow  "1" and N zeros: beyond the range of a double; refused, one message
// Asserts nothing about time or memory; fails only when the window shows a wrong result.
// Usage: velmora_large_paste_bench [KiB ...]   (default 1024 10240; the Qt platform is the
// environment's)
#include <malloc.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "window/control_names.h"
#include "window/form_dispatcher.h"
#include "window/qt/app_setup.h"
#include "bench/bench_stats.h"
#include "window/qt/bench/process_memory.h"
#include "window/qt/form1.h"
#include "window/qt/form_label.h"
#include "window/qt/tests/form_driving.h"
#include "window/qt/tests/offscreen_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Text {
  const char* name;
  QString text;
  const char* shows;  // what the value label shows after the paste; the refused one keeps 1000
  bool refused;
};

std::vector<Text> Texts(qsizetype n) {
  QString digits(n, QChar(u'0'));
  for (qsizetype i = 0; i < n; ++i) digits[i] = QChar(u'0' + int(i % 10));
  return {
      {"spaces", QStringLiteral("298") + QString(n, QChar(u' ')), "298", false},
      {"decimal", QStringLiteral("298.") + digits, "298", false},
      {"hex", QStringLiteral("&H") + QString(n, QChar(u'0')) + QStringLiteral("1770"), "6000",
       false},
      {"overflow", QStringLiteral("1") + QString(n, QChar(u'0')), "1000", true},
  };
}

struct Cost {
  double millis = 0;
  double peak_mib = 0;  // VmHWM during the step over VmRSS before it
};

// Runs `step` after returning freed memory to the system and resetting the peak, so that the
// peak read after it is this step's.
template <typename Step>
Cost Measure(Step step) {
  malloc_trim(0);
  velmora::qt::ResetPeakResident();
  const double before = velmora::qt::ResidentMiB();
  const auto start = Clock::now();
  step();
  const auto end = Clock::now();
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          velmora::qt::PeakResidentMiB() - before};
}

// Passes every access on to the window, counting the reads of the text box and their bytes.
class CountingWindow final : public velmora::ControlServices {
 public:
  explicit CountingWindow(velmora::ControlServices& window) : window_(window) {}
  int reads = 0;
  std::size_t bytes = 0;

  velmora::AccessStatus SetCaption(std::string_view c, std::string_view v) override {
    return window_.SetCaption(c, v);
  }
  velmora::AccessStatus SetForeColor(std::string_view c, velmora::ColourValue v) override {
    return window_.SetForeColor(c, v);
  }
  velmora::AccessStatus GetText(std::string_view c, std::string& text) override {
    const velmora::AccessStatus status = window_.GetText(c, text);
    ++reads;
    bytes += text.size();
    return status;
  }
  velmora::AccessStatus SetText(std::string_view c, std::string_view v) override {
    return window_.SetText(c, v);
  }
  velmora::AccessStatus GetValue(std::string_view c, std::int16_t& v) override {
    return window_.GetValue(c, v);
  }
  velmora::AccessStatus SetValue(std::string_view c, std::int16_t v) override {
    return window_.SetValue(c, v);
  }

 private:
  velmora::ControlServices& window_;
};

void Paste(QLineEdit* box) { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); }

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(velmora::qt::DropSizeHintNotice);
  QApplication application(argc, argv);
  velmora::qt::SetUpApplication(application);
  std::vector<qsizetype> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(qsizetype(std::atoll(argv[i])) * 1024);
  if (sizes.empty()) sizes = {1024 * 1024, 10 * 1024 * 1024};

  velmora::qt::Form1 form;
  form.Load();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  auto* box = static_cast<QLineEdit*>(form.Control(velmora::control::Text_T));
  auto* label = static_cast<velmora::qt::FormLabel*>(form.Control(velmora::control::Label_T));
  QWidget* bar = form.Control(velmora::control::Scroll_T);
  // The toolkit alone: a bare line edit of the same font and size, without a length limit.
  QLineEdit bare;
  bare.setFont(box->font());
  bare.setMaxLength(std::numeric_limits<int>::max());
  bare.resize(box->size());
  bare.show();
  if (!QTest::qWaitForWindowExposed(&bare)) return 1;
  QCoreApplication::processEvents();

  std::printf("platform %s, %d dpi; times in ms, memory: peak resident over resident before, MiB\n",
              qPrintable(QGuiApplication::platformName()), form.pixels_per_inch());
  std::printf("%-9s %9s | %9s %8s | %9s %8s | %9s %8s %6s %5s %9s\n", "text", "KiB", "bare ms",
              "bare MiB", "window ms", "win MiB", "handler", "hdl MiB", "share", "reads",
              "read MiB");
  bool ok = true;
  for (const qsizetype size : sizes) {
    for (const Text& t : Texts(size)) {
      QApplication::clipboard()->setText(t.text);

      bare.selectAll();
      const Cost toolkit = Measure([&] {
        Paste(&bare);
        QCoreApplication::processEvents();
      });
      // A write from code, not clear(): clear() is an edit the undo history keeps, and the
      // history holds an entry for every character pasted, so the bare box would hold on to
      // every text pasted into it.
      bare.setText(QString());

      // The window, from a box holding 1000.
      box->selectAll();
      QTest::keyClicks(box, QStringLiteral("1000"));
      box->selectAll();
      const Cost window = Measure([&] {
        Paste(box);
        QCoreApplication::processEvents();
      });
      const bool shown_right = label->caption() == QLatin1String(t.shows) && box->text() == t.text;
      const int messages = velmora::qt::CloseMessageBoxes(form);
      if (!shown_right || messages != (t.refused ? 1 : 0)) {
        std::fprintf(stderr, "large_paste_bench: %s: the label shows %s, %d message(s)\n", t.name,
                     qPrintable(label->caption()), messages);
        ok = false;
      }

      // The handler alone, on the window holding the pasted text: the median of three.
      std::vector<double> handler_millis;
      Cost handler;
      int reads = 0;
      std::size_t bytes = 0;
      for (int i = 0; i < 3; ++i) {
        CountingWindow counting(form);
        velmora::FormDispatcher dispatcher(counting);
        handler = Measure([&] { dispatcher.TextChanged(); });
        handler_millis.push_back(handler.millis);
        reads = counting.reads;
        bytes = counting.bytes;
      }
      const double handler_median = velmora::SpreadOf(handler_millis).median;

      std::printf("%-9s %9lld | %9.1f %8.1f | %9.1f %8.1f | %9.1f %8.1f %5.1f%% %5d %9.1f\n",
                  t.name, static_cast<long long>(size / 1024), toolkit.millis, toolkit.peak_mib,
                  window.millis, window.peak_mib, handler_median, handler.peak_mib,
                  100.0 * handler_median / window.millis, reads, double(bytes) / (1024.0 * 1024.0));
      std::fflush(stdout);

      // A move of the bar empties the box by a write from code, which also empties the box's
      // undo history: the toolkit keeps an entry (16 bytes) for every character pasted. The
      // history keeps the room it grew to, so the resident memory at the end includes up to
      // 16 bytes per character of the longest paste, for each of the two boxes.
      QTest::keyClick(bar, Qt::Key_End);
      QCoreApplication::processEvents();
    }
  }
  malloc_trim(0);
  std::printf("resident memory at the end, the box emptied: %.1f MiB\n", velmora::qt::ResidentMiB());
  return ok ? 0 : 1;
}
