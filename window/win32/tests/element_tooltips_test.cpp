// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The element cells' registration with the tooltip control: with the control Wine provides, and
// with stand-ins for the controls a Windows machine may load instead. Without a manifest asking
// for common controls 6, Windows loads version 5, which refuses a TTTOOLINFOW larger than its own
// layout (which ends at lParam); Wine's control takes any size, so only a stand-in shows that.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "elements/element_table.h"
#include "window/win32/form_window.h"

namespace velmora::win32 {
namespace {

// The application's own class named like the tooltip control: CreateWindowEx finds it before
// the common controls' global class. It hands every message to the real control, except a
// TTM_ADDTOOLW whose structure size lies outside [smallest, largest], which it refuses as a
// control of another version does.
class StandInTooltipClass {
 public:
  StandInTooltipClass(UINT smallest, UINT largest) {
    smallest_ = smallest;
    largest_ = largest;
    WNDCLASSEXW real{.cbSize = sizeof(WNDCLASSEXW)};
    instance_ = GetModuleHandleW(nullptr);
    if (!GetClassInfoExW(instance_, TOOLTIPS_CLASSW, &real)) return;
    real_procedure_ = real.lpfnWndProc;
    WNDCLASSEXW stand_in = real;
    stand_in.style &= ~CS_GLOBALCLASS;
    stand_in.hInstance = instance_;
    stand_in.lpfnWndProc = &Procedure;
    registered_ = RegisterClassExW(&stand_in) != 0;
  }
  StandInTooltipClass(const StandInTooltipClass&) = delete;
  StandInTooltipClass& operator=(const StandInTooltipClass&) = delete;
  ~StandInTooltipClass() {
    if (registered_) UnregisterClassW(TOOLTIPS_CLASSW, instance_);
  }

  bool registered() const { return registered_; }
  static int windows_made() { return windows_made_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) ++windows_made_;
    if (message == TTM_ADDTOOLW) {
      const UINT size = reinterpret_cast<const TTTOOLINFOW*>(lparam)->cbSize;
      if (size < smallest_ || size > largest_) return FALSE;
    }
    return CallWindowProcW(real_procedure_, window, message, wparam, lparam);
  }

  static inline WNDPROC real_procedure_ = nullptr;
  static inline UINT smallest_ = 0;
  static inline UINT largest_ = 0;
  static inline int windows_made_ = 0;
  HINSTANCE instance_ = nullptr;
  bool registered_ = false;
};

struct ControlCase {
  const char* name;
  // The sizes a stand-in accepts; none: the control Wine provides.
  std::optional<std::pair<UINT, UINT>> accepted_sizes;
  bool cells_registered;
};
void PrintTo(const ControlCase& row, std::ostream* out) { *out << row.name; }

class TooltipRegistrationTest : public testing::TestWithParam<ControlCase> {};

TEST_P(TooltipRegistrationTest, EveryCellIsRegisteredOrTheShortfallIsReported) {
  const ControlCase& control = GetParam();
  std::optional<StandInTooltipClass> stand_in;
  if (control.accepted_sizes) {
    stand_in.emplace(control.accepted_sizes->first, control.accepted_sizes->second);
    ASSERT_TRUE(stand_in->registered());
  }
  const int stand_ins_before = StandInTooltipClass::windows_made();

  HINSTANCE instance = GetModuleHandleW(nullptr);
  ASSERT_TRUE(FormWindow::RegisterWindowClass(instance, nullptr, nullptr));
  FormWindow form{nullptr};
  // A tooltip control that takes no cell costs the cells their tooltips, not the window.
  ASSERT_NE(form.Create(instance), nullptr);
  const ElementTooltips& tooltips = form.tooltips();
  ASSERT_NE(tooltips.window(), nullptr);
  EXPECT_EQ(StandInTooltipClass::windows_made() - stand_ins_before, stand_in ? 1 : 0);

  const int expected = control.cells_registered ? kElementCount : 0;
  EXPECT_EQ(tooltips.registered(), expected);
  EXPECT_EQ(SendMessageW(tooltips.window(), TTM_GETTOOLCOUNT, 0, 0), expected);
  for (const ElementStateRow& row : kElementStateTable) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form.window();
    tool.uId = reinterpret_cast<UINT_PTR>(form.controls().WindowOf(row.cell_name()));
    tool.lpszText = text;
    const bool found =
        SendMessageW(tooltips.window(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    ASSERT_EQ(found, control.cells_registered) << row.cell_name();
    // The text is asked for when the tip opens, so it speaks of the temperature shown then.
    if (found) {
      EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACKW) << row.cell_name();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, TooltipRegistrationTest,
    testing::Values(
        ControlCase{"WineControl", std::nullopt, true},
        ControlCase{"Version5Control",
                    std::pair<UINT, UINT>(TTTOOLINFOW_V1_SIZE, TTTOOLINFOW_V2_SIZE), true},
        ControlCase{"ControlRefusingEveryTool", std::pair<UINT, UINT>(1, 0), false}),
    [](const testing::TestParamInfo<ControlCase>& param) { return param.param.name; });

}  // namespace
}  // namespace velmora::win32
