// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "input/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/decimal_comma_locale.h"
#include "window/handler_error.h"

namespace velmora {
namespace {

struct NumberCase {
  const char* name;
  std::string text;
  double expected;
};

TEST(TextToNumber, ReadsTheNumberAtTheStartOfTheText) {
  const NumberCase cases[] = {
      {"empty", "", 0},
      {"lone minus", "-", 0},
      {"lone plus", "+", 0},
      {"lone point", ".", 0},
      {"minus point", "-.", 0},
      {"letters", "abc", 0},
      {"plain", "298", 298},
      {"plus sign", "+42", 42},
      {"negative", "-5", -5},
      {"fraction", "-0.4", -0.4},
      {"leading point", ".5", 0.5},
      {"trailing point", "5.", 5},
      {"trailing letters", "12abc", 12},
      {"comma ends it", "1,5", 1},
      {"second point ends it", "1.2.3", 1.2},
      {"inner sign ends it", "12-3", 12},
      {"double sign", "--5", 0},
      {"currency sign", "$5", 0},
      {"blanks join digits", "2 9 8", 298},
      {"tabs and line feeds", "\t1\n6\t1 5\n", 1615},
      {"blank after sign", "- 5", -5},
      {"carriage return is not a blank", "1\r2", 1},
      {"exponent", "1e3", 1000},
      {"capital exponent", "2E2", 200},
      {"negative exponent", "25e-1", 2.5},
      {"signed exponent", "3e+2", 300},
      {"exponent without digits", "1e", 1},
      {"exponent sign without digits", "7e+", 7},
      {"exponent then letters", "7ex", 7},
      {"blanks inside exponent", "1 e 3", 1000},
      {"d is no exponent", "1d3", 1},
      {"leading zeros", "000298", 298},
      {"shortest double", "13.81", 13.81},
      {"underflow reads zero", "1e-400", 0},
      {"negative underflow reads zero", "-1e-400", 0},
      {"smallest subnormal", "4.9e-324", 4.9e-324},
      {"largest double", "1.7976931348623157e308", 1.7976931348623157e308},
      {"hex", "&H1770", 6000},
      {"lower-case hex", "&hff", 255},
      {"hex stops at other character", "&H1G", 1},
      {"hex FFFF is minus one", "&HFFFF", -1},
      {"hex 8000 is the smallest 16-bit", "&H8000", -32768},
      {"hex above 16 bits", "&H10000", 65536},
      {"hex FFFFFFFF is minus one", "&HFFFFFFFF", -1},
      {"hex 80000000", "&H80000000", -2147483648.0},
      {"hex leading zeros", "&H0000000000001", 1},
      {"hex without digits", "&H", 0},
      {"octal", "&O17", 15},
      {"octal stops at 8", "&o178", 15},
      {"octal 177777 is minus one", "&O177777", -1},
      {"octal above 16 bits", "&O200000", 65536},
      {"ampersand alone", "&", 0},
      {"ampersand other letter", "&X12", 0},
      {"sign before hex", "-&H10", 0},
      {"blanks in hex", "& H 1 0", 16},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.expected) << c.name << ": \"" << c.text << "\"";
  }
  EXPECT_TRUE(std::signbit(TextToNumber("-0")));
}

TEST(TextToNumber, OverflowsBeyondTheRangeOfItsResult) {
  const NumberCase cases[] = {
      {"beyond double", "1e400", 0},
      {"negative beyond double", "-1e400", 0},
      {"rounds up past the largest double", "1.7976931348623159e308", 0},
      {"many digits", std::string(400, '9'), 0},
      {"huge exponent", "1e99999999999999999999", 0},
      {"hex beyond 32 bits", "&H100000000", 0},
      {"octal beyond 32 bits", "&O40000000000", 0},
  };
  for (const NumberCase& c : cases) {
    EXPECT_THROW(TextToNumber(c.text), OverflowError) << c.name;
  }
}

TEST(TextToNumber, DoesNotDependOnTheProcessLocale) {
  double with_point = 0, with_comma = 0;
  {
    const DecimalCommaLocale locale;
    // Without such a locale the test would show nothing: it fails rather than pass unseen.
    ASSERT_NE(locale.name(), nullptr) << "no locale with a decimal comma could be set";
    with_point = TextToNumber("2.5");
    with_comma = TextToNumber("2,5");
  }
  EXPECT_EQ(with_point, 2.5);
  EXPECT_EQ(with_comma, 2.0);
}

// Megabytes pasted into the box: a quadratic reader would not finish within the test timeout.
TEST(TextToNumber, ReadsMegabytesOfText) {
  const std::size_t megabytes = 8u << 20;
  EXPECT_EQ(TextToNumber(std::string(megabytes, ' ') + "42"), 42);
  EXPECT_EQ(TextToNumber("42" + std::string(megabytes, 'x')), 42);
  EXPECT_EQ(TextToNumber("0." + std::string(megabytes, '0') + "1"), 0);
  EXPECT_EQ(TextToNumber("1" + std::string(megabytes, '0') + "e-" + std::to_string(megabytes)), 1);
  EXPECT_THROW(TextToNumber(std::string(megabytes, '7')), OverflowError);
  std::string blanks_between;
  for (int i = 0; i < 1 << 20; ++i) blanks_between += "0 ";
  EXPECT_EQ(TextToNumber(blanks_between + "5"), 5);
}

TEST(NumberToInt16, RoundsHalfwayToEven) {
  const struct { double number; std::int16_t expected; } cases[] = {
      {0.5, 0},     {1.5, 2},          {2.5, 2},         {3.5, 4},      {5999.5, 6000},
      {-0.5, 0},    {-1.5, -2},        {-2.5, -2},       {0.4999, 0},   {0.5001, 1},
      {-0.4, 0},    {6000.4, 6000},    {32767.4, 32767}, {-32768.5, -32768},
      {-32768.4, -32768}, {298, 298},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToInt16(c.number), c.expected) << c.number;
}

TEST(NumberToInt16, OverflowsOutsideSixteenBits) {
  for (double number : {32767.5, 32768.0, -32768.6, -32769.0, 1e300, -1e300,
                        std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(NumberToInt16(number), OverflowError) << number;
  }
}

TEST(Int16ToText, WritesPlainDecimalDigits) {
  const struct { std::int16_t value; const char* expected; } cases[] = {
      {0, "0"}, {298, "298"}, {6000, "6000"}, {-1, "-1"}, {32767, "32767"}, {-32768, "-32768"}};
  for (const auto& c : cases) EXPECT_EQ(Int16ToText(c.value), c.expected);
}

}  // namespace
}  // namespace velmora
