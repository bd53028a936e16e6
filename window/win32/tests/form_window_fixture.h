// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The Win32 window opened for real (under Wine in the test run), with the means to drive it
// through messages and to read what it paints: the text and background colours each control is
// handed through WM_CTLCOLORSTATIC. Expected colours come from the core's state rule and
// GetSysColor, never from fixed RGB values.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "elements/recolour.h"
#include "window/startup.h"
#include "window/win32/form_window.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {

inline constexpr int kTestDpi = 96;

inline COLORREF Painted(ColourValue colour) {
  return IsSystemColourReference(colour) ? GetSysColor(SystemColourIndex(colour))
                                         : static_cast<COLORREF>(colour);
}

inline void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class FormWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ASSERT_TRUE(FormWindow::RegisterWindowClass(instance, nullptr, nullptr));
    ASSERT_NE(form_.Create(instance), nullptr);
    form_.Show(SW_SHOWNORMAL);
    PumpMessages();
  }

  HWND Control(std::string_view name) { return form_.controls().WindowOf(name); }
  std::string TextOf(std::string_view name) { return Narrow(WindowTextOf(Control(name))); }
  int Value() { return GetScrollPos(Control("Scroll_T"), SB_CTL); }

  // The text and background colours the window hands a control's painting.
  std::pair<COLORREF, COLORREF> PaintColours(HWND control) {
    HDC dc = GetDC(control);
    SendMessageW(form_.window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    std::pair<COLORREF, COLORREF> colours{GetTextColor(dc), GetBkColor(dc)};
    ReleaseDC(control, dc);
    return colours;
  }

  // Every element cell is painted in its state at t (no data stays grey), on the window colour.
  void ExpectCellsShow(int t) {
    for (const ElementStateRow& row : kElementStateTable) {
      const auto [text, back] = PaintColours(Control(row.cell_name()));
      const StateColour state = StateAt(row, static_cast<std::int16_t>(t));
      EXPECT_EQ(text, Painted(ToColourValue(state))) << row.cell_name() << " at " << t;
      EXPECT_EQ(back, GetSysColor(COLOR_WINDOW)) << row.cell_name();
    }
  }

  void ExpectShowing(int t, std::string_view text) {
    EXPECT_EQ(Value(), t);
    EXPECT_EQ(TextOf("Label_T"), std::to_string(t));
    EXPECT_EQ(TextOf("Text_T"), text);
    ExpectCellsShow(t);
  }

  void Type(std::string_view keys) {
    HWND box = Control("Text_T");
    SetFocus(box);
    for (char key : keys) SendMessageW(box, WM_CHAR, static_cast<WPARAM>(key), 1);
    PumpMessages();
  }

  void PressOnScrollBar(WPARAM key) {
    HWND bar = Control("Scroll_T");
    SetFocus(bar);
    SendMessageW(bar, WM_KEYDOWN, key, 1);
    SendMessageW(bar, WM_KEYUP, key, 1);
    PumpMessages();
  }

  // A real drag of the scroll box: the moves and the release wait in the queue, the press runs
  // the bar's own tracking loop, which sends SB_THUMBTRACK for each move and SB_THUMBPOSITION.
  // With `let_go_below`, the pointer is pulled that many pixels below the bar before the release.
  void DragScrollBox(std::vector<int> offsets, int let_go_below = 0) {
    HWND bar = Control("Scroll_T");
    SCROLLBARINFO info{.cbSize = sizeof(SCROLLBARINFO)};
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &info));
    const int y = (info.rcScrollBar.bottom - info.rcScrollBar.top) / 2;
    int x = (info.xyThumbTop + info.xyThumbBottom) / 2;
    const LPARAM press = MAKELPARAM(x, y);
    for (int offset : offsets) {
      x += offset;
      PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    }
    if (let_go_below) PostMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y + let_go_below));
    PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y + let_go_below));
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, press);
    PumpMessages();
  }

  std::vector<std::string> errors_;
  FormWindow form_{[this](HWND, const std::string& message) { errors_.push_back(message); }};
};

}  // namespace velmora::win32
