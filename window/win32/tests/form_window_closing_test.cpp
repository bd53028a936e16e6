// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Ending Form1 ends only the window: no quit request is left in the thread's queue, where it
// would end whatever message loop runs next (a test's, a message box's). The program's own loop
// ends when its window is gone; the end-to-end run closes it with Alt+F4.
#include <functional>
#include <optional>
#include <ostream>

#include "window/win32/tests/form_window_fixture.h"

namespace velmora::win32 {
namespace {

bool QuitRequested() {
  MSG quit;
  return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

struct EndingCase {
  const char* name;
  std::function<void(std::optional<FormWindow>&)> end;
};
void PrintTo(const EndingCase& row, std::ostream* out) { *out << row.name; }

class FormWindowEndingTest : public testing::TestWithParam<EndingCase> {};

TEST_P(FormWindowEndingTest, LeavesNoQuitRequest) {
  PumpMessages();
  ASSERT_FALSE(QuitRequested());
  HINSTANCE instance = GetModuleHandleW(nullptr);
  ASSERT_TRUE(FormWindow::RegisterWindowClass(instance, nullptr, nullptr));
  std::optional<FormWindow> form;
  form.emplace(nullptr);
  HWND window = form->Create(instance);
  ASSERT_NE(window, nullptr);
  form->Show(SW_SHOWNORMAL);

  GetParam().end(form);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(QuitRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, FormWindowEndingTest,
    testing::Values(
        EndingCase{"Destroyed", [](std::optional<FormWindow>& form) { form.reset(); }},
        // What Alt+F4 and the close box come to: the default handling destroys the window.
        EndingCase{"Closed",
                   [](std::optional<FormWindow>& form) {
                     SendMessageW(form->window(), WM_CLOSE, 0, 0);
                     EXPECT_EQ(form->window(), nullptr);
                     form.reset();
                   }}),
    [](const testing::TestParamInfo<EndingCase>& param) { return param.param.name; });

}  // namespace
}  // namespace velmora::win32
