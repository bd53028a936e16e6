// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Reads each input as a sequence of things a person does to the real Qt window — typing into the
// text box, pasting (up to 64 KiB, UTF-8 or not, through the clipboard and Ctrl+V), deleting,
// dragging the scroll box, keys, clicks and the wheel on the scroll bar, Tab, a value set by a
// screen reader — delivers each through Qt's own event path (QTest's spontaneous mouse and key
// events, a wheel event sent as the window system sends it) on the offscreen platform, and after
// every action checks the window:
//   - `Label_T` shows the temperature in force, a whole number 0..6000, and every cell with data
//     is in its state's colour there (cells 97..109 in the no-data colour);
//   - the scroll bar reads the temperature in force, during a drag too, and where the action put
//     it: keys, drag steps, left and middle clicks and screen-reader values are worked out here
//     from the bar's geometry and range;
//   - the text box holds what the edit left in it, "0" or "6000" after a correction, or nothing
//     after a move of the bar;
//   - an entry that cannot be applied changed nothing and opened exactly one message box, which is
//     then closed with Enter as a person would; no other action opens one.
// What the window must show comes from the form model (window/tests/form_model.h), told every
// edit and move as the window receives it.
// Everything is created once; after each input the window is brought back to its start state
// (298 K, an empty box, the focus on the scroll bar) by typing 298 and moving the bar away and
// back, and that state is checked, so that no input depends on the ones before it.
//
// Input: actions one after another, each an action byte and its operand bytes (a missing operand
// reads 0). The letters below name the actions; any other byte picks one by its value.
//   t c        type c into the box: printable ASCII as itself, 0x09 Tab, 0x0D Return, other
//              bytes a character from kOtherCharacters (non-ASCII, a surrogate pair, a lone
//              surrogate, formatting and control characters)
//   b          Backspace in the box
//   x          Ctrl+A, Delete in the box
//   p H B R h.. b..   paste head (H & 15 bytes) + body (B & 15 bytes) repeated RepeatCount(R)
//              times, at most 64 KiB, as the clipboard's text/plain bytes, by Ctrl+V in the box;
//              H & 16 selects all first
//   H E l r    Home, End, Left, Right in the box (moves the cursor only)
//   C x        click in the box
//   d o n (x y)*n   drag: press on the scroll box (o: where on it), n & 15 moves, release
//   P o        press on the scroll box and hold it;  M x y  move while held;  R  release
//   k n        key on the scroll bar: Left, Up, Right, Down, PageUp, PageDown, Home, End
//   c x m      click on the scroll bar (m & 1: middle button)
//   w n m      wheel over the scroll bar: notches, Ctrl/Shift, horizontal, inverted (from m)
//   K n        a key the scroll bar does not use, pressed on it (a digit, a letter, Space,
//              Escape, Return, Backspace, Delete, Shift+Tab)
//   a v        a screen reader sets the bar's value to kScreenReaderValues[v] (or v * 24)
//   i z        point at the cell of element z % 109 + 1: its tooltip describes it at the
//              temperature in force
//   \t         Tab
// Key and edit actions first move the focus with Tab to the control they need, as a person would.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSpontaneKeyEvent>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "elements/element_summary.h"
#include "window/control_names.h"
#include "window/qt/app_setup.h"
#include "window/qt/form1.h"
#include "window/qt/form_label.h"
#include "window/qt/temperature_scroll_bar.h"
#include "window/qt/tests/form_driving.h"
#include "window/qt/tests/offscreen_messages.h"
#include "window/tests/form_model.h"

