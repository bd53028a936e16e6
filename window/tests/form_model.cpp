// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/tests/form_model.h"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "elements/element_table.h"

namespace velmora {
namespace {

constexpr ColourValue kSolid = 0x80000012;   // the desktop's button text
constexpr ColourValue kLiquid = 0x00FF0000;  // blue
constexpr ColourValue kGas = 0x000000FF;     // red
constexpr ColourValue kNoData = 0x80000011;  // the desktop's grey text

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// "&H" digits or "&O" digits, in a text without blanks; nothing beyond 32 bits.
std::optional<double> ReadRadix(std::u16string_view digits, int radix) {
  std::uint64_t value = 0;
  for (char16_t c : digits) {
    int digit = radix;
    if (IsDigit(c)) digit = c - u'0';
    else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
    if (digit >= radix) break;
    value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  // Up to 16 bits the value is a signed 16-bit number, above that a signed 32-bit one.
  if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// [sign] digits [. digits] [E|e [sign] digits], read by the C library in a text without blanks.
std::optional<double> ReadDecimal(std::u16string_view text) {
  std::size_t i = 0;
  std::string number;
  const auto take_digits = [&] {
    std::size_t taken = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++taken) number += static_cast<char>(text[i]);
    return taken;
  };
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) number += static_cast<char>(text[i++]);
  std::size_t digits = take_digits();
  if (i < text.size() && text[i] == u'.') {
    // strtod reads the decimal point of the process's locale.
    number += *std::localeconv()->decimal_point;
    ++i;
    digits += take_digits();
  }
  if (digits == 0) return 0.0;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    std::size_t after = i + 1;
    if (after < text.size() && (text[after] == u'+' || text[after] == u'-')) ++after;
    if (after < text.size() && IsDigit(text[after])) {
      number += 'e';
      for (std::size_t j = i + 1; j < after; ++j) number += static_cast<char>(text[j]);
      i = after;
      take_digits();
    }
  }
  errno = 0;
  const double value = std::strtod(number.c_str(), nullptr);
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  return value;
}

int RoundHalfToEven(double value) {
  const double whole = std::floor(value);
  const double fraction = value - whole;
  const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0);
  return static_cast<int>(whole) + (up ? 1 : 0);
}

std::string Narrow(std::u16string_view text) {
  std::string narrow;
  for (char16_t c : text.substr(0, 24)) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  if (text.size() > 24) narrow += "... (" + std::to_string(text.size()) + " characters)";
  return "\"" + narrow + "\"";
}

}  // namespace

std::optional<double> ReadEntry(std::u16string_view text) {
  std::u16string compact;
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n') compact += c;
  }
  if (!compact.empty() && compact[0] == u'&') {
    const char16_t letter = compact.size() > 1 ? compact[1] : u'\0';
    if (letter == u'H' || letter == u'h') return ReadRadix(std::u16string_view(compact).substr(2), 16);
    if (letter == u'O' || letter == u'o') return ReadRadix(std::u16string_view(compact).substr(2), 8);
    return 0.0;
  }
  return ReadDecimal(compact);
}

void FormModel::Select(std::size_t start, std::size_t end) {
  selection_start_ = std::min(start, box_.size());
  selection_end_ = std::min(end, box_.size());
}

bool FormModel::Replace(std::u16string_view with) {
  const std::size_t from = std::min(selection_start_, selection_end_);
  const std::size_t to = std::max(selection_start_, selection_end_);
  if (from == to && with.empty()) return false;
  box_.replace(from, to - from, with);
  selection_start_ = selection_end_ = from + with.size();
  return true;
}

bool FormModel::Erase(bool before, bool pairs_whole) {
  if (selection_start_ == selection_end_) {
    const auto pair_at = [&](std::size_t high) {
      return pairs_whole && high + 1 < box_.size() && box_[high] >= 0xD800 && box_[high] <= 0xDBFF &&
             box_[high + 1] >= 0xDC00 && box_[high + 1] <= 0xDFFF;
    };
    if (before && selection_end_ > 0) {
      selection_start_ -= selection_start_ > 1 && pair_at(selection_start_ - 2) ? 2 : 1;
    } else if (!before && selection_end_ < box_.size()) {
      selection_end_ += pair_at(selection_end_) ? 2 : 1;
    }
  }
  return Replace(u"");
}

