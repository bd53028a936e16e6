// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The Win32 window driven through messages as the user drives it: typing, pasting (long texts
// taken whole and copied by nothing but the handler), the keys on the scroll bar, clicks on its
// arrows and track, "Scroll Here", real drags of the scroll box let go on the bar or far off it,
// the mouse wheel and sideways tilts, on the focused control or the one under the pointer, under
// the system's wheel settings; and code writes of the scroll bar's value, which raise nothing.
#include <ostream>
#include <string>
#include <vector>

#include "elements/element_summary.h"
#include "window/win32/tests/clipboard_text.h"
#include "window/win32/tests/form_window_fixture.h"

namespace velmora::win32 {
namespace {

struct TypingCase {
  const char* name;
  const char* keys;
  const char* text_afterwards;
  int temperature;
};
void PrintTo(const TypingCase& row, std::ostream* out) { *out << row.name; }

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
  ASSERT_TRUE(PutOnClipboard(form_.window(), L"1e400"));

  SendMessageW(Control("Text_T"), WM_PASTE, 0, 0);
  // The message box has a message loop of its own: it opens once the edit control's change
  // notification has returned, from a message posted to the window, never inside it.
  EXPECT_TRUE(errors_.empty());
  PumpMessages();
  EXPECT_EQ(errors_.size(), 1u);
  ExpectShowing(5, "1e400");
}

// A long paste is taken whole (the box has no length limit) and read whole (WM_GETTEXT) only by
// the Change handler, up to three times by design: the window itself copies it nowhere, neither
// to compare it with a correction it writes nor to empty it for a move of the bar.
int long_text_reads = 0;

LRESULT CALLBACK CountLongTextReads(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == WM_GETTEXT && wparam > 1000) ++long_text_reads;
  return DefSubclassProc(box, message, wparam, lparam);
}

struct LongPasteCase {
  const char* name;
  const wchar_t* number;  // at the start of 100,000 letters
  int reads;
  bool kept;  // the box keeps the paste (not corrected)
};
void PrintTo(const LongPasteCase& row, std::ostream* out) { *out << row.name; }

class LongPasteTest : public FormWindowTest, public testing::WithParamInterface<LongPasteCase> {};

TEST_P(LongPasteTest, IsTakenWholeAndReadOnlyByTheHandler) {
  const LongPasteCase& paste = GetParam();
  const std::wstring text = paste.number + std::wstring(100000, L'x');
  ASSERT_TRUE(PutOnClipboard(form_.window(), text));
  HWND box = Control("Text_T");
  ASSERT_TRUE(SetWindowSubclass(box, &CountLongTextReads, 1, 0));
  long_text_reads = 0;

  SendMessageW(box, WM_PASTE, 0, 0);
  PumpMessages();
  EXPECT_EQ(long_text_reads, paste.reads);
  if (paste.kept) {
    EXPECT_EQ(GetWindowTextLengthW(box), static_cast<int>(text.size()));
  }
  long_text_reads = 0;
  PressOnScrollBar(VK_RIGHT);
  EXPECT_EQ(long_text_reads, 0);
  RemoveWindowSubclass(box, &CountLongTextReads, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, LongPasteTest,
    testing::Values(LongPasteCase{"Applied", L"298", 3, true},
                    LongPasteCase{"Refused", L"1e400", 1, true},
                    LongPasteCase{"AboveMaximum", L"7000", 2, false},
                    LongPasteCase{"Negative", L"-5", 1, false}),
    [](const testing::TestParamInfo<LongPasteCase>& param) {
      return std::string(param.param.name);
    });

struct KeyCase {
  const char* name;
  WPARAM key;
  int temperature;
};
void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.name; }

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

// At an end of the range a key toward it moves nothing, and nothing is applied: the corrected
// box keeps its text, as on the Qt window.
TEST_F(FormWindowTest, KeysTowardAnEndTheBarIsAtApplyNothing) {
  const struct { const char* typed; const char* corrected; int t; WPARAM keys[3]; } cases[] = {
      {"-5", "0", 0, {VK_LEFT, VK_HOME, VK_PRIOR}},
      {"7000", "6000", 6000, {VK_RIGHT, VK_END, VK_NEXT}},
  };
  for (const auto& c : cases) {
    Type(c.typed);
    for (WPARAM key : c.keys) {
      PressOnScrollBar(key);
      ExpectShowing(c.t, c.corrected);
    }
    SetWindowTextW(Control("Text_T"), L"");
    PumpMessages();
  }
}

// The system's wheel setting for one test, lines a notch and the same sideways, put back
// afterwards.
class WheelLinesSetting {
 public:
  explicit WheelLinesSetting(UINT lines) {
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &saved_, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLCHARS, 0, &saved_sideways_, 0);
    changed_ = SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, 0) != 0 &&
               SystemParametersInfoW(SPI_SETWHEELSCROLLCHARS, lines, nullptr, 0) != 0;
  }
  WheelLinesSetting(const WheelLinesSetting&) = delete;
  WheelLinesSetting& operator=(const WheelLinesSetting&) = delete;
  ~WheelLinesSetting() {
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved_, nullptr, 0);
    SystemParametersInfoW(SPI_SETWHEELSCROLLCHARS, saved_sideways_, nullptr, 0);
  }
  bool changed() const { return changed_; }

 private:
  UINT saved_ = 3;
  UINT saved_sideways_ = 3;
  bool changed_ = false;
};

enum class Focus { ScrollBar, TextBox, Window };

