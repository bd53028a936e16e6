// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/element_summary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/decimal_comma_locale.h"

namespace velmora {
namespace {

struct SummaryCase {
  int atomic_number;
  std::int16_t t;
  const char* expected;
};

// One row of each class and threshold kind, and states read at their boundaries.
TEST(ElementSummary, NamesTheElementItsThresholdsAndItsStateAtT) {
  const SummaryCase cases[] = {
      {26, 298, "Iron, atomic number 26\nMelts at 1809 K, boils at 3136 K\nAt 298 K: solid"},
      {1, 14, "Hydrogen, atomic number 1\nMelts at 13.81 K, boils at 20.28 K\nAt 14 K: liquid"},
      {2, 5, "Helium, atomic number 2\nMelts at 0.95 K, boils at 4.216 K\nAt 5 K: gas"},
      {29, 0, "Copper, atomic number 29\nMelts at 1356.6 K, boils at 2840 K\nAt 0 K: solid"},
      {6, 4240, "Carbon, atomic number 6\nTurns to gas at 4240 K\nAt 4240 K: gas"},
      {33, 887, "Arsenic, atomic number 33\nTurns to gas at 888 K\nAt 887 K: solid"},
      {97, 298, "Berkelium, atomic number 97\nMelting and boiling points: no data\nAt 298 K: no data"},
      {109, 6000,
       "Meitnerium, atomic number 109\nMelting and boiling points: no data\nAt 6000 K: no data"},
  };
  for (const SummaryCase& c : cases) {
    EXPECT_EQ(ElementSummary(ElementRow(c.atomic_number), c.t), c.expected);
  }
}

// The texts are shown in windows whose toolkit switches the process to the user's locale; a
// decimal point there must still be the full stop, as in the text box.
TEST(ElementSummary, WritesTheFullStopUnderADecimalCommaLocale) {
  const struct { int atomic_number; const char* threshold_line; } cases[] = {
      {1, "Melts at 13.81 K, boils at 20.28 K"},
      {2, "Melts at 0.95 K, boils at 4.216 K"},
      {29, "Melts at 1356.6 K, boils at 2840 K"},
      {80, "Melts at 234.31 K, boils at 629.88 K"},
      {47, "Melts at 1235.08 K, boils at 2436 K"},
      {26, "Melts at 1809 K, boils at 3136 K"},
  };
  const DecimalCommaLocale locale;
  ASSERT_NE(locale.name(), nullptr) << "no locale with a decimal comma could be set";
  for (const auto& c : cases) {
    const std::string summary = ElementSummary(ElementRow(c.atomic_number), 298);
    const std::size_t line = summary.find('\n') + 1;
    EXPECT_EQ(summary.substr(line, summary.find('\n', line) - line), c.threshold_line)
        << "under " << locale.name();
  }
}

// Every threshold prints as a number that reads back as exactly the table's value.
TEST(ElementSummary, PrintsEveryThresholdExactly) {
  for (const ElementStateRow& row : kElementStateTable) {
    if (!row.lower.present()) continue;
    const std::string summary = ElementSummary(row, 298);
    const std::size_t line = summary.find('\n') + 1;
    const std::size_t first = summary.find_first_of("0123456789", line);
    char* end = nullptr;
    EXPECT_EQ(std::strtod(summary.c_str() + first, &end), row.lower.kelvin()) << summary;
    if (!row.upper.present()) continue;
    const std::size_t second = summary.find("boils at ", line) + 9;
    EXPECT_EQ(std::strtod(summary.c_str() + second, &end), row.upper.kelvin()) << summary;
  }
}

}  // namespace
}  // namespace velmora