namespace {

using velmora::qt::Form1;
using velmora::qt::FormLabel;
using velmora::qt::TemperatureScrollBar;
using velmora::FormModel;
using BarStep = velmora::FormModel::BarStep;

constexpr std::size_t kMaxActions = 256;
constexpr qsizetype kMaxPaste = 64 * 1024;
// Per input, so that no input runs for long: the bytes pasted, and the characters left in the box
// after each action (each edit of a long text lays all of it out again).
constexpr qsizetype kPasteBudget = 256 * 1024;
constexpr qsizetype kBoxBudget = 512 * 1024;

const char16_t* const kOtherCharacters[] = {
    u"\u00E9",        // é
    u"\u0663",        // Arabic-Indic digit three
    u"\uFF15",        // fullwidth digit five
    u"\u00A0",        // no-break space
    u"\u2212",        // minus sign
    u"\u200B",        // zero width space (a formatting character: typed)
    u"\u200D",        // zero width joiner
    u"\U0001F600",    // a surrogate pair
    u"\xD800",        // a lone high surrogate (not typed)
    u"\uE000",        // private use
    u"\u0301",        // combining acute accent
    u"\uFFFD",        // replacement character
    u"\u2028",        // line separator
    u"\u0085",        // next line (not typed)
    u"\x1B",          // escape (not typed)
    u"\u00BD",        // vulgar fraction one half
};

// Values a screen reader may set; the strings go through QVariant's conversion to a number.
const QVariant kScreenReaderValues[] = {
    std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(), -0.0, 0.5, 1.5, 2.5, 297.5, 5999.5, 6000.4,
    6000.5, 1e300, -1e300, -0.5, std::numeric_limits<double>::max(),
    std::numeric_limits<double>::denorm_min(), QString("12.5"), QString("abc"), QString("nan"),
    QString("1e400"), QString(" 42 "), 298, 7000, -1,
};

// The actions, by the letter that names them in an input.
constexpr char kActionLetters[] = "tbxpHElrCdPMRkKcwai\t";

std::string trace;  // the actions of the current input, printed when a check fails

[[noreturn]] void Fail(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::fprintf(stderr, "user actions left the window inconsistent: ");
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fprintf(stderr, "\nactions of this input:\n%s", trace.c_str());
  std::abort();
}

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return size_ == 0; }
  std::uint8_t Next() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// 0..100 as themselves, then doubling from 2 up to 65536.
qsizetype RepeatCount(std::uint8_t r) {
  return r <= 100 ? r : qsizetype{1} << std::min(16, r - 100);
}

std::string Printable(const QString& text) {
  std::string shown = text.left(40).toStdString();
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  if (text.size() > 40) shown += "... (" + std::to_string(text.size()) + " UTF-16 units)";
  return shown;
}

class Session {
 public:
  Session() {
    form_.Load();
    form_.show();
    if (!QTest::qWaitForWindowExposed(&form_)) Fail("the window never became visible");
    box_ = static_cast<QLineEdit*>(form_.Control(velmora::control::Text_T));
    bar_ = static_cast<TemperatureScrollBar*>(form_.Control(velmora::control::Scroll_T));
    label_ = static_cast<FormLabel*>(form_.Control(velmora::control::Label_T));
    for (int z = 1; z <= velmora::kElementCount; ++z) {
      cells_[std::size_t(z - 1)] =
          static_cast<FormLabel*>(form_.Control(velmora::ElementRow(z).cell_name()));
    }
    CheckStartState();
  }

  void Run(Reader& input) {
    trace.clear();
    paste_budget_ = kPasteBudget;
    qsizetype box_budget = kBoxBudget;
    for (std::size_t n = 0; n < kMaxActions && !input.AtEnd() && box_budget > 0; ++n) {
      Act(input);
      box_budget -= box_->text().size();
    }
    Reset();
    if (show_trace_) std::fprintf(stderr, "%s", trace.c_str());
  }

 private:
  void Note(const char* format, ...) {
    char line[160];
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    trace.append("  ").append(line).append("\n");
  }