struct WheelCase {
  const char* name;
  UINT lines;  // the system's setting; 3 is Windows' own default
  Focus focus;
  std::vector<int> deltas;
  WPARAM keys;
  int temperature;
  const char* text;  // "12" typed first: a wheel turn that moves nothing leaves it
  UINT message = WM_MOUSEWHEEL;  // or WM_MOUSEHWHEEL, sideways
  const char* under_pointer = nullptr;  // the control it goes to; none: the focused window
};
void PrintTo(const WheelCase& row, std::ostream* out) { *out << row.name; }

class WheelTest : public FormWindowTest, public testing::WithParamInterface<WheelCase> {};

// The wheel goes to the window with the keyboard focus or, as Windows 10 and later send it, to
// the one under the pointer.
TEST_P(WheelTest, MovesTheBarAsAUserMove) {
  const WheelCase& wheel = GetParam();
  const WheelLinesSetting setting(wheel.lines);
  ASSERT_TRUE(setting.changed());
  Type("12");
  SetFocus(wheel.focus == Focus::ScrollBar ? Control("Scroll_T")
           : wheel.focus == Focus::TextBox ? Control("Text_T")
                                           : form_.window());
  HWND to = wheel.under_pointer ? Control(wheel.under_pointer) : GetFocus();
  for (int delta : wheel.deltas) {
    SendMessageW(to, wheel.message, MAKEWPARAM(wheel.keys, delta), MAKELPARAM(100, 100));
  }
  PumpMessages();
  ExpectShowing(wheel.temperature, wheel.text);
  EXPECT_TRUE(errors_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Turns, WheelTest,
    testing::Values(
        WheelCase{"NotchesTowardTheUser", 3, Focus::ScrollBar, {-120, -120}, 0, 18, ""},
        WheelCase{"NotchAwayInTheTextBox", 3, Focus::TextBox, {120}, 0, 9, ""},
        WheelCase{"NotchOnTheWindow", 3, Focus::Window, {-120}, 0, 15, ""},
        WheelCase{"ThirdsMakeANotch", 3, Focus::TextBox, {-40, -40, -40}, 0, 15, ""},
        WheelCase{"HalfNotchesUnderOneLineMoveNothing", 1, Focus::ScrollBar, {-60, 60}, 0, 12,
                  "12"},
        WheelCase{"OneLineSetting", 1, Focus::ScrollBar, {-120, -120}, 0, 14, ""},
        WheelCase{"PageSetting", WHEEL_PAGESCROLL, Focus::ScrollBar, {-120}, 0, 62, ""},
        WheelCase{"ControlTurnsPages", 3, Focus::TextBox, {-120}, MK_CONTROL, 62, ""},
        WheelCase{"NotchOverACell", 3, Focus::TextBox, {-120}, 0, 15, "", WM_MOUSEWHEEL,
                  "Label_080_Hg"},
        WheelCase{"TiltRightOverACell", 3, Focus::TextBox, {120}, 0, 15, "", WM_MOUSEHWHEEL,
                  "Label_080_Hg"},
        WheelCase{"TiltLeftOnTheBar", 1, Focus::ScrollBar, {-120}, 0, 11, "", WM_MOUSEHWHEEL}),
    [](const testing::TestParamInfo<WheelCase>& param) { return std::string(param.param.name); });

TEST_F(FormWindowTest, AMoveAfterANestedRunStartsFromTheShownTemperature) {
  Type("12");
  PressOnScrollBar(VK_RIGHT);
  PressOnScrollBar(VK_RIGHT);
  ExpectShowing(14, "");
}

// The bar's menu sends "Scroll Here" as a release of the scroll box with no press before it.
TEST_F(FormWindowTest, ArrowAndTrackClicksAndScrollHereAreAppliedLikeDragSteps) {
  const struct { int code; int position; int temperature; } moves[] = {
      {SB_LINERIGHT, 0, 299}, {SB_PAGERIGHT, 0, 349}, {SB_LINELEFT, 0, 348},
      {SB_PAGELEFT, 0, 298},  {SB_THUMBPOSITION, 4321, 4321}, {SB_ENDSCROLL, 0, 4321}};
  HWND bar = Control("Scroll_T");
  for (const auto& move : moves) {
    SendMessageW(form_.window(), WM_HSCROLL, MAKEWPARAM(move.code, move.position),
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

// Pressing and releasing the scroll box without moving it moves nothing: the box keeps the
// number typed. A drag let go far below the bar, where the box springs back to the press, ends
// exactly at the temperature of the press (the drag emptied the box). The bar reports both at
// positions worked out from the box's pixels, a few kelvin off its own.
TEST_F(FormWindowTest, TheScrollBoxBackWhereItWasPressedKeepsTheTemperature) {
  for (const char* typed : {"298", "777", "4242", "5999"}) {
    for (const bool dragged : {false, true}) {
      SetWindowTextW(Control("Text_T"), L"");
      Type(typed);
      if (dragged) DragScrollBox({-60}, 400);
      else DragScrollBox({});
      ExpectShowing(std::stoi(typed), dragged ? "" : typed);
    }
  }
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

TEST_F(FormWindowTest, TooltipsDescribeTheElementAtTheTemperatureShown) {
  HWND tooltip = form_.tooltips().window();
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), kElementCount);
  const auto ask = [&](std::string_view cell) {
    NMTTDISPINFOW request{};
    request.hdr = {tooltip, reinterpret_cast<UINT_PTR>(Control(cell)), TTN_GETDISPINFOW};
    SendMessageW(form_.window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText ? Narrow(request.lpszText) : std::string();
  };
  EXPECT_EQ(ask("Label_080_Hg"), ElementSummary(ElementRow(80), 298));
  Type("700");
  EXPECT_EQ(ask("Label_080_Hg"), ElementSummary(ElementRow(80), 700));
  EXPECT_EQ(ask("Label_T"), "");
}

}  // namespace
}  // namespace velmora::win32