void FormModel::TextChanged() {
  const std::optional<double> number = ReadEntry(box_);
  if (!number) {
    ++refused_;
  } else if (*number < kLowest) {
    Correct(kLowest);
  } else if (*number > kHighest) {
    Correct(kHighest);
  } else {
    temperature_ = RoundHalfToEven(*number);
  }
}

void FormModel::Edit(std::u16string_view with) {
  if (Replace(with)) TextChanged();
}

void FormModel::Correct(int bound) {
  const std::string digits = std::to_string(bound);
  box_.assign(digits.begin(), digits.end());
  selection_start_ = selection_end_ = box_.size();
  temperature_ = bound;
}

std::optional<int> FormModel::Step(BarStep step) const {
  int target = temperature_;
  switch (step) {
    case BarStep::SmallDown: target -= kSmallStep; break;
    case BarStep::SmallUp: target += kSmallStep; break;
    case BarStep::PageDown: target -= kPageStep; break;
    case BarStep::PageUp: target += kPageStep; break;
    case BarStep::ToLowest: target = kLowest; break;
    case BarStep::ToHighest: target = kHighest; break;
  }
  target = std::clamp(target, kLowest, kHighest);
  if (target == temperature_) return std::nullopt;
  return target;
}

std::optional<int> FormModel::Wheel(int delta, unsigned lines, bool by_page, bool sideways) {
  if (delta == 0 || lines == 0) return std::nullopt;
  int& rest = wheel_rest_by_axis_[sideways ? 1 : 0];
  const long long per_notch = by_page ? kPageStep : static_cast<long long>(lines) * kSmallStep;
  const long long turn = static_cast<long long>(delta) * per_notch;
  if ((turn < 0) != (rest < 0)) rest = 0;
  const long long total = rest + turn;
  const long long whole = total / kWheelNotch;
  rest = static_cast<int>(total % kWheelNotch);
  const long long moved = std::clamp<long long>(whole, -kPageStep, kPageStep);
  const int target = static_cast<int>(std::clamp<long long>(temperature_ + moved, kLowest, kHighest));
  if (target != temperature_) return target;
  if ((total > 0 && temperature_ == kHighest) || (total < 0 && temperature_ == kLowest)) {
    rest = 0;
  }
  return std::nullopt;
}

std::optional<int> FormModel::AssistiveValue(double value) {
  if (std::isnan(value)) return std::nullopt;
  return RoundHalfToEven(std::clamp<double>(value, kLowest, kHighest));
}

void FormModel::MovedTo(int position) {
  temperature_ = position;
  box_.clear();
  selection_start_ = selection_end_ = 0;
}

ColourValue FormModel::CellColour(int atomic_number) const {
  const ElementStateRow& row = kElementStateTable[static_cast<std::size_t>(atomic_number - 1)];
  if (!row.lower.present()) return kNoData;
  if (temperature_ < row.lower.kelvin()) return kSolid;
  if (!row.upper.present()) return kGas;
  return temperature_ > row.upper.kelvin() ? kGas : kLiquid;
}

std::string FormModel::Difference(const ShownForm& shown) const {
  const std::string t = std::to_string(temperature_);
  if (shown.label != t) return "Label_T shows \"" + shown.label + "\", not " + t;
  if (shown.bar != temperature_) {
    return "the bar stands at " + std::to_string(shown.bar) + ", the temperature in force is " + t;
  }
  if (shown.box != box_) return "the box holds " + Narrow(shown.box) + ", not " + Narrow(box_);
  if (shown.messages && *shown.messages != refused_) {
    return std::to_string(*shown.messages) + " messages for " + std::to_string(refused_) +
           " refused entries";
  }
  for (int z = 1; z <= kElementCount && shown.cell_shows; ++z) {
    if (!shown.cell_shows(z, CellColour(z))) {
      return std::string(kElementStateTable[static_cast<std::size_t>(z - 1)].cell_name()) +
             " is not in its colour at " + t + " K";
    }
  }
  return {};
}

}  // namespace velmora
