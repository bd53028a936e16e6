// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "input/conversions.h"

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "window/handler_error.h"

namespace velmora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text as if its blanks were not there.
class BlanklessCursor {
 public:
  explicit BlanklessCursor(std::string_view text) : text_(text) { SkipBlanks(); }

  bool AtEnd() const { return position_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
  void Advance() {
    ++position_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

int DigitValue(char c, int radix) {
  int value = 16;
  if (IsDigit(c)) value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < radix ? value : -1;
}

std::string Excerpt(std::string_view text) {
  constexpr std::size_t kShown = 24;
  if (text.size() <= kShown) return std::string(text);
  return std::string(text.substr(0, kShown)) + "...";
}

[[noreturn]] void ThrowOverflow(std::string_view text) {
  throw OverflowError("Overflow: \"" + Excerpt(text) + "\" is too large a number.");
}

// After "&H" or "&O": the digits up to the first other character.
double ReadRadixNumber(BlanklessCursor& cursor, int radix, std::string_view text) {
  std::uint64_t value = 0;
  for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0;
       digit = DigitValue(cursor.Peek(), radix)) {
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFu) ThrowOverflow(text);
    cursor.Advance();
  }
  if (value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

double ReadDecimalNumber(BlanklessCursor& cursor, std::string_view text) {
  bool negative = false;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  std::string number;
  bool has_digits = false;
  for (; IsDigit(cursor.Peek()); cursor.Advance(), has_digits = true) number += cursor.Peek();
  if (cursor.Peek() == '.') {
    number += '.';
    cursor.Advance();
    for (; IsDigit(cursor.Peek()); cursor.Advance(), has_digits = true) number += cursor.Peek();
  }
  if (!has_digits) return 0.0;

  if (cursor.Peek() == 'E' || cursor.Peek() == 'e') {
    BlanklessCursor after_letter = cursor;
    after_letter.Advance();
    bool exponent_negative = false;
    if (after_letter.Peek() == '+' || after_letter.Peek() == '-') {
      exponent_negative = after_letter.Peek() == '-';
      after_letter.Advance();
    }
    if (IsDigit(after_letter.Peek())) {
      number += exponent_negative ? "e-" : "e";
      for (; IsDigit(after_letter.Peek()); after_letter.Advance()) number += after_letter.Peek();
    }
  }

  // fast_float rounds correctly whatever the number of digits and does not depend on the
  // locale. It reports neither end of a double's range: a value too large to hold comes back as
  // infinity, one too small as 0 (which is what the box reads it as). `number` is digits, a point
  // and an exponent, never "inf", so an infinity is always an overflow.
  double value = 0.0;
  fast_float::from_chars(number.data(), number.data() + number.size(), value);
  if (std::isinf(value)) ThrowOverflow(text);
  return negative ? -value : value;
}

}  // namespace

double TextToNumber(std::string_view text) {
  BlanklessCursor cursor(text);
  if (cursor.Peek() == '&') {
    BlanklessCursor after_ampersand = cursor;
    after_ampersand.Advance();
    const char letter = after_ampersand.Peek();
    const int radix = (letter == 'H' || letter == 'h') ? 16 : (letter == 'O' || letter == 'o') ? 8 : 0;
    if (radix == 0) return 0.0;
    after_ampersand.Advance();
    return ReadRadixNumber(after_ampersand, radix, text);
  }
  return ReadDecimalNumber(cursor, text);
}

std::int16_t NumberToInt16(double number) {
  double rounded = std::floor(number);
  const double fraction = number - rounded;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
    throw OverflowError("Overflow: the number is outside -32768 to 32767.");
  }
  return static_cast<std::int16_t>(rounded);
}

std::string Int16ToText(std::int16_t value) {
  char digits[8];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, end);
}

}  // namespace velmora
