// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window through a long run of user moves, measured; prints figures and asserts no time, but
// fails when the window leaks: GDI or USER objects that change after the warm-up, or private
// bytes that grow by more than kPrivateAllowance after it.
// The moves come in rounds of 100: a drag of the scroll box in 80 steps of 6 pixels, sweeping the
// range back and forth; 10 key moves on the bar; 10 numbers typed into the box, some of them
// corrected. Each move is timed from its first message until the window is painted. Reported:
// GDI and USER objects and private bytes at the start, after the warm-up (10,000 moves, or half
// of a shorter run) and at the end, and the median move in the first and in the last tenth.
// With --classic the bar and the box are drawn unthemed, as Windows draws them for this program;
// Wine otherwise draws them in its own theme.
// Usage: velmora_long_run_bench [MOVES] [--classic]
#include <windows.h>
#include <uxtheme.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "window/control_names.h"
#include "window/win32/form_window.h"
#include "window/win32/bench/process_figures.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {
namespace {

constexpr int kRound = 100;
constexpr int kDragSteps = 80;
constexpr int kKeyMoves = 10;
constexpr int kStepPixels = 6;
constexpr int kWarmUp = 10000;
constexpr double kPrivateAllowance = 1.0;  // MiB
constexpr UINT kStepPainted = WM_APP + 1;  // posted after each drag step; 0 after the press
constexpr WPARAM kKeys[kKeyMoves] = {VK_RIGHT, VK_NEXT, VK_LEFT, VK_PRIOR, VK_NEXT,
                                     VK_END,   VK_PRIOR, VK_HOME, VK_NEXT, VK_RIGHT};

enum Kind { kDragStep, kKeyMove, kEntry, kKinds };
constexpr const char* kKindNames[kKinds] = {"drag step", "key move", "box entry"};

struct Move {
  Kind kind;
  double milliseconds;
};

class LongRun {
 public:
  // The times of all the moves are kept from the start, so that their own memory is in the
  // first reading rather than counted as growth (200,000 moves take 3 MiB).
  LongRun(FormWindow& form, int moves) : form_(form) {
    moves_.reserve(static_cast<std::size_t>(moves));
    bar_ = form.controls().WindowOf(control::Scroll_T);
    box_ = form.controls().WindowOf(control::Text_T);
    WNDCLASSW marker_class{};
    marker_class.lpfnWndProc = &LongRun::MarkerProcedure;
    marker_class.hInstance = GetModuleHandleW(nullptr);
    marker_class.lpszClassName = L"VelmoraLongRunMarker";
    RegisterClassW(&marker_class);
    marker_ = CreateWindowExW(0, marker_class.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                              nullptr, marker_class.hInstance, nullptr);
    SetWindowLongPtrW(marker_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }

  void Round(int round) {
    Drag();
    for (WPARAM key : kKeys) {
      const double start = clock_.Milliseconds();
      SendMessageW(bar_, WM_KEYDOWN, key, 1);
      SendMessageW(bar_, WM_KEYUP, key, 1);
      PaintNow();
      moves_.push_back({kKeyMove, clock_.Milliseconds() - start});
    }
    for (int entry = 0; entry < kRound - kDragSteps - kKeyMoves; ++entry) {
      // -500..6500: some are corrected to 0 or 6000.
      const std::wstring number = std::to_wstring((round * 7919 + entry * 613) % 7001 - 500);
      const double start = clock_.Milliseconds();
      SendMessageW(box_, EM_SETSEL, 0, -1);
      for (wchar_t c : number) SendMessageW(box_, WM_CHAR, c, 1);
      PaintNow();
      moves_.push_back({kEntry, clock_.Milliseconds() - start});
    }
    Pump();
    const std::string label = Narrow(WindowTextOf(form_.controls().WindowOf(control::Label_T)));
    if (label != std::to_string(GetScrollPos(bar_, SB_CTL))) ++label_mismatches_;
  }

  const std::vector<Move>& moves() const { return moves_; }
  int label_mismatches() const { return label_mismatches_; }

  void PaintNow() {
    RedrawWindow(form_.window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

 private:
  // A real drag: the moves, each followed by a mark that paints and times it, and the release
  // wait in the queue; the press runs the bar's tracking loop, which handles them in turn.
  void Drag() {
    SCROLLBARINFO info{.cbSize = sizeof(SCROLLBARINFO)};
    GetScrollBarInfo(bar_, OBJID_CLIENT, &info);
    RECT client;
    GetClientRect(bar_, &client);
    const int half_box = (info.xyThumbBottom - info.xyThumbTop) / 2;
    const int lowest = GetSystemMetrics(SM_CXHSCROLL) + half_box;
    const int highest = client.right - GetSystemMetrics(SM_CXHSCROLL) - half_box;
    const int y = client.bottom / 2;
    int x = (info.xyThumbTop + info.xyThumbBottom) / 2;
    const LPARAM press = MAKELPARAM(x, y);
    PostMessageW(marker_, kStepPainted, 0, 0);
    for (int step = 0; step < kDragSteps; ++step) {
      if (x + direction_ * kStepPixels > highest || x + direction_ * kStepPixels < lowest) {
        direction_ = -direction_;
      }
      x += direction_ * kStepPixels;
      PostMessageW(bar_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
      PostMessageW(marker_, kStepPainted, 1, 0);
    }
    PostMessageW(bar_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    SendMessageW(bar_, WM_LBUTTONDOWN, MK_LBUTTON, press);
  }

  static LRESULT CALLBACK MarkerProcedure(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) {
    auto* run = reinterpret_cast<LongRun*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != kStepPainted || !run) return DefWindowProcW(window, message, wparam, lparam);
    run->PaintNow();
    const double now = run->clock_.Milliseconds();
    if (wparam) run->moves_.push_back({kDragStep, now - run->last_mark_});
    run->last_mark_ = now;
    return 0;
  }

  FormWindow& form_;
  HWND bar_ = nullptr;
  HWND box_ = nullptr;
  HWND marker_ = nullptr;
  Stopwatch clock_;
  double last_mark_ = 0;
  int direction_ = 1;
  int label_mismatches_ = 0;
  std::vector<Move> moves_;
};

void PrintMedians(const char* which, const std::vector<Move>& moves, std::size_t from,
                  std::size_t to, double* overall) {
  std::vector<double> all, by_kind[kKinds];
  for (std::size_t i = from; i < to; ++i) {
    all.push_back(moves[i].milliseconds);
    by_kind[moves[i].kind].push_back(moves[i].milliseconds);
  }
  *overall = Median(all);
  std::printf("median move, %s: %.3f ms (", which, *overall);
  for (int kind = 0; kind < kKinds; ++kind) {
    std::printf("%s%s %.3f ms", kind ? ", " : "", kKindNames[kind], Median(by_kind[kind]));
  }
  std::printf(")\n");
}

}  // namespace
}  // namespace velmora::win32

int main(int argc, char** argv) {
  using namespace velmora::win32;
  int moves = 200000;
  bool classic = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--classic") == 0) {
      classic = true;
    } else {
      moves = std::max(kRound, std::atoi(argv[i]));
    }
  }
  const int rounds = (moves + kRound - 1) / kRound;
  const int warm_up_rounds = std::min(kWarmUp, rounds * kRound / 2) / kRound;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!FormWindow::RegisterWindowClass(instance, nullptr, nullptr)) return 1;
  int messages = 0;
  FormWindow form([&messages](HWND, const std::string&) { ++messages; });
  if (!form.Create(instance)) return 1;
  form.Show(SW_SHOWNORMAL);
  if (classic) {
    for (std::string_view name : {velmora::control::Scroll_T, velmora::control::Text_T}) {
      SetWindowTheme(form.controls().WindowOf(name), L" ", L" ");
    }
  }
  LongRun run(form, rounds * kRound);
  run.Pump();
  run.PaintNow();

