// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// A large paste into the text box, measured; prints figures, asserts no time. One paste per
// process, so that the peak memory is the paste's: `window` pastes into Form1's box, `bare` into
// an edit control of the same style, size and font in a plain window, which is the edit
// control's own share. The text is a number followed by prose (number-first) or blanks followed
// by the number (number-last, which the handler reads across). Reported: the time from WM_PASTE
// until the value label shows the number and until the window is painted; in Form1 the Change
// handler's share of it and how often the whole box was read (WM_GETTEXT, each read then turned
// into UTF-8); whether the box took the whole text; the peak working set and pagefile use.
// Usage: velmora_large_paste_bench window|bare MIB [number-first|number-last]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "window/control_names.h"
#include "window/win32/control_factory.h"
#include "window/win32/form_window.h"
#include "window/win32/bench/process_figures.h"
#include "window/win32/tests/clipboard_text.h"
#include "window/win32/wide_text.h"
#include "window/win32/window_fonts.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kNumber[] = L"4321";
constexpr wchar_t kProse[] = L" K is where tungsten still holds and most of the table has boiled "
                             L"away; the rest of this paste is words, not numbers. ";

std::wstring PasteText(std::size_t length, bool number_last) {
  std::wstring text;
  text.reserve(length);
  if (number_last) {
    text.assign(length - std::wcslen(kNumber), L' ');
    text += kNumber;
    return text;
  }
  text = kNumber;
  while (text.size() < length) text += kProse;
  text.resize(length);
  return text;
}

// Watches Form1 and its box through their window procedures: the time spent in the outermost
// Change notification, and each read of the whole box.
struct Watch {
  WNDPROC form_procedure = nullptr;
  WNDPROC box_procedure = nullptr;
  HWND box = nullptr;
  int depth = 0;
  double handler_milliseconds = 0;
  int whole_reads = 0;
  double read_milliseconds = 0;
};
Watch watch;

LRESULT CALLBACK WatchForm(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const bool change = message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE &&
                      reinterpret_cast<HWND>(lparam) == watch.box && watch.depth++ == 0;
  const Stopwatch clock;
  const LRESULT result = CallWindowProcW(watch.form_procedure, window, message, wparam, lparam);
  if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE &&
      reinterpret_cast<HWND>(lparam) == watch.box) {
    --watch.depth;
  }
  if (change) watch.handler_milliseconds += clock.Milliseconds();
  return result;
}

LRESULT CALLBACK WatchBox(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const Stopwatch clock;
  const LRESULT result = CallWindowProcW(watch.box_procedure, window, message, wparam, lparam);
  if (message == WM_GETTEXT && wparam > 1024) {
    ++watch.whole_reads;
    watch.read_milliseconds += clock.Milliseconds();
  }
  return result;
}

LRESULT CALLBACK PlainProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

// An edit control made as Form1 makes its box, in a plain window of Form1's size.
HWND MakeBareBox(HINSTANCE instance, const WindowFonts& fonts) {
  WNDCLASSW plain{};
  plain.lpfnWndProc = &PlainProcedure;
  plain.hInstance = instance;
  plain.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  plain.lpszClassName = L"VelmoraPlainWindow";
  RegisterClassW(&plain);
  const ScreenResolution screen = ResolutionOf(nullptr);
  HWND window = CreateWindowExW(0, plain.lpszClassName, L"Plain", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT,
                                TwipsToPixels(kClientWidthTwips, screen.x),
                                TwipsToPixels(kClientHeightTwips, screen.y), nullptr, nullptr,
                                instance, nullptr);
  const ControlDescription& text = *FindControl(control::Text_T);
  const RECT place = PixelRect(text.place, screen);
  HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT |
                                 ES_AUTOHSCROLL,
                             place.left, place.top, place.right - place.left,
                             place.bottom - place.top, window, nullptr, instance, nullptr);
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(text.font)), FALSE);
  SendMessageW(box, EM_SETLIMITTEXT, 0, 0);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return box;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace
}  // namespace velmora::win32

int main(int argc, char** argv) {
  using namespace velmora::win32;
  if (argc < 3 || (std::strcmp(argv[1], "window") != 0 && std::strcmp(argv[1], "bare") != 0)) {
    std::fprintf(stderr, "usage: velmora_large_paste_bench window|bare MIB [number-first|number-last]\n");
    return 2;
  }
  const bool in_form = std::strcmp(argv[1], "window") == 0;
  const double mebibytes = std::atof(argv[2]);
  const bool number_last = argc > 3 && std::strcmp(argv[3], "number-last") == 0;
  const auto length = static_cast<std::size_t>(mebibytes * 1024 * 1024);
  if (length < 16) return 2;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  int messages = 0;
  FormWindow form([&messages](HWND, const std::string&) { ++messages; });
  std::optional<WindowFonts> fonts;
  HWND box = nullptr;
  HWND label = nullptr;
  HWND top = nullptr;
  if (in_form) {
    if (!FormWindow::RegisterWindowClass(instance, nullptr, nullptr) || !form.Create(instance)) {
      return 1;
    }
    form.Show(SW_SHOWNORMAL);
    top = form.window();
    box = form.controls().WindowOf(velmora::control::Text_T);
    label = form.controls().WindowOf(velmora::control::Label_T);
    watch.box = box;
    watch.form_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchForm)));
    watch.box_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchBox)));
  } else {
    fonts.emplace(ResolutionOf(nullptr).y);
    box = MakeBareBox(instance, *fonts);
    top = GetParent(box);
  }
  Pump();
  const std::wstring text = PasteText(length, number_last);
  if (!PutOnClipboard(top, text)) return 1;
  SendMessageW(box, EM_SETSEL, 0, -1);
  const FigureSources sources = FindFigureSources();
  const ProcessFigures before = ReadProcessFigures(sources);

  const Stopwatch clock;
  SendMessageW(box, WM_PASTE, 0, 0);
  const double handled = clock.Milliseconds();
  const std::string shown = label ? Narrow(WindowTextOf(label)) : std::string();
  RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double painted = clock.Milliseconds();
  const ProcessFigures after = ReadProcessFigures(sources);
  const auto taken = static_cast<std::size_t>(GetWindowTextLengthW(box));
  Pump();

  std::printf("paste of %.3g MiB (%zu characters, %s) into %s:\n", mebibytes, text.size(),
              number_last ? "blanks, then the number" : "the number, then prose",
              in_form ? "Form1's box" : "a bare edit control");
  std::printf("  taken whole: %s (%zu characters)\n", taken == text.size() ? "yes" : "NO", taken);
  if (in_form) {
    std::printf("  WM_PASTE to the value label showing \"%s\": %.1f ms; to the window painted: "
                "%.1f ms\n",
                shown.c_str(), handled, painted);
    std::printf("  of which the Change handler: %.1f ms; the edit control's own: %.1f ms\n",
                watch.handler_milliseconds, handled - watch.handler_milliseconds);
    std::printf("  whole-box reads (WM_GETTEXT): %d, %.1f ms in all\n", watch.whole_reads,
                watch.read_milliseconds);
  } else {
    std::printf("  WM_PASTE handled: %.1f ms; to the window painted: %.1f ms\n", handled, painted);
  }
  std::printf("  peak working set %.1f MiB (before the paste %.1f), peak pagefile use %.1f MiB "
              "(before %.1f)\n",
              MiB(after.peak_working_set), MiB(before.peak_working_set), MiB(after.peak_pagefile),
              MiB(before.peak_pagefile));
  const bool applied = !in_form || (shown == "4321" && messages == 0);
  return taken == text.size() && applied ? 0 : 1;
}
