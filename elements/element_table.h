// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The element state table: one constant row per element from hydrogen (1) to meitnerium (109),
// in ascending atomic number, with everything the program knows of the element in that row —
// symbol, English name, place in the periodic table, and the temperatures in kelvin at which it
// changes state. Fixed at compile time; nothing reads or changes it at run time.
//
// Each threshold keeps the kind it was given: a 16-bit whole number, or a double that is the
// nearest double to the decimal written here. A threshold is compared with a temperature by
// value alone, which is exact for both kinds because temperatures are whole numbers.
// Rows 97 to 109 have no thresholds: the program holds no data for them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

enum class ThresholdKind : std::uint8_t { Absent, Integer, Double };

struct Threshold {
  ThresholdKind kind = ThresholdKind::Absent;
  std::int16_t integer = 0;  // when kind == Integer
  double real = 0.0;         // when kind == Double

  constexpr bool present() const { return kind != ThresholdKind::Absent; }
  constexpr double kelvin() const { return kind == ThresholdKind::Integer ? integer : real; }
};

// normal: melting and boiling point; single-threshold: the one temperature at which the solid
// turns straight into gas (carbon, arsenic); no data: neither.
enum class ElementClass : std::uint8_t { Normal, SingleThreshold, NoData };

// The nine rows of the drawn table: periods 1 to 7, then the lanthanide and actinide rows.
enum class TableRow : std::uint8_t {
  Period1 = 1, Period2, Period3, Period4, Period5, Period6, Period7, Lanthanides, Actinides,
};

// "Label_" + three-digit atomic number + "_" + symbol, e.g. "Label_026_Fe".
struct CellName {
  char text[13] = {};
  std::uint8_t length = 0;

  constexpr std::string_view view() const { return {text, length}; }
};

struct ElementStateRow {
  int atomic_number = 0;
  std::string_view symbol;
  std::string_view name;
  TableRow row = TableRow::Period1;
  int column = 0;  // group 1..18; the f-block rows use columns 4..18
  Threshold lower;  // below it: solid
  Threshold upper;  // above it: gas (normal rows only)
  CellName cell;

  constexpr std::string_view cell_name() const { return cell.view(); }
  constexpr ElementClass element_class() const {
    if (!lower.present()) return ElementClass::NoData;
    return upper.present() ? ElementClass::Normal : ElementClass::SingleThreshold;
  }
};

inline constexpr int kElementCount = 109;
inline constexpr int kElementsWithData = 96;  // hydrogen to curium

namespace table_notation {

constexpr Threshold I(std::int16_t kelvin) { return {ThresholdKind::Integer, kelvin, 0.0}; }
constexpr Threshold D(double kelvin) { return {ThresholdKind::Double, 0, kelvin}; }
inline constexpr Threshold none{};

constexpr CellName MakeCellName(int atomic_number, std::string_view symbol) {
  CellName name;
  constexpr std::string_view prefix = "Label_";
  for (char c : prefix) name.text[name.length++] = c;
  name.text[name.length++] = static_cast<char>('0' + atomic_number / 100);
  name.text[name.length++] = static_cast<char>('0' + atomic_number / 10 % 10);
  name.text[name.length++] = static_cast<char>('0' + atomic_number % 10);
  name.text[name.length++] = '_';
  for (char c : symbol) name.text[name.length++] = c;
  return name;
}

constexpr ElementStateRow E(int z, std::string_view symbol, std::string_view name, TableRow row,
                            int column, Threshold lower, Threshold upper) {
  return {z, symbol, name, row, column, lower, upper, MakeCellName(z, symbol)};
}

inline constexpr TableRow P1 = TableRow::Period1, P2 = TableRow::Period2, P3 = TableRow::Period3,
                          P4 = TableRow::Period4, P5 = TableRow::Period5, P6 = TableRow::Period6,
                          P7 = TableRow::Period7, Ln = TableRow::Lanthanides,
                          An = TableRow::Actinides;

}  // namespace table_notation