  void Act(Reader& in) {
    const std::uint8_t op = in.Next();
    const char* letter = std::strchr(kActionLetters, op);
    const char action = op != 0 && letter ? static_cast<char>(op)
                                          : kActionLetters[op % (sizeof kActionLetters - 1)];
    switch (action) {
      case 't': TypeCharacter(in.Next()); break;
      case 'b': Backspace(); break;
      case 'x': SelectAllAndDelete(); break;
      case 'p': Paste(in); break;
      case 'H': BoxCursorKey(Qt::Key_Home); break;
      case 'E': BoxCursorKey(Qt::Key_End); break;
      case 'l': BoxCursorKey(Qt::Key_Left); break;
      case 'r': BoxCursorKey(Qt::Key_Right); break;
      case 'C': ClickBox(in.Next()); break;
      case 'd': Drag(in); break;
      case 'P': Press(in.Next()); break;
      case 'M': {
        const std::uint8_t x = in.Next();
        MoveHeld(x, in.Next());
        break;
      }
      case 'R': Release(); break;
      case 'k': BarKey(in.Next()); break;
      case 'K': UnusedKeyOnBar(in.Next()); break;
      case 'c': {
        const std::uint8_t x = in.Next();
        ClickBar(x, in.Next());
        break;
      }
      case 'w': {
        const std::uint8_t notches = in.Next();
        Wheel(notches, in.Next());
        break;
      }
      case 'a': ScreenReaderSets(in.Next()); break;
      case 'i': PointAtCell(in.Next()); break;
      case '\t': Tab(); break;
    }
  }

  // --- the text box --------------------------------------------------------------------------

  // Tab until `target` has the focus (a Tab into the box selects its text, as Qt does).
  void FocusByTab(QWidget* target) {
    if (!velmora::qt::FocusByTab(form_, target)) {
      Fail("Tab does not reach %s", target == box_ ? "the box" : "the bar");
    }
    Check();
  }

  void Tab() {
    Note("Tab");
    QWidget* focus = QApplication::focusWidget();
    if (!focus) Fail("no control has the focus");
    QTest::keyClick(focus, Qt::Key_Tab);
    Check();
  }

  // Tells the model where the box's selection, or its cursor, is before an edit.
  void SyncSelection() {
    const int start = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
    const int end = box_->hasSelectedText() ? start + box_->selectionLength() : start;
    model_.Select(std::size_t(start), std::size_t(end));
  }

  // The box reported a change when the edit removed or inserted text.
  void Edited(bool edited) {
    if (edited) model_.TextChanged();
    Check();
  }

  void TypeCharacter(std::uint8_t c) {
    if (c == 0x09) return Tab();
    QString text;
    Qt::Key key = Qt::Key_unknown;
    if (c == 0x0D) {
      key = Qt::Key_Return;
      text = QStringLiteral("\r");
    } else if (c >= 0x20 && c < 0x7F) {
      text = QChar(c);
      key = Qt::Key(QChar(c).toUpper().unicode());
    } else {
      text = QString::fromUtf16(kOtherCharacters[c % std::size(kOtherCharacters)]);
    }
    Note("type U+%04X%s", text.at(0).unicode(), text.size() > 1 ? " (pair)" : "");
    FocusByTab(box_);
    // What QLineEdit takes as typed text: printable and formatting characters, private use and
    // whole surrogate pairs; Return and control characters insert nothing.
    const QChar first = text.at(0);
    const bool pair = first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate();
    const bool inserted = key != Qt::Key_Return &&
                          (first.category() == QChar::Other_Format || first.isPrint() ||
                           first.category() == QChar::Other_PrivateUse || pair);
    SyncSelection();
    const bool edited = inserted && model_.Replace(text.toStdU16String());
    QTest::sendKeyEvent(QTest::Click, box_, key, text, Qt::NoModifier);
    Edited(edited);
  }

  void Backspace() {
    Note("Backspace");
    FocusByTab(box_);
    SyncSelection();
    const bool edited = model_.Erase(true, true);  // a surrogate pair goes as one character
    QTest::keyClick(box_, Qt::Key_Backspace);
    Edited(edited);
  }

  void SelectAllAndDelete() {
    Note("Ctrl+A, Delete");
    FocusByTab(box_);
    QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
    Check();
    SyncSelection();
    const bool edited = model_.Erase(false, true);
    QTest::keyClick(box_, Qt::Key_Delete);
    Edited(edited);
  }

