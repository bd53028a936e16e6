// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// A change of the system's colours while the window is open: every control is painted anew in
// the new colours, the background included, and the tooltip control is told.
#include <windows.h>
#include <commctrl.h>

#include <ostream>

#include "window/win32/tests/form_window_fixture.h"

namespace velmora::win32 {
namespace {

int system_colour_changes = 0;

LRESULT CALLBACK CountColourChanges(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == WM_SYSCOLORCHANGE) ++system_colour_changes;
  return DefSubclassProc(window, message, wparam, lparam);
}

struct ChangeCase {
  const char* name;
  UINT message;
  WPARAM setting;
  const wchar_t* area;
  bool repaints;
};
void PrintTo(const ChangeCase& row, std::ostream* out) { *out << row.name; }

class ThemeChangeTest : public FormWindowTest, public testing::WithParamInterface<ChangeCase> {};

TEST_P(ThemeChangeTest, RepaintsEveryControlAtOnce) {
  const ChangeCase& change = GetParam();
  const char* const controls[] = {"Label_001_H", "Label_T", "Text_T", "Scroll_T", "Label2"};
  RedrawWindow(form_.window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (const char* control : controls) {
    ASSERT_FALSE(GetUpdateRect(Control(control), nullptr, FALSE)) << control;
  }
  HWND tooltip = form_.tooltips().window();
  ASSERT_TRUE(SetWindowSubclass(tooltip, &CountColourChanges, 1, 0));
  system_colour_changes = 0;

  SendMessageW(form_.window(), change.message, change.setting,
               reinterpret_cast<LPARAM>(change.area));
  // Before any painting: the controls wait to be painted in the new colours.
  for (const char* control : controls) {
    EXPECT_EQ(GetUpdateRect(Control(control), nullptr, FALSE) != 0, change.repaints) << control;
  }
  EXPECT_EQ(system_colour_changes, change.repaints ? 1 : 0);
  RemoveWindowSubclass(tooltip, &CountColourChanges, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ThemeChangeTest,
    testing::Values(
        ChangeCase{"SystemColours", WM_SYSCOLORCHANGE, 0, nullptr, true},
        ChangeCase{"HighContrast", WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, nullptr, true},
        ChangeCase{"ColourSet", WM_SETTINGCHANGE, 0, L"ImmersiveColorSet", true},
        ChangeCase{"OtherSetting", WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, nullptr, false}),
    [](const testing::TestParamInfo<ChangeCase>& param) { return std::string(param.param.name); });

// The system's colours for one test, put back afterwards.
class SystemColours {
 public:
  SystemColours(COLORREF button_text, COLORREF button_face) {
    saved_[0] = GetSysColor(indices_[0]);
    saved_[1] = GetSysColor(indices_[1]);
    const COLORREF colours[] = {button_text, button_face};
    changed_ = SetSysColors(2, indices_, colours) != 0;
  }
  SystemColours(const SystemColours&) = delete;
  SystemColours& operator=(const SystemColours&) = delete;
  ~SystemColours() { SetSysColors(2, indices_, saved_); }
  bool changed() const { return changed_; }

 private:
  const int indices_[2] = {COLOR_BTNTEXT, COLOR_BTNFACE};
  COLORREF saved_[2] = {};
  bool changed_ = false;
};

TEST_F(FormWindowTest, PaintsInTheSystemColoursOfTheMoment) {
  const COLORREF text = RGB(0x12, 0x34, 0x56), face = RGB(0xAB, 0xCD, 0xEF);
  const SystemColours colours(text, face);
  ASSERT_TRUE(colours.changed());
  EXPECT_EQ(PaintColours(Control("Label_T")), std::make_pair(text, face));

  // The window's own background, erased into a bitmap: its corner lies outside every control.
  HDC screen = GetDC(form_.window());
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(form_.window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_EQ(GetPixel(memory, 2, 2), face);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(form_.window(), screen);
}

}  // namespace
}  // namespace velmora::win32