  std::printf("long run: %d moves through messages in rounds of %d (%d drag steps of %d pixels, "
              "%d key moves, %d box entries), bar and box drawn %s\n",
              rounds * kRound, kRound, kDragSteps, kStepPixels, kKeyMoves,
              kRound - kDragSteps - kKeyMoves, classic ? "classic" : "in the system's theme");
  const FigureSources sources = FindFigureSources();
  DescribeFigureSources(sources);
  const ProcessFigures start = ReadProcessFigures(sources);
  ProcessFigures warm = start;
  std::vector<double> private_by_tenth;
  // The process's own processor time is much less disturbed by other load on the machine than
  // the time on the clock, so it shows whether the window's work per move grows.
  std::vector<double> processor_by_tenth;
  double processor_before = ProcessorMilliseconds();
  const int tenth_rounds = std::max(1, rounds / 10);
  const Stopwatch elapsed;
  for (int round = 0; round < rounds; ++round) {
    run.Round(round);
    if (round + 1 == warm_up_rounds) warm = ReadProcessFigures(sources);
    if ((round + 1) % tenth_rounds == 0) {
      processor_by_tenth.push_back((ProcessorMilliseconds() - processor_before) /
                                   (tenth_rounds * kRound));
      private_by_tenth.push_back(MiB(ReadProcessFigures(sources).private_bytes));
      processor_before = ProcessorMilliseconds();
    }
  }
  const double seconds = elapsed.Milliseconds() / 1000;
  const ProcessFigures end = ReadProcessFigures(sources);

