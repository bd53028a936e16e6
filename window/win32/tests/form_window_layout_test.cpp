// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The Win32 window as it opens: place, stacking and fonts of every control, the start-up state
// and colours, the tab order and where the keyboard focus goes.
#include "window/win32/tests/form_window_fixture.h"

namespace velmora::win32 {
namespace {

constexpr int kTwipsPerPixel = kTwipsPerInch / kTestDpi;

TEST_F(FormWindowTest, EveryControlStandsAtItsPlaceInCreationOrder) {
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), kTestDpi);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), kTestDpi);
  ReleaseDC(nullptr, screen);

  RECT client;
  GetClientRect(form_.window(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(kClientWidthTwips, kTestDpi));  // 611
  EXPECT_EQ(client.bottom, TwipsToPixels(kClientHeightTwips, kTestDpi));  // 385
  const LONG style = GetWindowLongW(form_.window(), GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);

  // Top of the stacking order first: the reverse of the creation order.
  HWND child = GetWindow(form_.window(), GW_CHILD);
  const auto description = WindowDescription();
  for (auto control = description.rbegin(); control != description.rend(); ++control) {
    ASSERT_EQ(child, Control(control->name)) << control->name;
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, form_.window(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left * kTwipsPerPixel, control->place.left) << control->name;
    EXPECT_EQ(place.top * kTwipsPerPixel, control->place.top) << control->name;
    EXPECT_EQ((place.right - place.left) * kTwipsPerPixel, control->place.width) << control->name;
    EXPECT_EQ((place.bottom - place.top) * kTwipsPerPixel, control->place.height) << control->name;
    EXPECT_EQ(TextOf(control->name), control->kind == ControlKind::Label && control->name == "Label_T"
                                         ? "298" : std::string(control->content))
        << control->name;
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);
}

TEST_F(FormWindowTest, FontsAreMadeForTheResolution) {
  struct FontCase { std::string_view control; const wchar_t* face; LONG height; LONG weight; };
  const FontCase cases[] = {{"Label_026_Fe", L"Times New Roman", -21, FW_BOLD},
                            {"Label_LanthanideReference", L"Times New Roman", -12, FW_NORMAL},
                            {"Label2", L"MS Shell Dlg", -11, FW_NORMAL}};
  for (const FontCase& font : cases) {
    auto handle = reinterpret_cast<HFONT>(SendMessageW(Control(font.control), WM_GETFONT, 0, 0));
    LOGFONTW description{};
    ASSERT_TRUE(GetObjectW(handle, sizeof(description), &description)) << font.control;
    EXPECT_STREQ(description.lfFaceName, font.face) << font.control;
    EXPECT_EQ(description.lfHeight, font.height) << font.control;
    EXPECT_EQ(description.lfWeight, font.weight) << font.control;
    EXPECT_FALSE(description.lfItalic || description.lfUnderline || description.lfStrikeOut);
  }
}

TEST_F(FormWindowTest, CaptionAndNoticeFitTheirLabels) {
  for (std::string_view name : {"Label2", "Label1"}) {
    HWND label = Control(name);
    HDC dc = GetDC(label);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    const std::wstring caption = WindowTextOf(label);
    SIZE extent;
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    ReleaseDC(label, dc);
    RECT client;
    GetClientRect(label, &client);
    EXPECT_LE(extent.cx, client.right) << name;
    EXPECT_LE(extent.cy, client.bottom) << name;
  }
}

TEST_F(FormWindowTest, OpensAt298WithTheFocusOnTheScrollBar) {
  EXPECT_EQ(GetFocus(), Control("Scroll_T"));
  ExpectShowing(298, "");
  for (const ElementStateRow& row : kElementStateTable) {
    EXPECT_EQ(PaintColours(Control(row.cell_name())).first,
              Painted(ToColourValue(kStartUpColours[static_cast<std::size_t>(row.atomic_number - 1)])));
  }
  EXPECT_EQ(PaintColours(Control("Label_ActinideReference")).first, GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(PaintColours(Control("Label_T")),
            std::make_pair(GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(FormWindowTest, TabMovesBetweenScrollBarAndTextBoxOnly) {
  HWND bar = Control("Scroll_T");
  HWND box = Control("Text_T");
  EXPECT_EQ(GetNextDlgTabItem(form_.window(), bar, FALSE), box);
  EXPECT_EQ(GetNextDlgTabItem(form_.window(), box, FALSE), bar);
  EXPECT_EQ(GetNextDlgTabItem(form_.window(), bar, TRUE), box);
}

TEST_F(FormWindowTest, FocusComesBackToItsControlWhenTheWindowIsActivatedAgain) {
  HWND box = Control("Text_T");
  SetFocus(box);
  SendMessageW(form_.window(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(form_.window());
  SendMessageW(form_.window(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), box);
}

}  // namespace
}  // namespace velmora::win32