// clang-format off
inline constexpr std::array<ElementStateRow, kElementCount> kElementStateTable = [] {
  using namespace table_notation;
  return std::array<ElementStateRow, kElementCount>{{
    //  Z   Sym   Name             Row Col  Lower (K)       Upper (K)
    E(  1, "H",  "Hydrogen",       P1,  1, D(  13.81  ), D(  20.28  )),
    E(  2, "He", "Helium",         P1, 18, D(   0.95  ), D(   4.216 )),
    E(  3, "Li", "Lithium",        P2,  1, D( 453.7   ), I(1615)     ),
    E(  4, "Be", "Beryllium",      P2,  2, I(1560)     , I(3243)     ),
    E(  5, "B",  "Boron",          P2, 13, I(2365)     , I(4275)     ),
    E(  6, "C",  "Carbon",         P2, 14, I(4240)     , none        ),
    E(  7, "N",  "Nitrogen",       P2, 15, D(  63.15  ), D(  77.344 )),
    E(  8, "O",  "Oxygen",         P2, 16, D(  54.8   ), D(  90.188 )),
    E(  9, "F",  "Fluorine",       P2, 17, D(  53.55  ), I(  85)     ),
    E( 10, "Ne", "Neon",           P2, 18, D(  24.55  ), D(  27.1   )),
    E( 11, "Na", "Sodium",         P3,  1, I( 371)     , I(1156)     ),
    E( 12, "Mg", "Magnesium",      P3,  2, I( 922)     , I(1380)     ),
    E( 13, "Al", "Aluminium",      P3, 13, D( 933.5   ), I(2740)     ),
    E( 14, "Si", "Silicon",        P3, 14, I(1683)     , I(2630)     ),
    E( 15, "P",  "Phosphorus",     P3, 15, D( 317.3   ), I( 553)     ),
    E( 16, "S",  "Sulfur",         P3, 16, I( 380)     , D( 717.9   )),
    E( 17, "Cl", "Chlorine",       P3, 17, D( 172.17  ), D( 239.18  )),
    E( 18, "Ar", "Argon",          P3, 18, D(  83.95  ), D(  87.45  )),
    E( 19, "K",  "Potassium",      P4,  1, D( 336.8   ), I(1033)     ),
    E( 20, "Ca", "Calcium",        P4,  2, I(1112)     , I(1757)     ),
    E( 21, "Sc", "Scandium",       P4,  3, I(1814)     , I(3109)     ),
    E( 22, "Ti", "Titanium",       P4,  4, I(1935)     , I(3560)     ),
    E( 23, "V",  "Vanadium",       P4,  5, I(2163)     , I(3650)     ),
    E( 24, "Cr", "Chromium",       P4,  6, I(2130)     , I(2945)     ),
    E( 25, "Mn", "Manganese",      P4,  7, I(1518)     , I(2235)     ),
    E( 26, "Fe", "Iron",           P4,  8, I(1809)     , I(3136)     ),
    E( 27, "Co", "Cobalt",         P4,  9, I(1768)     , I(3143)     ),
    E( 28, "Ni", "Nickel",         P4, 10, I(1726)     , I(3005)     ),
    E( 29, "Cu", "Copper",         P4, 11, D(1356.6   ), I(2840)     ),
    E( 30, "Zn", "Zinc",           P4, 12, D( 692.73  ), I(1180)     ),
    E( 31, "Ga", "Gallium",        P4, 13, D( 302.92  ), I(2478)     ),
    E( 32, "Ge", "Germanium",      P4, 14, D(1211.5   ), I(3107)     ),
    E( 33, "As", "Arsenic",        P4, 15, I( 888)     , none        ),
    E( 34, "Se", "Selenium",       P4, 16, I( 494)     , I( 958)     ),
    E( 35, "Br", "Bromine",        P4, 17, D( 265.95  ), D( 331.85  )),
    E( 36, "Kr", "Krypton",        P4, 18, I( 116)     , D( 120.85  )),
    E( 37, "Rb", "Rubidium",       P5,  1, D( 312.63  ), I( 964)     ),
    E( 38, "Sr", "Strontium",      P5,  2, I(1042)     , I(1655)     ),
    E( 39, "Y",  "Yttrium",        P5,  3, I(1795)     , I(3611)     ),
    E( 40, "Zr", "Zirconium",      P5,  4, I(2128)     , I(4682)     ),
    E( 41, "Nb", "Niobium",        P5,  5, I(2742)     , I(5015)     ),
    E( 42, "Mo", "Molybdenum",     P5,  6, I(2896)     , I(4912)     ),
    E( 43, "Tc", "Technetium",     P5,  7, I(2477)     , I(4538)     ),
    E( 44, "Ru", "Ruthenium",      P5,  8, I(2610)     , I(4425)     ),
    E( 45, "Rh", "Rhodium",        P5,  9, I(2236)     , I(3970)     ),
    E( 46, "Pd", "Palladium",      P5, 10, I(1825)     , I(3240)     ),
    E( 47, "Ag", "Silver",         P5, 11, D(1235.08  ), I(2436)     ),
    E( 48, "Cd", "Cadmium",        P5, 12, D( 594.26  ), I(1040)     ),
    E( 49, "In", "Indium",         P5, 13, D( 429.78  ), I(2350)     ),
    E( 50, "Sn", "Tin",            P5, 14, D( 505.12  ), I(2876)     ),
    E( 51, "Sb", "Antimony",       P5, 15, D( 903.91  ), I(1860)     ),
    E( 52, "Te", "Tellurium",      P5, 16, D( 722.72  ), I(1261)     ),
    E( 53, "I",  "Iodine",         P5, 17, D( 386.7   ), D( 457.5   )),
    E( 54, "Xe", "Xenon",          P5, 18, D( 161.39  ), D( 165.1   )),
    E( 55, "Cs", "Caesium",        P6,  1, D( 301.54  ), I( 944)     ),
    E( 56, "Ba", "Barium",         P6,  2, I(1002)     , I(2078)     ),
    E( 57, "La", "Lanthanum",      Ln,  4, I(1191)     , I(3737)     ),
    E( 58, "Ce", "Cerium",         Ln,  5, I(1071)     , I(3715)     ),
    E( 59, "Pr", "Praseodymium",   Ln,  6, I(1204)     , I(3785)     ),
    E( 60, "Nd", "Neodymium",      Ln,  7, I(1294)     , I(3347)     ),
    E( 61, "Pm", "Promethium",     Ln,  8, I(1315)     , I(3273)     ),
    E( 62, "Sm", "Samarium",       Ln,  9, I(1347)     , I(2067)     ),
    E( 63, "Eu", "Europium",       Ln, 10, I(1095)     , I(1800)     ),
    E( 64, "Gd", "Gadolinium",     Ln, 11, I(1585)     , I(3545)     ),
    E( 65, "Tb", "Terbium",        Ln, 12, I(1629)     , I(3500)     ),
    E( 66, "Dy", "Dysprosium",     Ln, 13, I(1685)     , I(2840)     ),
    E( 67, "Ho", "Holmium",        Ln, 14, I(1747)     , I(2968)     ),
    E( 68, "Er", "Erbium",         Ln, 15, I(1802)     , I(3140)     ),
    E( 69, "Tm", "Thulium",        Ln, 16, I(1818)     , I(2223)     ),
    E( 70, "Yb", "Ytterbium",      Ln, 17, I(1092)     , I(1469)     ),
    E( 71, "Lu", "Lutetium",       Ln, 18, I(1936)     , I(3668)     ),
    E( 72, "Hf", "Hafnium",        P6,  4, I(1939)     , I(3668)     ),
    E( 73, "Ta", "Tantalum",       P6,  5, I(2504)     , I(4875)     ),
    E( 74, "W",  "Tungsten",       P6,  6, I(3695)     , I(5825)     ),
    E( 75, "Re", "Rhenium",        P6,  7, I(3695)     , I(5825)     ),
    E( 76, "Os", "Osmium",         P6,  8, I(3300)     , I(5300)     ),
    E( 77, "Ir", "Iridium",        P6,  9, I(2720)     , I(4700)     ),
    E( 78, "Pt", "Platinum",       P6, 10, D(2042.1   ), I(4100)     ),
    E( 79, "Au", "Gold",           P6, 11, D(1337.58  ), I(3130)     ),
    E( 80, "Hg", "Mercury",        P6, 12, D( 234.31  ), D( 629.88  )),
    E( 81, "Tl", "Thallium",       P6, 13, I( 577)     , I(1746)     ),
    E( 82, "Pb", "Lead",           P6, 14, D( 600.65  ), I(2023)     ),
    E( 83, "Bi", "Bismuth",        P6, 15, D( 544.59  ), I(1837)     ),
    E( 84, "Po", "Polonium",       P6, 16, I( 527)     , I(1235)     ),
    E( 85, "At", "Astatine",       P6, 17, I( 610)     , I( 650)     ),
    E( 86, "Rn", "Radon",          P6, 18, I( 202)     , D( 211.4   )),
    E( 87, "Fr", "Francium",       P7,  1, I( 300)     , I( 950)     ),
    E( 88, "Ra", "Radium",         P7,  2, I( 973)     , I(1413)     ),
    E( 89, "Ac", "Actinium",       An,  4, I(1324)     , I(3470)     ),
    E( 90, "Th", "Thorium",        An,  5, I(2028)     , I(5060)     ),
    E( 91, "Pa", "Protactinium",   An,  6, I(1845)     , I(4300)     ),
    E( 92, "U",  "Uranium",        An,  7, I(1408)     , I(4407)     ),
    E( 93, "Np", "Neptunium",      An,  8, I( 912)     , I(4175)     ),
    E( 94, "Pu", "Plutonium",      An,  9, I( 913)     , I(3505)     ),
    E( 95, "Am", "Americium",      An, 10, I(1449)     , I(2880)     ),
    E( 96, "Cm", "Curium",         An, 11, I(1613)     , I(3383)     ),
    E( 97, "Bk", "Berkelium",      An, 12, none        , none        ),
    E( 98, "Cf", "Californium",    An, 13, none        , none        ),
    E( 99, "Es", "Einsteinium",    An, 14, none        , none        ),
    E(100, "Fm", "Fermium",        An, 15, none        , none        ),
    E(101, "Md", "Mendelevium",    An, 16, none        , none        ),
    E(102, "No", "Nobelium",       An, 17, none        , none        ),
    E(103, "Lr", "Lawrencium",     An, 18, none        , none        ),
    E(104, "Rf", "Rutherfordium",  P7,  4, none        , none        ),
    E(105, "Db", "Dubnium",        P7,  5, none        , none        ),
    E(106, "Sg", "Seaborgium",     P7,  6, none        , none        ),
    E(107, "Bh", "Bohrium",        P7,  7, none        , none        ),
    E(108, "Hs", "Hassium",        P7,  8, none        , none        ),
    E(109, "Mt", "Meitnerium",     P7,  9, none        , none        ),
  }};
}();
// clang-format on

// The row of an atomic number from 1 to 109.
constexpr const ElementStateRow& ElementRow(int atomic_number) {
  return kElementStateTable[static_cast<std::size_t>(atomic_number - 1)];
}

}  // namespace velmora
