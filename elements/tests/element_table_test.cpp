// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/element_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
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

// A reference copy of the thresholds of hydrogen to curium, kept apart from the table so that a
// slip in either (a digit swapped, a decimal written as a whole number) shows.
struct ReferenceRow {
  int atomic_number;
  ThresholdKind lower_kind;
  double lower;
  ThresholdKind upper_kind;
  double upper;
};

TEST(ElementTable, ThresholdsEqualTheReferenceCopy) {
  constexpr ThresholdKind I = ThresholdKind::Integer, D = ThresholdKind::Double,
                          none = ThresholdKind::Absent;
  const ReferenceRow reference[] = {
      {  1, D,    13.81, D,    20.28},  // H
      {  2, D,     0.95, D,    4.216},  // He
      {  3, D,    453.7, I,     1615},  // Li
      {  4, I,     1560, I,     3243},  // Be
      {  5, I,     2365, I,     4275},  // B
      {  6, I,     4240, none,     0},  // C
      {  7, D,    63.15, D,   77.344},  // N
      {  8, D,     54.8, D,   90.188},  // O
      {  9, D,    53.55, I,       85},  // F
      { 10, D,    24.55, D,     27.1},  // Ne
      { 11, I,      371, I,     1156},  // Na
      { 12, I,      922, I,     1380},  // Mg
      { 13, D,    933.5, I,     2740},  // Al
      { 14, I,     1683, I,     2630},  // Si
      { 15, D,    317.3, I,      553},  // P
      { 16, I,      380, D,    717.9},  // S
      { 17, D,   172.17, D,   239.18},  // Cl
      { 18, D,    83.95, D,    87.45},  // Ar
      { 19, D,    336.8, I,     1033},  // K
      { 20, I,     1112, I,     1757},  // Ca
      { 21, I,     1814, I,     3109},  // Sc
      { 22, I,     1935, I,     3560},  // Ti
      { 23, I,     2163, I,     3650},  // V
      { 24, I,     2130, I,     2945},  // Cr
      { 25, I,     1518, I,     2235},  // Mn
      { 26, I,     1809, I,     3136},  // Fe
      { 27, I,     1768, I,     3143},  // Co
      { 28, I,     1726, I,     3005},  // Ni
      { 29, D,   1356.6, I,     2840},  // Cu
      { 30, D,   692.73, I,     1180},  // Zn
      { 31, D,   302.92, I,     2478},  // Ga
      { 32, D,   1211.5, I,     3107},  // Ge
      { 33, I,      888, none,     0},  // As
      { 34, I,      494, I,      958},  // Se
      { 35, D,   265.95, D,   331.85},  // Br
      { 36, I,      116, D,   120.85},  // Kr
      { 37, D,   312.63, I,      964},  // Rb
      { 38, I,     1042, I,     1655},  // Sr
      { 39, I,     1795, I,     3611},  // Y
      { 40, I,     2128, I,     4682},  // Zr
      { 41, I,     2742, I,     5015},  // Nb
      { 42, I,     2896, I,     4912},  // Mo
      { 43, I,     2477, I,     4538},  // Tc
      { 44, I,     2610, I,     4425},  // Ru
      { 45, I,     2236, I,     3970},  // Rh
      { 46, I,     1825, I,     3240},  // Pd
      { 47, D,  1235.08, I,     2436},  // Ag
      { 48, D,   594.26, I,     1040},  // Cd
      { 49, D,   429.78, I,     2350},  // In
      { 50, D,   505.12, I,     2876},  // Sn
      { 51, D,   903.91, I,     1860},  // Sb
      { 52, D,   722.72, I,     1261},  // Te
      { 53, D,    386.7, D,    457.5},  // I
      { 54, D,   161.39, D,    165.1},  // Xe
      { 55, D,   301.54, I,      944},  // Cs
      { 56, I,     1002, I,     2078},  // Ba
      { 57, I,     1191, I,     3737},  // La
      { 58, I,     1071, I,     3715},  // Ce
      { 59, I,     1204, I,     3785},  // Pr
      { 60, I,     1294, I,     3347},  // Nd
      { 61, I,     1315, I,     3273},  // Pm
      { 62, I,     1347, I,     2067},  // Sm
      { 63, I,     1095, I,     1800},  // Eu
      { 64, I,     1585, I,     3545},  // Gd
      { 65, I,     1629, I,     3500},  // Tb
      { 66, I,     1685, I,     2840},  // Dy
      { 67, I,     1747, I,     2968},  // Ho
      { 68, I,     1802, I,     3140},  // Er
      { 69, I,     1818, I,     2223},  // Tm
      { 70, I,     1092, I,     1469},  // Yb
      { 71, I,     1936, I,     3668},  // Lu
      { 72, I,     1939, I,     3668},  // Hf
      { 73, I,     2504, I,     4875},  // Ta
      { 74, I,     3695, I,     5825},  // W
      { 75, I,     3695, I,     5825},  // Re
      { 76, I,     3300, I,     5300},  // Os
      { 77, I,     2720, I,     4700},  // Ir
      { 78, D,   2042.1, I,     4100},  // Pt
      { 79, D,  1337.58, I,     3130},  // Au
      { 80, D,   234.31, D,   629.88},  // Hg
      { 81, I,      577, I,     1746},  // Tl
      { 82, D,   600.65, I,     2023},  // Pb
      { 83, D,   544.59, I,     1837},  // Bi
      { 84, I,      527, I,     1235},  // Po
      { 85, I,      610, I,      650},  // At
      { 86, I,      202, D,    211.4},  // Rn
      { 87, I,      300, I,      950},  // Fr
      { 88, I,      973, I,     1413},  // Ra
      { 89, I,     1324, I,     3470},  // Ac
      { 90, I,     2028, I,     5060},  // Th
      { 91, I,     1845, I,     4300},  // Pa
      { 92, I,     1408, I,     4407},  // U
      { 93, I,      912, I,     4175},  // Np
      { 94, I,      913, I,     3505},  // Pu
      { 95, I,     1449, I,     2880},  // Am
      { 96, I,     1613, I,     3383},  // Cm
  };
  ASSERT_EQ(std::size(reference), static_cast<std::size_t>(kElementsWithData));
  for (std::size_t i = 0; i < std::size(reference); ++i) {
    const ReferenceRow& expected = reference[i];
    ASSERT_EQ(expected.atomic_number, static_cast<int>(i) + 1);
    const ElementStateRow& row = ElementRow(expected.atomic_number);
    const struct { const char* which; const Threshold& held; ThresholdKind kind; double kelvin; }
        thresholds[] = {{"lower", row.lower, expected.lower_kind, expected.lower},
                        {"upper", row.upper, expected.upper_kind, expected.upper}};
    for (const auto& t : thresholds) {
      EXPECT_EQ(t.held.kind, t.kind) << row.symbol << " " << t.which;
      EXPECT_EQ(t.held.kelvin(), t.kelvin) << row.symbol << " " << t.which;  // as its kind holds it
    }
  }
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
  std::uint64_t bits = 0;  // (std::memcpy: the WebAssembly build's library has no std::bit_cast)
  std::memcpy(&bits, &ElementRow(1).lower.real, sizeof bits);
  EXPECT_EQ(bits, 0x402B9EB851EB851Full);
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