  const int warm_moves = warm_up_rounds * kRound;
  const std::string after_warm_up = "after " + std::to_string(warm_moves);
  std::printf("%-22s %12s %12s %12s\n", "", "start", after_warm_up.c_str(), "end");
  std::printf("%-22s %12lu %12lu %12lu\n", "GDI objects", start.gdi_objects, warm.gdi_objects,
              end.gdi_objects);
  std::printf("%-22s %12lu %12lu %12lu\n", "USER objects", start.user_objects, warm.user_objects,
              end.user_objects);
  std::printf("%-22s %12.3f %12.3f %12.3f\n", "private bytes (MiB)", MiB(start.private_bytes),
              MiB(warm.private_bytes), MiB(end.private_bytes));
  const double growth = (static_cast<double>(end.private_bytes) -
                         static_cast<double>(warm.private_bytes)) / (1024.0 * 1024.0);
  const bool objects_constant =
      warm.gdi_objects == end.gdi_objects && warm.user_objects == end.user_objects;
  std::printf("private bytes after the warm-up: %+.3f MiB (allowed: at most %+.0f MiB)\n", growth,
              kPrivateAllowance);
  std::printf("objects after the warm-up: %s (allowed: constant)\n",
              objects_constant ? "constant" : "changed");
  const std::vector<Move>& timed = run.moves();
  const std::size_t tenth = timed.size() / 10;
  double first = 0, last = 0;
  PrintMedians("first tenth", timed, 0, tenth, &first);
  PrintMedians("last tenth ", timed, timed.size() - tenth, timed.size(), &last);
  std::printf("median move in each tenth, ms:");
  for (std::size_t from = 0; tenth > 0 && from + tenth <= timed.size(); from += tenth) {
    std::vector<double> times;
    for (std::size_t i = from; i < from + tenth; ++i) times.push_back(timed[i].milliseconds);
    std::printf(" %.2f", Median(times));
  }
  std::printf("\nprocessor time of this process per move in each tenth, ms:");
  for (double ms : processor_by_tenth) std::printf(" %.2f", ms);
  std::printf("\nprivate bytes after each tenth, MiB:");
  for (double mib : private_by_tenth) std::printf(" %.2f", mib);
  std::printf("\n");
  std::printf("last tenth / first tenth: %.3f (target: at most 1.10)\n",
              first > 0 ? last / first : 0);
  std::printf("%zu moves in %.1f s; value label matched the bar after every round: %s; "
              "messages: %d\n",
              timed.size(), seconds, run.label_mismatches() == 0 ? "yes" : "no", messages);
  const bool leaks = !objects_constant || growth > kPrivateAllowance;
  if (leaks) std::printf("FAILED: the window keeps what it no longer needs\n");
  return run.label_mismatches() == 0 && messages == 0 && !leaks ? 0 : 1;
}
