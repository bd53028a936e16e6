// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Long random sequences of user actions through the real window: typing (odd characters too),
// pasting (numbers, overflows, texts of up to 64 KiB, several lines), deleting, moving the caret,
// keys and clicks on the scroll bar, its notifications sent directly, real drags of the scroll
// box with other input arriving in the middle of them, the wheel and Tab.
//
// The form model (window/tests/form_model.h) follows every input message Form1 and the text box
// receive, in the order they are handled, and says what the window must show. After every action,
// and after every input handled within a drag, the window is compared with it: the value label
// shows the temperature in force, every cell is painted in its state there, the bar stands at it,
// the box holds what the model says and each refused entry made exactly one message.
//
// Fixed seeds, so that a failure repeats on any machine; VELMORA_RANDOM_SEED=N runs seed N
// instead and VELMORA_RANDOM_ACTIONS=N sets the number of actions of each run.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include "elements/element_summary.h"
#include "window/tests/form_model.h"
#include "window/win32/tests/clipboard_text.h"
#include "window/win32/tests/form_window_fixture.h"

#include <uxtheme.h>

namespace velmora::win32 {
namespace {

constexpr int kActionsPerRun = 10000;
constexpr int kPaintEvery = 32;  // actions
constexpr UINT kNoPosition = static_cast<UINT>(-1);

// Characters a user types: mostly what numbers are made of, sometimes anything.
constexpr std::wstring_view kNumberCharacters =
    L"0123456789012345678901234567890123456789.-+eE&HhOo ";
constexpr wchar_t kOddCharacters[] = {
    L'\t', L'\r', L'\n', 0x1B, 0x1F, 0x7F, 0x00,  // control characters, ignored by the box
    0x00A0, 0x2212, 0xFF11, 0x0661, 0x00B2, 0x200B, 0xFEFF, 0x0301, 0xFFFD, 0x202E, 0x20AC,
    0x00DF, 0xD83D, 0xDE00, 0xD800, 0xDC00, L'd', L'D', L',', L'x', L'%'};
const wchar_t* const kOverflows[] = {
    L"1e400", L"-1e400", L"&H1FFFFFFFF", L"&hFFFFFFFFF", L"&O40000000000", L"9.9e308",
    L"1E+99999999999999999999", L"  1 e 4 0 0  K"};

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X", value);
  return text;
}

std::string Excerpt(std::wstring_view text) {
  std::string shown = Narrow(text.substr(0, 24));
  if (text.size() > 24) shown += "... (" + std::to_string(text.size()) + " characters)";
  return "\"" + shown + "\"";
}

std::u16string Units(std::wstring_view text) { return {text.begin(), text.end()}; }

// The bar's requests as moves of the model; the scroll box's own are followed apart.
std::optional<FormModel::BarStep> StepOf(int code) {
  switch (code) {
    case SB_LINELEFT: return FormModel::BarStep::SmallDown;
    case SB_LINERIGHT: return FormModel::BarStep::SmallUp;
    case SB_PAGELEFT: return FormModel::BarStep::PageDown;
    case SB_PAGERIGHT: return FormModel::BarStep::PageUp;
    case SB_LEFT: return FormModel::BarStep::ToLowest;
    case SB_RIGHT: return FormModel::BarStep::ToHighest;
    default: return std::nullopt;
  }
}

// What a single-line box takes of pasted text: up to the first line end, as far as it goes.
std::wstring PastedPart(std::wstring text) {
  text.resize(std::wcslen(text.c_str()));
  const std::size_t line_end = text.find(L'\n');
  if (line_end != std::wstring::npos) {
    text.resize(line_end);
    if (!text.empty() && text.back() == L'\r') text.pop_back();
  }
  return text;
}

std::uint64_t SeedOf(std::uint64_t fixed) {
  const char* given = std::getenv("VELMORA_RANDOM_SEED");
  return given && *given ? std::strtoull(given, nullptr, 0) : fixed;
}

int ActionsPerRun() {
  const char* given = std::getenv("VELMORA_RANDOM_ACTIONS");
  return given && *given ? std::max(1, std::atoi(given)) : kActionsPerRun;
}

struct Run {
  const char* name;
  std::uint64_t seed;
};
void PrintTo(const Run& run, std::ostream* out) { *out << run.name; }

class RandomActionsTest : public FormWindowTest, public testing::WithParamInterface<Run> {
 protected:
  void SetUp() override {
    FormWindowTest::SetUp();
    if (HasFatalFailure()) return;
    form_window_ = form_.window();
    box_ = Control("Text_T");
    bar_ = Control("Scroll_T");
    label_ = Control("Label_T");
    // The watch replaces the procedures of Form1, the box and the bar and calls them on; it is
    // the only test in the process, so a static pointer finds it.
    watching_ = this;
    form_procedure_ = Replace(form_window_);
    box_procedure_ = Replace(box_);
    bar_procedure_ = Replace(bar_);
    // Wine draws the controls of a program that asks for no common controls 6 with its own
    // theme, which Windows does not; a themed redraw of the bar costs Wine about 2 ms, most of
    // a move. Drawn classic, as Windows draws them, twice the actions fit in the time.
    for (HWND control : {bar_, box_}) SetWindowTheme(control, L" ", L" ");
    colour_dc_ = CreateCompatibleDC(nullptr);
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &saved_wheel_lines_, 0);
    SystemParametersInfoW(SPI_GETWHEELSCROLLCHARS, 0, &saved_wheel_chars_, 0);
    SetClipboard(std::nullopt);
  }

