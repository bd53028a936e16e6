// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What the form must show after each of a user's actions, for the tests that drive a real window
// with long sequences of them (the Win32 random-action test, the Qt user-action fuzzer, the
// text-entry fuzzer). The driver tells the model each action as the window receives it; the
// model works out the temperature in force, the text box (text and selection), the bar, every
// cell's colour and the number of refused entries from the window's rules, written out here once
// and never by calling the code the tests check: it has its own reader of the box's number, its
// own rounding, its own bar and wheel arithmetic and its own reading of the element table's
// thresholds. It knows no toolkit; texts are UTF-16 code units, as both windows hold them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window/colour_value.h"

namespace velmora {

// The number at the start of a text as the box reads it (blanks dropped anywhere, &H and &O,
// a decimal with a full stop and an exponent); nothing when it is too large a number.
std::optional<double> ReadEntry(std::u16string_view text);

// What a window shows, as a driver reads it off the real one.
struct ShownForm {
  std::string label;  // the caption of `Label_T`
  int bar = 0;        // the position of `Scroll_T`
  std::u16string box;
  std::optional<std::size_t> messages;  // refused-entry messages shown so far; nothing: not counted
  // Whether the cell of this atomic number shows this colour.
  std::function<bool(int atomic_number, ColourValue colour)> cell_shows;
};

class FormModel {
 public:
  // The bar: 0 to 6000 K, at 298 K at start, 1 K a small step and 50 K a page.
  static constexpr int kLowest = 0;
  static constexpr int kHighest = 6000;
  static constexpr int kStart = 298;
  static constexpr int kSmallStep = 1;
  static constexpr int kPageStep = 50;
  static constexpr int kWheelNotch = 120;  // a wheel's delta for one notch

  enum class BarStep { SmallDown, SmallUp, PageDown, PageUp, ToLowest, ToHighest };

  // --- The text box ---
  // Puts the selection at [start, end) (either order; the caret is at `end`), within the text.
  void Select(std::size_t start, std::size_t end);
  // The user replaces the selection, or inserts at the caret. False when that removes and inserts
  // nothing, which the box does not report as a change.
  bool Replace(std::u16string_view with);
  // Backspace (`before`) or Delete: the selection, or one character beside the caret, a
  // surrogate pair as one when `pairs_whole`.
  bool Erase(bool before, bool pairs_whole);
  // The box reported a change: its number is applied, "0" or "6000" replacing one out of range;
  // one too large to read changes nothing and counts as refused.
  void TextChanged();
  // Replace() then, for an edit, TextChanged().
  void Edit(std::u16string_view with);

  // --- The bar; each returns the position a move goes to, nothing when it moves nowhere ---
  std::optional<int> Step(BarStep step) const;
  // A turn of a wheel: `delta` (kWheelNotch a notch) toward higher temperatures, moving `lines`
  // small steps a notch, or a page when `by_page`. A turn worth part of a step keeps the rest for
  // the next turn the same way; a turn the other way, or one stopped by the end it heads for,
  // drops it. One turn moves at most a page. A wheel turned `sideways` (tilted, or a swipe) keeps
  // its rest apart.
  std::optional<int> Wheel(int delta, unsigned lines, bool by_page, bool sideways = false);
  // A value set by an assistive technology: clamped, rounded half to even; nothing for NaN.
  static std::optional<int> AssistiveValue(double value);
  // A user move of the bar to `position`: applied, and the box emptied.
  void MovedTo(int position);

  int temperature() const { return temperature_; }
  const std::u16string& box() const { return box_; }
  std::size_t caret() const { return selection_end_; }
  std::size_t refused() const { return refused_; }
  // The colour of an element's cell at the temperature in force.
  ColourValue CellColour(int atomic_number) const;

  // The first way in which `shown` differs from the model, described; empty when none does.
  std::string Difference(const ShownForm& shown) const;

 private:
  void Correct(int bound);

  int temperature_ = kStart;
  std::u16string box_;
  std::size_t selection_start_ = 0;
  std::size_t selection_end_ = 0;
  std::size_t refused_ = 0;
  // Parts of a step, in 1/kWheelNotch of a small step, signed as their turn: the wheel's and the
  // sideways one's.
  int wheel_rest_by_axis_[2] = {0, 0};
};

}  // namespace velmora
