// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "input/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "window/handler_error.h"

namespace velmora {
namespace {

// Exponents are only counted to tell an overflow from an underflow; beyond this they all agree.
constexpr std::int64_t kExponentCeiling = 1'000'000'000'000;

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

// After "&H" or "&O": the digits up to the first other character.
double ReadRadixNumber(BlanklessCursor& cursor, int radix, std::string_view text) {
  std::uint64_t value = 0;
  for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0;
       digit = DigitValue(cursor.Peek(), radix)) {
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFu) {
      throw OverflowError("Overflow: \"" + Excerpt(text) + "\" is too large a number.");
    }
    cursor.Advance();
  }
  if (value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Decimal exponent of the leading significant digit of mantissa "ddd.ddd" times 10^exponent,
// used only to tell an overflow from an underflow when the value is out of a double's range.
std::int64_t DecimalMagnitude(std::string_view mantissa, std::int64_t exponent) {
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return std::numeric_limits<std::int64_t>::min();
  const auto position = first < point ? static_cast<std::int64_t>(point - first)
                                      : -static_cast<std::int64_t>(first - point - 1);
  return position + exponent;
}

double ReadDecimalNumber(BlanklessCursor& cursor, std::string_view text) {
  bool negative = false;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  std::string mantissa;
  bool has_digits = false;
  for (; IsDigit(cursor.Peek()); cursor.Advance(), has_digits = true) mantissa += cursor.Peek();
  if (cursor.Peek() == '.') {
    mantissa += '.';
    cursor.Advance();
    for (; IsDigit(cursor.Peek()); cursor.Advance(), has_digits = true) mantissa += cursor.Peek();
  }
  if (!has_digits) return 0.0;

  std::string number = mantissa;
  std::int64_t exponent = 0;
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
      for (; IsDigit(after_letter.Peek()); after_letter.Advance()) {
        number += after_letter.Peek();
        exponent = std::min<std::int64_t>(exponent * 10 + (after_letter.Peek() - '0'),
                                          kExponentCeiling);
      }
      if (exponent_negative) exponent = -exponent;
    }
  }

  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (DecimalMagnitude(mantissa, exponent) > 0) {
      throw OverflowError("Overflow: \"" + Excerpt(text) + "\" is too large a number.");
    }
    value = 0.0;
  }
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