  void TearDown() override {
    if (form_procedure_) Restore(form_window_, form_procedure_);
    if (box_procedure_) Restore(box_, box_procedure_);
    if (bar_procedure_) Restore(bar_, bar_procedure_);
    watching_ = nullptr;
    if (colour_dc_) DeleteDC(colour_dc_);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved_wheel_lines_, nullptr, 0);
    SystemParametersInfoW(SPI_SETWHEELSCROLLCHARS, saved_wheel_chars_, nullptr, 0);
  }

  // --- The model, fed by the messages the window and the box are about to handle ---

  static WNDPROC Replace(HWND window) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Watch)));
  }
  static void Restore(HWND window, WNDPROC procedure) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  }

  static LRESULT CALLBACK Watch(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return watching_->Observe(window, message, wparam, lparam);
  }

  LRESULT Observe(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    std::optional<int> move;
    bool edited = false;
    bool input = true;
    const int t = model_.temperature();
    if (window == form_window_ && message == WM_HSCROLL &&
        reinterpret_cast<HWND>(lparam) == bar_) {
      SCROLLINFO info{.cbSize = sizeof(SCROLLINFO), .fMask = SIF_POS | SIF_TRACKPOS};
      GetScrollInfo(bar_, SB_CTL, &info);
      if (info.nPos != t) {
        Note("the bar stands at " + std::to_string(info.nPos) + " before a scroll message, the "
             "temperature in force is " + std::to_string(t));
      }
      const int code = LOWORD(wparam);
      if (const auto step = StepOf(code)) {
        move = model_.Step(*step);
      } else if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        // Outside a press a report is a move to its position. Within one, the first report is
        // the box where it was pressed; the box counts as moved once a report differs from it,
        // and a report of it back there puts the bar's position at the press.
        const int reported = HIWORD(wparam);
        std::optional<int> to = reported;
        if (bar_at_press_) {
          if (!box_first_report_) box_first_report_ = reported;
          box_moved_ = box_moved_ || reported != *box_first_report_;
          to = !box_moved_                       ? std::nullopt
               : reported == *box_first_report_ ? bar_at_press_
                                                 : std::optional(reported);
        }
        if (to && *to != t) move = *to;
      } else if (code == SB_ENDSCROLL) {
        box_first_report_.reset();
        box_moved_ = false;
        bar_at_press_.reset();
      }
    } else if (window == form_window_ && (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL)) {
      const bool sideways = message == WM_MOUSEHWHEEL;
      UINT lines = 3;
      SystemParametersInfoW(sideways ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0,
                            &lines, 0);
      const bool by_page = (GET_KEYSTATE_WPARAM(wparam) & (MK_CONTROL | MK_SHIFT)) != 0 ||
                           lines == WHEEL_PAGESCROLL;
      // Toward the user, or to the right, is up the range.
      const int delta = GET_WHEEL_DELTA_WPARAM(wparam);
      move = model_.Wheel(sideways ? delta : -delta, lines, by_page, sideways);
    } else if (window == box_ && message == WM_CHAR) {
      const auto c = static_cast<char16_t>(wparam);
      if (c == u'\b') {
        edited = model_.Erase(true, false);
      } else if (c >= u' ' && c != 0x7F) {
        edited = model_.Replace(std::u16string_view(&c, 1));
      }
    } else if (window == box_ && message == WM_PASTE) {
      if (auto text = ClipboardText()) edited = model_.Replace(Units(PastedPart(*text)));
    } else if (window == box_ && message == WM_CLEAR) {
      edited = model_.Replace(u"");
    } else if (window == box_ && message == WM_KEYDOWN && wparam == VK_DELETE) {
      edited = model_.Erase(false, false);
    } else if (window == bar_ && (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)) {
      box_first_report_.reset();
      box_moved_ = false;
      bar_at_press_ = t;
      input = false;
    } else if (window == box_ && message == EM_SETSEL) {
      // -1 as the start keeps only the caret; positions beyond the text mean its end.
      const auto start = static_cast<UINT>(wparam), end = static_cast<UINT>(lparam);
      if (start == kNoPosition) model_.Select(model_.caret(), model_.caret());
      else model_.Select(start, end);
      input = false;
    } else {
      input = false;
    }
    const WNDPROC procedure = window == box_   ? box_procedure_
                              : window == bar_ ? bar_procedure_
                                               : form_procedure_;
    const LRESULT result = CallWindowProcW(procedure, window, message, wparam, lparam);
    if (move) model_.MovedTo(*move);
    if (edited) model_.TextChanged();
    if (input && in_drag_) CompareWithModel(false);
    return result;
  }

  // --- Comparing the window with the model ---

  void Note(std::string mismatch) {
    if (mismatch_.empty() && !mismatch.empty()) {
      mismatch_ = std::move(mismatch) + (in_drag_ ? " (within a drag)" : "");
    }
  }

  // Within a drag the message of an entry refused there waits in the queue behind the drag's own
  // input, so it may come later; but no message may come for an entry that was not refused.
  void CompareWithModel(bool settled) {
    const int t = model_.temperature();
    Note(model_.Difference(
        {.label = Narrow(WindowTextOf(label_)), .bar = GetScrollPos(bar_, SB_CTL),
         .box = Units(WindowTextOf(box_)),
         .messages = settled ? std::optional(errors_.size()) : std::nullopt,
         .cell_shows = [&](int z, ColourValue colour) {
           CallWindowProcW(form_procedure_, form_window_, WM_CTLCOLORSTATIC,
                           reinterpret_cast<WPARAM>(colour_dc_),
                           reinterpret_cast<LPARAM>(Control(ElementRow(z).cell_name())));
           return GetTextColor(colour_dc_) == Painted(colour);
         }}));
    if (!settled && errors_.size() > model_.refused()) {
      Note(std::to_string(errors_.size()) + " messages for " + std::to_string(model_.refused()) +
           " refused entries");
    }
    for (; seen_errors_ < errors_.size(); ++seen_errors_) {
      if (errors_[seen_errors_].rfind("Overflow: ", 0) != 0) {
        Note("message " + errors_[seen_errors_]);
      }
    }
    // The tooltips describe the cells at the temperature the window holds in force.
    const ElementStateRow& row = kElementStateTable[static_cast<std::size_t>(t) % kElementCount];
    NMTTDISPINFOW request{};
    request.hdr = {form_.tooltips().window(), reinterpret_cast<UINT_PTR>(Control(row.cell_name())),
                   TTN_GETDISPINFOW};
    CallWindowProcW(form_procedure_, form_window_, WM_NOTIFY, 0,
                    reinterpret_cast<LPARAM>(&request));
    if (!request.lpszText ||
        Narrow(request.lpszText) != ElementSummary(row, static_cast<std::int16_t>(t))) {
      Note(std::string(row.cell_name()) + "'s tooltip is not its summary at " + std::to_string(t));
    }
  }

  // Lets the window handle what is queued, as the program's message loop does (Tab included);
  // with `paint`, the painting too, which otherwise waits, as it does for a fast user, and
  // gathers the changes of several actions.
  void Settle(bool paint) {
    const UINT what =
        paint ? PM_REMOVE : PM_REMOVE | PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, what)) {
      if (IsDialogMessageW(form_window_, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // Ends one action: false, with the failure reported, once the window and the model differ.
  bool Done(std::string action) {
    Settle(actions_done_ % kPaintEvery == 0);
    CompareWithModel(true);
    recent_.push_back(std::to_string(++actions_done_) + ": " + std::move(action));
    if (recent_.size() > 8) recent_.pop_front();
    if (mismatch_.empty()) return true;
    std::string trail;
    for (const std::string& line : recent_) trail += "\n  " + line;
    ADD_FAILURE() << "seed " << seed_ << ", after action " << actions_done_ << ": " << mismatch_
                  << "\nlast actions:" << trail;
    return false;
  }

  // --- Random input ---

  int Below(int n) { return static_cast<int>(dice_() % static_cast<std::uint64_t>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool OneIn(int n) { return Below(n) == 0; }
  template <typename T, std::size_t N>
  T Of(const T (&items)[N]) {
    return items[Below(static_cast<int>(N))];
  }
  wchar_t Of(std::wstring_view characters) {
    return characters[static_cast<std::size_t>(Below(static_cast<int>(characters.size())))];
  }

  std::wstring NumberText() {
    std::wstring text;
    switch (Below(6)) {
      case 0: {
        static const wchar_t* const kBounds[] = {L"0", L"6000", L"-0", L"6000.5", L"5999.5",
                                                 L"-0.5", L"0.5", L"2.5", L"&HFFFF", L"&H1770"};
        return Of(kBounds);
      }
      case 1: text = (OneIn(2) ? L"&H" : L"&o") + std::to_wstring(Between(0, 999999)); break;
      case 2:
        text = std::to_wstring(Between(-99, 99)) + L"e" + std::to_wstring(Between(-3, 4));
        break;
      default: text = std::to_wstring(Between(-1000, 7000));
    }
    if (OneIn(3)) text += L"." + std::to_wstring(Between(0, 999));
    if (OneIn(4)) {
      text.insert(static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1)), L" ");
    }
    if (OneIn(5)) text += Of({L"abc", L" K", L"d3", L"\t", L"\x00A0" L"1"});
    return text;
  }

  std::wstring OddText(int length) {
    std::wstring text;
    for (int i = 0; i < length; ++i) {
      const wchar_t c = OneIn(2) ? Of(kNumberCharacters) : Of(kOddCharacters);
      text += c == 0 ? L'?' : c;  // the clipboard's text ends at the first NUL
    }
    return text;
  }

  // Up to 64 KiB. Runs of digits stay short: Wine's edit control lays a run of digits out in
  // time growing with its square (60,000 digits take it 1.5 s for every edit).
  std::wstring LongText() {
    const auto length = static_cast<std::size_t>(Between(1024, 64 * 1024));
    const auto digits = static_cast<std::size_t>(Between(400, 2048));
    switch (Below(5)) {
      case 0: return NumberText() + std::wstring(length, L'x');
      case 1: return std::wstring(length, L' ') + NumberText();  // read across every blank
      case 2: return std::wstring(length, L'\t') + L"-" + std::wstring(digits, L'9');
      case 3: return std::wstring(digits, L'0') + std::to_wstring(Between(0, 9000));
      default: return std::wstring(digits, L'7') + std::wstring(length, L'K');  // beyond a double
    }
  }

  std::wstring PasteText() {
    switch (Below(12)) {
      case 0: case 1: case 2: case 3: return NumberText();
      case 4: case 5: return Of(kOverflows);
      case 6: return NumberText() + Of({L"\r\n", L"\n", L"\r\n\r\n"}) + NumberText();
      case 7: return Of({L"\n42", L"", L"\r\n"});
      case 8: case 9: return OddText(Between(1, 20));
      case 10: return LongText();
      default: return NumberText() + std::wstring(1, L'\0') + L"99";
    }
  }

  // What the box is about to paste: the clipboard as it is, whoever set it.
  std::optional<std::wstring> ClipboardText() {
    if (!OpenClipboard(form_window_)) return clipboard_;
    std::optional<std::wstring> text;
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* characters = static_cast<const wchar_t*>(GlobalLock(memory))) {
        text = characters;
        GlobalUnlock(memory);
      }
    }
    CloseClipboard();
    return text;
  }

  void SetClipboard(std::optional<std::wstring> text) {
    ASSERT_TRUE(PutOnClipboard(form_window_, text));
    clipboard_ = std::move(text);
  }

  void SendWheel(HWND to, bool post) {
    static const int kDeltas[] = {120, -120, 240, -240, 40, -40, 60, -60, 1, -1, 119, -121,
                                  1200, -1200, 32767, -32768};
    const WPARAM keys = OneIn(6) ? Of({MK_CONTROL, MK_SHIFT, MK_CONTROL | MK_SHIFT}) : 0;
    const WPARAM wparam = MAKEWPARAM(keys, static_cast<WORD>(Of(kDeltas)));
    const UINT message = OneIn(4) ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL;  // a tilt, a sideways swipe
    if (post) {
      PostMessageW(to, message, wparam, MAKELPARAM(100, 100));
    } else {
      SendMessageW(to, message, wparam, MAKELPARAM(100, 100));
    }
  }

  WPARAM BarKey() {
    return Of({VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END});
  }

  int ScrollCode() {
    return Of({SB_LINELEFT, SB_LINERIGHT, SB_PAGELEFT, SB_PAGERIGHT, SB_LEFT, SB_RIGHT,
               SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL});
  }

  // Something else arriving while the scroll box is held: it waits in the queue between the
  // mouse moves and is handled inside the bar's tracking loop, where the tracking position is
  // the scroll box's.
  void PostDuringDrag() {
    switch (Below(5)) {
      case 0: PostMessageW(box_, WM_CHAR, Of(kNumberCharacters), 1); break;
      case 1: PostMessageW(bar_, WM_KEYDOWN, BarKey(), 1); break;
      case 2: SendWheel(OneIn(2) ? box_ : bar_, true); break;
      case 3: PostMessageW(box_, WM_PASTE, 0, 0); break;
      default:
        PostMessageW(form_window_, WM_HSCROLL,
                     MAKEWPARAM(Of({SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}), Below(6001)),
                     reinterpret_cast<LPARAM>(bar_));
    }
  }

  // A real drag: the moves (some beyond the ends, some far off the bar, where the scroll box
  // goes back) and the release wait in the queue; the press runs the bar's tracking loop.
  std::string Drag() {
    SCROLLBARINFO info{.cbSize = sizeof(SCROLLBARINFO)};
    GetScrollBarInfo(bar_, OBJID_CLIENT, &info);
    const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    int x = (info.xyThumbTop + info.xyThumbBottom) / 2;
    int y = height / 2;
    const LPARAM press = MAKELPARAM(x, y);
    const int steps = Between(1, 24);
    for (int step = 0; step < steps; ++step) {
      switch (Below(12)) {
        case 0: x += Between(-700, 700); break;
        case 1: y = OneIn(2) ? Between(-150, 150) : height / 2; break;
        default: x += Between(-12, 12);
      }
      PostMessageW(bar_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
      if (OneIn(6)) PostDuringDrag();
    }
    PostMessageW(bar_, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    in_drag_ = true;
    SendMessageW(bar_, WM_LBUTTONDOWN, MK_LBUTTON, press);
    in_drag_ = false;
    return "drag of " + std::to_string(steps) + " steps";
  }

  // A click on an arrow, in the track or on the scroll box, released at once.
  std::string ClickBar() {
    RECT client;
    GetClientRect(bar_, &client);
    const LPARAM at = MAKELPARAM(Between(0, client.right - 1), client.bottom / 2);
    PostMessageW(bar_, WM_LBUTTONUP, 0, at);
    in_drag_ = true;
    SendMessageW(bar_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    in_drag_ = false;
    return "click on the bar at " + std::to_string(LOWORD(at));
  }

  std::string TypeNumber() {
    if (OneIn(2)) SendMessageW(box_, EM_SETSEL, 0, -1);
    SetFocus(box_);
    const std::wstring number = NumberText();
    for (std::size_t i = 0; i + 1 < number.size(); ++i) {
      SendMessageW(box_, WM_CHAR, number[i], 1);
      if (!Done("type U+" + Hex(number[i]))) return "";
    }
    SendMessageW(box_, WM_CHAR, number.back(), 1);
    return "type U+" + Hex(number.back()) + ", the end of " + Excerpt(number);
  }

  std::string Paste() {
    if (!clipboard_ || !OneIn(3)) {
      SetClipboard(OneIn(40) ? std::nullopt : std::optional(PasteText()));
    }
    if (OneIn(2)) SendMessageW(box_, EM_SETSEL, 0, -1);
    SendMessageW(box_, WM_PASTE, 0, 0);
    return "paste " + (clipboard_ ? Excerpt(*clipboard_) : std::string("(no text)"));
  }

  std::string EraseAll() {
    SendMessageW(box_, EM_SETSEL, 0, -1);
    switch (Below(3)) {
      case 0: SendMessageW(box_, WM_CLEAR, 0, 0); return "select all, clear";
      case 1: SendMessageW(box_, WM_KEYDOWN, VK_DELETE, 1); return "select all, Delete";
      default: SendMessageW(box_, WM_CHAR, L'\b', 1); return "select all, Backspace";
    }
  }

  std::string Select() {
    const int length = static_cast<int>(model_.box().size());
    const auto start = static_cast<WPARAM>(OneIn(8) ? -1 : Between(0, length + 1));
    const auto end = static_cast<LPARAM>(OneIn(8) ? -1 : Between(0, length + 1));
    SendMessageW(box_, EM_SETSEL, start, end);
    return "select " + std::to_string(static_cast<int>(start)) + ".." + std::to_string(end);
  }

  std::string PressKey() {
    const WPARAM key = BarKey();
    if (OneIn(2)) SetFocus(bar_);
    SendMessageW(bar_, WM_KEYDOWN, key, 1);
    SendMessageW(bar_, WM_KEYUP, key, 1);
    return "key " + std::to_string(key) + " on the bar";
  }

  std::string SendScroll() {
    const int code = ScrollCode();
    // Now and then from a bar that is not Scroll_T: the window's own, or the box.
    const HWND from = OneIn(10) ? (OneIn(2) ? nullptr : box_) : bar_;
    SendMessageW(form_window_, WM_HSCROLL, MAKEWPARAM(code, Below(6001)),
                 reinterpret_cast<LPARAM>(from));
    return "WM_HSCROLL " + std::to_string(code) + (from == bar_ ? "" : " from another window");
  }

  std::string TurnWheel() {
    if (OneIn(30)) {
      const UINT lines = Of({0u, 1u, 3u, 5u, 20u, static_cast<UINT>(WHEEL_PAGESCROLL)});
      SystemParametersInfoW(OneIn(2) ? SPI_SETWHEELSCROLLLINES : SPI_SETWHEELSCROLLCHARS, lines,
                            nullptr, 0);
    }
    const HWND to = Of({box_, bar_, form_window_, Control("Label_080_Hg"), GetFocus()});
    SendWheel(to ? to : form_window_, false);
    return "wheel";
  }

  std::string PressTab() {
    HWND focus = GetFocus();
    if (!focus) focus = form_window_;
    PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
    PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC00F0001);
    return "Tab";
  }

  std::string TypeOdd() {
    if (OneIn(4)) SetFocus(box_);
    const wchar_t c = Of(kOddCharacters);
    SendMessageW(box_, WM_CHAR, c, 1);
    return "type U+" + Hex(c);
  }

  std::string RandomAction() {
    const int roll = Below(100);
    if (roll < 9) return TypeNumber();
    if (roll < 18) return TypeOdd();
    if (roll < 25) { SendMessageW(box_, WM_CHAR, L'\b', 1); return "Backspace"; }
    if (roll < 35) return Paste();
    if (roll < 40) return EraseAll();
    if (roll < 45) return Select();
    if (roll < 60) return PressKey();
    if (roll < 72) return SendScroll();
    if (roll < 83) return TurnWheel();
    if (roll < 87) return PressTab();
    if (roll < 93) return Drag();
    return ClickBar();
  }

  HWND form_window_ = nullptr;
  HWND box_ = nullptr;
  HWND bar_ = nullptr;
  HWND label_ = nullptr;
  HDC colour_dc_ = nullptr;
  static inline RandomActionsTest* watching_ = nullptr;
  WNDPROC form_procedure_ = nullptr;  // Form1's own: asked directly what it paints
  WNDPROC box_procedure_ = nullptr;
  WNDPROC bar_procedure_ = nullptr;
  UINT saved_wheel_lines_ = 3;
  UINT saved_wheel_chars_ = 3;
  std::uint64_t seed_ = 0;
  std::mt19937_64 dice_;
  FormModel model_;
  std::optional<int> box_first_report_;  // the scroll box's report at the press on the bar
  bool box_moved_ = false;
  std::optional<int> bar_at_press_;  // during a press on the bar
  std::optional<std::wstring> clipboard_;
  bool in_drag_ = false;
  std::string mismatch_;
  std::size_t seen_errors_ = 0;
  int actions_done_ = 0;
  std::deque<std::string> recent_;
};

TEST_P(RandomActionsTest, WindowShowsTheTemperatureInForceAfterEveryAction) {
  seed_ = SeedOf(GetParam().seed);
  dice_.seed(seed_);
  const int actions = ActionsPerRun();
  std::printf("[ random   ] %s: seed %" PRIu64 ", %d actions\n", GetParam().name, seed_, actions);
  std::fflush(stdout);
  RecordProperty("seed", std::to_string(seed_));
  ASSERT_TRUE(Done("start"));
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceCounter(&start);
  while (actions_done_ <= actions) {
    std::string action = RandomAction();
    if (HasFailure() || !Done(std::move(action))) break;
  }
  QueryPerformanceCounter(&end);
  QueryPerformanceFrequency(&frequency);
  std::printf("[ random   ] %d actions in %.1f s, %zu refused entries, ending at %d K\n",
              actions_done_ - 1,
              static_cast<double>(end.QuadPart - start.QuadPart) /
                  static_cast<double>(frequency.QuadPart),
              model_.refused(), model_.temperature());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomActionsTest,
                         testing::Values(Run{"Seed20240611", 20240611},
                                         Run{"Seed20261209", 20261209}),
                         [](const testing::TestParamInfo<Run>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace velmora::win32
