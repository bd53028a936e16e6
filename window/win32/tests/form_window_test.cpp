// The Win32 window opened for real (under Wine in the test run) and driven through messages:
// places and stacking of every control, fonts, start-up state, the colours the cells are painted
// with after typing, drag steps and the other moves of the scroll bar, a pasted overflow, tab
// order and focus. Expected colours come from the core's state rule and GetSysColor.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "elements/recolour.h"
#include "window/startup.h"
#include "window/win32/form_window.h"
#include "window/win32/wide_text.h"

namespace velmora::win32 {
namespace {

constexpr int kTestDpi = 96;

COLORREF Painted(ColourValue colour) {
  return IsSystemColourReference(colour) ? GetSysColor(SystemColourIndex(colour))
                                         : static_cast<COLORREF>(colour);
}

void PumpMessages() {
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
  void DragScrollBox(std::vector<int> offsets) {
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
    PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, press);
    PumpMessages();
  }

  std::vector<std::string> errors_;
  FormWindow form_{[this](HWND, const std::string& message) { errors_.push_back(message); }};
};

TEST_F(FormWindowTest, EveryControlStandsAtItsPlaceInCreationOrder) {
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), kTestDpi);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), kTestDpi);
  ReleaseDC(nullptr, screen);

  RECT client;
  GetClientRect(form_.window(), &client);
  EXPECT_EQ(client.right, 611);
  EXPECT_EQ(client.bottom, 385);
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
    EXPECT_EQ(place.left * 15, control->place.left) << control->name;
    EXPECT_EQ(place.top * 15, control->place.top) << control->name;
    EXPECT_EQ((place.right - place.left) * 15, control->place.width) << control->name;
    EXPECT_EQ((place.bottom - place.top) * 15, control->place.height) << control->name;
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

struct TypingCase {
  const char* name;
  const char* keys;
  const char* text_afterwards;
  int temperature;
};

class TypingTest : public FormWindowTest, public testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, AppliesTheNumberTyped) {
  const TypingCase& typing = GetParam();
  Type(typing.keys);
  ExpectShowing(typing.temperature, typing.text_afterwards);
  EXPECT_TRUE(errors_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, TypingTest,
    testing::Values(TypingCase{"RoomTemperature", "298", "298", 298},
                    TypingCase{"AboveMaximumCorrected", "7000", "6000", 6000},
                    TypingCase{"NegativeCorrected", "-5", "0", 0},
                    TypingCase{"TrailingLettersKept", "12abc", "12abc", 12},
                    TypingCase{"HalfRoundsToEven", "2.5", "2.5", 2},
                    TypingCase{"Hexadecimal", "&H1770", "&H1770", 6000},
                    // The caret stands at the end after a correction, so the next key appends.
                    TypingCase{"TypingAfterCorrectionAppends", "-57", "07", 7}),
    [](const testing::TestParamInfo<TypingCase>& param) { return std::string(param.param.name); });

TEST_F(FormWindowTest, PastedOverflowReportsOnceAndChangesNothing) {
  Type("5");
  SendMessageW(Control("Text_T"), EM_SETSEL, 0, -1);
  ASSERT_TRUE(OpenClipboard(form_.window()));
  EmptyClipboard();
  const wchar_t overflow[] = L"1e400";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(overflow));
  memcpy(GlobalLock(memory), overflow, sizeof(overflow));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  SendMessageW(Control("Text_T"), WM_PASTE, 0, 0);
  PumpMessages();
  EXPECT_EQ(errors_.size(), 1u);
  ExpectShowing(5, "1e400");
}

struct KeyCase {
  const char* name;
  WPARAM key;
  int temperature;
};

class ScrollKeyTest : public FormWindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollKeyTest, AppliesTheMoveAndEmptiesTheTextBox) {
  Type("12");
  PressOnScrollBar(GetParam().key);
  ExpectShowing(GetParam().temperature, "");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollKeyTest,
    testing::Values(KeyCase{"RightArrow", VK_RIGHT, 13}, KeyCase{"LeftArrow", VK_LEFT, 11},
                    KeyCase{"PageDown", VK_NEXT, 62}, KeyCase{"PageUpClamps", VK_PRIOR, 0},
                    KeyCase{"Home", VK_HOME, 0}, KeyCase{"End", VK_END, 6000}),
    [](const testing::TestParamInfo<KeyCase>& param) { return std::string(param.param.name); });

TEST_F(FormWindowTest, AMoveAfterANestedRunStartsFromTheShownTemperature) {
  Type("12");
  PressOnScrollBar(VK_RIGHT);
  PressOnScrollBar(VK_RIGHT);
  ExpectShowing(14, "");
}

TEST_F(FormWindowTest, ArrowAndTrackClicksAreAppliedLikeDragSteps) {
  const struct { int code; int temperature; } moves[] = {
      {SB_LINERIGHT, 299}, {SB_PAGERIGHT, 349}, {SB_LINELEFT, 348}, {SB_PAGELEFT, 298}};
  HWND bar = Control("Scroll_T");
  for (const auto& move : moves) {
    SendMessageW(form_.window(), WM_HSCROLL, MAKEWPARAM(move.code, 0),
                 reinterpret_cast<LPARAM>(bar));
    ExpectShowing(move.temperature, "");
  }
}

TEST_F(FormWindowTest, DragAppliesTheScrollBoxPositionAfterTheNestedRun) {
  Type("12");
  DragScrollBox({40, 40, 40});
  const int t = Value();
  EXPECT_GT(t, 298);  // the release restored the position the nested run had set to 0
  ExpectShowing(t, "");
  DragScrollBox({-20});
  EXPECT_LT(Value(), t);
  ExpectShowing(Value(), "");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(FormWindowTest, CodeWritesOfTheValueRaiseNothing) {
  EXPECT_EQ(form_.controls().SetValue("Scroll_T", 1000), AccessStatus::Ok);
  EXPECT_EQ(form_.controls().SetValue("Scroll_T", 6001), AccessStatus::OutOfRange);
  EXPECT_EQ(form_.controls().SetValue("Scroll_T", -1), AccessStatus::OutOfRange);
  EXPECT_EQ(Value(), 1000);
  EXPECT_EQ(TextOf("Label_T"), "298");
  EXPECT_EQ(form_.controls().SetCaption("Scroll_T", "x"), AccessStatus::WrongKind);
  EXPECT_EQ(form_.controls().SetForeColor("Label_999_Xx", 0), AccessStatus::NoSuchControl);
}

}  // namespace
}  // namespace velmora::win32