  void Paste(Reader& in) {
    const std::uint8_t h = in.Next();
    const std::uint8_t b = in.Next();
    const std::uint8_t r = in.Next();
    QByteArray head, body;
    for (int i = 0; i < (h & 15); ++i) head += char(in.Next());
    for (int i = 0; i < (b & 15); ++i) body += char(in.Next());
    QByteArray bytes = head;
    const qsizetype room = std::min(kMaxPaste, paste_budget_) - bytes.size();
    if (!body.isEmpty() && room > 0) {
      bytes += body.repeated(std::min(RepeatCount(r), room / body.size()));
    }
    paste_budget_ -= bytes.size();
    Note("paste %lld bytes \"%s\"%s", static_cast<long long>(bytes.size()),
         Printable(QString::fromLatin1(bytes.left(24))).c_str(), h & 16 ? " over all" : "");
    FocusByTab(box_);
    if (h & 16) {
      QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
      Check();
    }
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), bytes);
    QApplication::clipboard()->setMimeData(data);
    // Qt reads text/plain bytes as UTF-8, each invalid sequence a replacement character.
    SyncSelection();
    const bool edited = model_.Replace(QString::fromUtf8(bytes).toStdU16String());
    QTest::keyClick(box_, Qt::Key_V, Qt::ControlModifier);
    Edited(edited);
  }

  void BoxCursorKey(Qt::Key key) {
    Note("cursor key %s in the box", key == Qt::Key_Home ? "Home" : key == Qt::Key_End ? "End"
                                     : key == Qt::Key_Left ? "Left" : "Right");
    FocusByTab(box_);
    QTest::keyClick(box_, key);
    Check();
  }

  void ClickBox(std::uint8_t x) {
    if (held_) Release();  // one mouse: the button holding the scroll box lets go first
    const QPoint at(x % box_->width(), box_->height() / 2);
    Note("click in the box at %d", at.x());
    QTest::mouseClick(box_, Qt::LeftButton, {}, at);
    Check();
  }

  // --- the scroll bar ------------------------------------------------------------------------

  QStyleOptionSlider BarOption() const { return velmora::qt::BarOption(*bar_); }
  QRect BarPart(QStyle::SubControl part) const { return velmora::qt::BarPart(*bar_, part); }
  // The value for the scroll box's left edge at pixel x of the bar, as a drag places it.
  int ValueAtPixel(int x) const {
    const QRect groove = BarPart(QStyle::SC_ScrollBarGroove);
    const int length = BarPart(QStyle::SC_ScrollBarSlider).width();
    return QStyle::sliderValueFromPosition(bar_->minimum(), bar_->maximum(), x - groove.x(),
                                           groove.width() - length, false);
  }

  // Runs a user action on the bar. It moved the bar when the value changed (or, for a screen
  // reader, always): the box is emptied and the temperature in force is the new value, which
  // must be `where`, if known.
  // The bar's value after a step from the temperature in force.
  int After(BarStep step) const { return model_.Step(step).value_or(model_.temperature()); }

  template <typename Action>
  void OnBar(Action action, std::optional<int> where, bool always_a_move = false) {
    const int before = bar_->value();
    action();
    const int after = bar_->value();
    if (where && after != *where) Fail("the bar reads %d, the user put it at %d", after, *where);
    if (after != before || always_a_move) model_.MovedTo(after);
    Check();
  }

  void BarKey(std::uint8_t k) {
    static constexpr Qt::Key kKeys[] = {Qt::Key_Left,   Qt::Key_Up,       Qt::Key_Right,
                                        Qt::Key_Down,   Qt::Key_PageUp,   Qt::Key_PageDown,
                                        Qt::Key_Home,   Qt::Key_End};
    static constexpr const char* kNames[] = {"Left",   "Up",       "Right", "Down",
                                             "PageUp", "PageDown", "Home",  "End"};
    static constexpr BarStep kSteps[] = {BarStep::SmallDown, BarStep::SmallDown, BarStep::SmallUp,
                                         BarStep::SmallUp,   BarStep::PageDown,  BarStep::PageUp,
                                         BarStep::ToLowest,  BarStep::ToHighest};
    const int i = k % 8;
    Note("key %s on the bar", kNames[i]);
    FocusByTab(bar_);
    OnBar([&] { QTest::keyClick(bar_, kKeys[i]); }, After(kSteps[i]));
  }

  void UnusedKeyOnBar(std::uint8_t k) {
    static constexpr Qt::Key kKeys[] = {Qt::Key_5,      Qt::Key_A,         Qt::Key_Space,
                                        Qt::Key_Escape, Qt::Key_Return,    Qt::Key_Backspace,
                                        Qt::Key_Delete, Qt::Key_Backtab};
    const Qt::Key key = kKeys[k % std::size(kKeys)];
    Note("key 0x%x on the bar", unsigned(key));
    FocusByTab(bar_);
    const Qt::KeyboardModifiers shift =
        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    OnBar([&] { QTest::keyClick(bar_, key, shift); }, bar_->value());
  }

  void Press(std::uint8_t offset) {
    if (held_) Release();
    const QRect grip = BarPart(QStyle::SC_ScrollBarSlider);
    const QPoint at(grip.left() + offset % std::max(1, grip.width()), grip.center().y());
    Note("press on the scroll box at %d", at.x());
    grip_offset_ = at.x() - grip.left();
    snap_back_ = bar_->sliderPosition();
    OnBar([&] { QTest::mousePress(bar_, Qt::LeftButton, {}, at); }, bar_->value());
    held_ = true;
    if (!bar_->isSliderDown()) Fail("a press on the scroll box did not take it");
  }

  void MoveHeld(std::uint8_t x_byte, std::uint8_t y_byte) {
    if (!held_) return;
    static constexpr int kAcross[] = {0, 0, 0, 0, 5, -8, 30, -200};
    const int x = -40 + x_byte * (bar_->width() + 80) / 255;
    const QPoint at(x, bar_->height() / 2 + kAcross[y_byte % 8]);
    Note("move to %d,%d", at.x(), at.y());
    int where = ValueAtPixel(at.x() - grip_offset_);
    const QStyleOptionSlider option = BarOption();
    const int reach = bar_->style()->pixelMetric(QStyle::PM_MaximumDragDistance, &option, bar_);
    if (reach >= 0 && !bar_->rect().adjusted(-reach, -reach, reach, reach).contains(at)) {
      where = snap_back_;  // dragged too far off the bar: the box goes back where it was
    }
    OnBar([&] { QTest::mouseMove(bar_, at); }, where);
    if (!bar_->isSliderDown()) Fail("the scroll box was let go during a drag");
  }

  void Release() {
    if (!held_) return;
    Note("release");
    const QPoint at = BarPart(QStyle::SC_ScrollBarSlider).center();
    OnBar([&] { QTest::mouseRelease(bar_, Qt::LeftButton, {}, at); }, bar_->value());
    held_ = false;
  }

  void Drag(Reader& in) {
    Press(in.Next());
    const int moves = in.Next() & 15;
    for (int i = 0; i < moves; ++i) {
      const std::uint8_t x = in.Next();
      MoveHeld(x, in.Next());
    }
    Release();
  }

  void ClickBar(std::uint8_t x_byte, std::uint8_t mode) {
    if (held_) Release();  // one mouse
    const bool middle = mode & 1;
    const QPoint at(x_byte * (bar_->width() - 1) / 255, bar_->height() / 2);
    Note("%s click on the bar at %d", middle ? "middle" : "left", at.x());
    const QStyleOptionSlider option = BarOption();
    QStyle* style = bar_->style();
    const auto part = style->hitTestComplexControl(QStyle::CC_ScrollBar, &option, at, bar_);
    const bool middle_jumps =
        style->styleHint(QStyle::SH_ScrollBar_MiddleClickAbsolutePosition, &option, bar_);
    const bool left_jumps =
        style->styleHint(QStyle::SH_ScrollBar_LeftClickAbsolutePosition, &option, bar_);
    const int v = bar_->value();
    std::optional<int> where = v;
    if (middle && !middle_jumps) {
      where = v;  // the middle button does nothing on this style
    } else if ((part == QStyle::SC_ScrollBarAddPage || part == QStyle::SC_ScrollBarSubPage) &&
               (middle ? middle_jumps : left_jumps)) {
      // The scroll box jumps to centre on the click.
      where = ValueAtPixel(at.x() - BarPart(QStyle::SC_ScrollBarSlider).width() / 2);
    } else {
      switch (part) {
        case QStyle::SC_ScrollBarAddLine: where = After(BarStep::SmallUp); break;
        case QStyle::SC_ScrollBarSubLine: where = After(BarStep::SmallDown); break;
        case QStyle::SC_ScrollBarAddPage: where = After(BarStep::PageUp); break;
        case QStyle::SC_ScrollBarSubPage: where = After(BarStep::PageDown); break;
        default: break;
      }
    }
    const Qt::MouseButton button = middle ? Qt::MiddleButton : Qt::LeftButton;
    OnBar([&] { QTest::mouseClick(bar_, button, {}, at); }, where);
  }

  void Wheel(std::uint8_t notches_byte, std::uint8_t mode) {
    const int notches = static_cast<std::int8_t>(notches_byte) / 32;  // -4..3
    const Qt::KeyboardModifiers modifiers = (mode & 3) == 1   ? Qt::ControlModifier
                                            : (mode & 3) == 2 ? Qt::ShiftModifier
                                                              : Qt::NoModifier;
    const bool horizontal = mode & 4, inverted = mode & 8;
    Note("wheel %d notches%s%s%s", notches, modifiers ? " with a modifier" : "",
         horizontal ? " sideways" : "", inverted ? " inverted" : "");
    const QPoint angle = horizontal ? QPoint(notches * 120, 0) : QPoint(0, notches * 120);
    const QPointF at = QRectF(bar_->rect()).center();
    OnBar(
        [&] {
          QWheelEvent wheel(at, bar_->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                            Qt::NoScrollPhase, inverted);
          QSpontaneKeyEvent::setSpontaneous(&wheel);
          QApplication::sendEvent(bar_, &wheel);
        },
        std::nullopt);
  }

  void ScreenReaderSets(std::uint8_t v) {
    const QVariant value =
        v < std::size(kScreenReaderValues) ? kScreenReaderValues[v] : QVariant(v * 24);
    Note("screen reader sets %s", value.toString().toStdString().c_str());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(bar_);
    if (!bar || !bar->valueInterface()) Fail("the scroll bar offers no value to screen readers");
    bool is_number = false;
    const double number = value.toDouble(&is_number);
    const std::optional<int> where = is_number ? FormModel::AssistiveValue(number) : std::nullopt;
    OnBar([&] { bar->valueInterface()->setCurrentValue(value); }, where.value_or(bar_->value()),
          where.has_value());
  }

  // A person resting the pointer on a cell: Qt sends it a tooltip event there.
  void PointAtCell(std::uint8_t z_byte) {
    const int z = z_byte % velmora::kElementCount + 1;
    Note("point at element %d", z);
    FormLabel* cell = cells_[std::size_t(z - 1)];
    const QPoint at = cell->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, cell->mapToGlobal(at));
    QSpontaneKeyEvent::setSpontaneous(&help);
    QApplication::sendEvent(cell, &help);
    const int t = model_.temperature();
    const QString wanted =
        QString::fromStdString(velmora::ElementSummary(velmora::ElementRow(z), std::int16_t(t)));
    if (QToolTip::text() != wanted) {
      Fail("the tooltip of element %d reads \"%s\", not its state at %d K", z,
           Printable(QToolTip::text()).c_str(), t);
    }
    Check();
  }

  // --- the checks ----------------------------------------------------------------------------

  // After every action: the messages it opened, one for each entry refused since the last check
  // (closed here), then the window's state.
  void Check() {
    const int messages = int(model_.refused() - refused_seen_);
    refused_seen_ = model_.refused();
    int shown = 0;
    for (QMessageBox* box : form_.findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly)) {
      if (!box->isVisible()) continue;
      ++shown;
      if (!box->informativeText().startsWith(QStringLiteral("Overflow:"))) {
        Fail("the message is not an overflow: %s", box->informativeText().toStdString().c_str());
      }
    }
    if (shown != messages) Fail("%d message(s) open, %d expected", shown, messages);
    if (shown > 0) CloseMessages();
    CheckState();
  }

  // Closes the messages with Enter (their OK button; the mouse may be holding the scroll box)
  // and gives the window the focus back, as a click on it would.
  void CloseMessages() {
    velmora::qt::CloseMessageBoxes(form_);
    form_.activateWindow();
    QCoreApplication::processEvents();
    if (!form_.findChildren<QMessageBox*>().isEmpty()) Fail("a closed message box stays");
    if (!QApplication::focusWidget()) Fail("the window did not get the focus back");
  }

  void CheckState() {
    const std::string difference = model_.Difference(
        {.label = label_->caption().toStdString(), .bar = bar_->value(),
         .box = box_->text().toStdU16String(),
         .cell_shows = [&](int z, velmora::ColourValue colour) {
           return cells_[std::size_t(z - 1)]->fore_colour() == colour;
         }});
    if (!difference.empty()) Fail("%s", difference.c_str());
  }

  void CheckStartState() {
    if (model_.temperature() != FormModel::kStart || !model_.box().empty()) {
      Fail("the model is not at the start: %d K", model_.temperature());
    }
    CheckState();
    if (QApplication::focusWidget() != bar_) Fail("the scroll bar does not have the focus");
    if (held_ || bar_->isSliderDown()) Fail("the scroll box is held");
    if (!form_.findChildren<QMessageBox*>().isEmpty()) Fail("a message box is open");
    if (QApplication::topLevelWidgets() != QWidgetList{&form_}) {
      Fail("%lld top-level widgets besides the window are left",
           static_cast<long long>(QApplication::topLevelWidgets().size() - 1));
    }
  }

  // Back to the start state through the controls: 298 typed over the box's text, then the bar
  // moved one step and back, which empties the box.
  void Reset() {
    trace += "reset:\n";
    Release();
    FocusByTab(box_);
    QTest::keyClick(box_, Qt::Key_A, Qt::ControlModifier);
    Check();
    for (char c : std::string("298")) TypeCharacter(static_cast<std::uint8_t>(c));
    BarKey(2);  // Right
    BarKey(0);  // Left
    // Paints what changed and frees the clipboard's text, as the event loop and the next copy
    // would; the pointer leaves the table.
    QApplication::clipboard()->clear();
    QToolTip::hideText();
    QCoreApplication::processEvents();
    // A hidden tooltip is deleted later, and only an event loop deletes it: do it now, so that
    // no widget is left waiting for the process's exit.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CheckStartState();
  }

  Form1 form_;
  QLineEdit* box_ = nullptr;
  TemperatureScrollBar* bar_ = nullptr;
  FormLabel* label_ = nullptr;
  std::array<FormLabel*, velmora::kElementCount> cells_{};
  FormModel model_;
  std::size_t refused_seen_ = 0;  // refused entries whose message has been checked
  bool held_ = false;
  int grip_offset_ = 0;  // where on the scroll box the held press is, from its left edge
  int snap_back_ = 0;
  qsizetype paste_budget_ = kPasteBudget;
  // VELMORA_FUZZ_TRACE=1 prints the actions of every input, e.g. to read what a seed does.
  const bool show_trace_ = qEnvironmentVariableIsSet("VELMORA_FUZZ_TRACE");
};

Session* session = nullptr;

// The window, the widgets Qt deletes later and the application object go in that order before
// Qt's own data: libFuzzer ends a timed run with exit(), which runs this thread's thread_local
// destructors first, the newest first, and this one is made after Qt's.
struct TearDownAtExit {
  ~TearDownAtExit() {
    delete session;
    session = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete qApp;
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(velmora::qt::DropSizeHintNotice);
  static int argc = 1;
  static char name[] = "user_actions_fuzzer";
  static char* argv[] = {name, nullptr};
  auto* application = new QApplication(argc, argv);  // deleted by TearDownAtExit
  velmora::qt::SetUpApplication(*application);
  session = new Session;
  static thread_local TearDownAtExit tear_down;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader input(data, size);
  session->Run(input);
  return 0;
}
