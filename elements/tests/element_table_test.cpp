// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/element_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace velmora {
namespace {

TEST(ElementTable, HoldsOneRowPerAtomicNumberWithoutGaps) {
  ASSERT_EQ(kElementStateTable.size(), 109u);
  for (int z = 1; z <= kElementCount; ++z) EXPECT_EQ(ElementRow(z).atomic_number, z);
}

TEST(ElementTable, ClassesFollowFromThresholds) {
  int counts[3] = {};
  for (const ElementStateRow& row : kElementStateTable) {
    ++counts[static_cast<int>(row.element_class())];
    const bool no_data = row.atomic_number > kElementsWithData;
    EXPECT_EQ(row.element_class() == ElementClass::NoData, no_data) << row.symbol;
  }
  EXPECT_EQ(counts[static_cast<int>(ElementClass::Normal)], 94);
  EXPECT_EQ(counts[static_cast<int>(ElementClass::SingleThreshold)], 2);
  EXPECT_EQ(counts[static_cast<int>(ElementClass::NoData)], 13);
  EXPECT_EQ(ElementRow(6).element_class(), ElementClass::SingleThreshold);
  EXPECT_EQ(ElementRow(33).element_class(), ElementClass::SingleThreshold);
}

TEST(ElementTable, CellNameCarriesItsOwnNumberAndSymbol) {
  for (const ElementStateRow& row : kElementStateTable) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "Label_%03d_%s", row.atomic_number,
                  std::string(row.symbol).c_str());
    EXPECT_EQ(row.cell_name(), expected);
  }
  EXPECT_EQ(ElementRow(1).cell_name(), "Label_001_H");
  EXPECT_EQ(ElementRow(74).cell_name(), "Label_074_W");
  EXPECT_EQ(ElementRow(109).cell_name(), "Label_109_Mt");
}

TEST(ElementTable, ThresholdsLieInTheTemperatureRangeAndInOrder) {
  double smallest = 1e9, largest_lower = 0, largest_upper = 0;
  for (const ElementStateRow& row : kElementStateTable) {
    for (const Threshold* threshold : {&row.lower, &row.upper}) {
      if (!threshold->present()) continue;
      EXPECT_GE(threshold->kelvin(), 0.0) << row.symbol;
      EXPECT_LE(threshold->kelvin(), 6000.0) << row.symbol;
      smallest = std::min(smallest, threshold->kelvin());
    }
    if (row.lower.present()) largest_lower = std::max(largest_lower, row.lower.kelvin());
    if (row.upper.present()) largest_upper = std::max(largest_upper, row.upper.kelvin());
    if (row.element_class() == ElementClass::Normal) {
      EXPECT_LT(row.lower.kelvin(), row.upper.kelvin()) << row.symbol;
    }
  }
  EXPECT_EQ(smallest, 0.95);
  EXPECT_EQ(largest_lower, 4240.0);
  EXPECT_EQ(largest_upper, 5825.0);
}

// A whole-valued threshold is an integer and a double one always has a fraction, so no
// temperature can ever equal a double threshold.
TEST(ElementTable, ThresholdKindMatchesWhetherTheValueIsWhole) {
  for (const ElementStateRow& row : kElementStateTable) {
    for (const Threshold* threshold : {&row.lower, &row.upper}) {
      if (threshold->kind == ThresholdKind::Double) {
        EXPECT_NE(threshold->real, std::floor(threshold->real)) << row.symbol;
      }
    }
  }
}

TEST(ElementTable, OnlyHeliumHasThresholdsBelowTenKelvin) {
  for (const ElementStateRow& row : kElementStateTable) {
    if (row.atomic_number == 2 || !row.lower.present()) continue;
    EXPECT_GE(row.lower.kelvin(), 10.0) << row.symbol;
  }
  EXPECT_LT(ElementRow(2).lower.kelvin(), 1.0);
  EXPECT_LT(ElementRow(2).upper.kelvin(), 10.0);
  EXPECT_EQ(ElementRow(2).upper.real, 4.216);
}

TEST(ElementTable, DoubleThresholdsAreBitExact) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(ElementRow(1).lower.real), 0x402B9EB851EB851Full);
  EXPECT_EQ(ElementRow(1).lower.kind, ThresholdKind::Double);
  EXPECT_EQ(ElementRow(1).upper.real, 20.28);
}

struct SharedValueCase {
  int first;
  int second;
  bool lower_too;
};

TEST(ElementTable, RowsThatShareValuesHoldEqualThresholds) {
  for (const SharedValueCase& shared : {SharedValueCase{74, 75, true}, SharedValueCase{71, 72, false},
                                        SharedValueCase{29, 66, false}}) {
    const ElementStateRow& a = ElementRow(shared.first);
    const ElementStateRow& b = ElementRow(shared.second);
    EXPECT_EQ(a.upper.kelvin(), b.upper.kelvin()) << a.symbol << " " << b.symbol;
    if (shared.lower_too) {
      EXPECT_EQ(a.lower.kelvin(), b.lower.kelvin());
    }
  }
  EXPECT_EQ(ElementRow(74).lower.integer, 3695);
  EXPECT_EQ(ElementRow(74).upper.integer, 5825);
}

}  // namespace
}  // namespace velmora
