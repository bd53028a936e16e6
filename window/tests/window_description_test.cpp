// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/window_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace velmora {
namespace {

const ControlDescription& Control(std::string_view name) {
  const ControlDescription* control = FindControl(name);
  if (control == nullptr) throw std::runtime_error("no control " + std::string(name));
  return *control;
}

bool IsCell(const ControlDescription& control) { return control.border == BorderStyle::FlatLine; }

TEST(WindowDescription, HoldsEveryControlOnceUnderItsOwnName) {
  const auto controls = WindowDescription();
  ASSERT_EQ(controls.size(), 116u);
  std::set<std::string_view> names;
  int cells = 0;
  for (const ControlDescription& control : controls) {
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
    if (control.atomic_number != 0) {
      ++cells;
      EXPECT_EQ(control.name, ElementRow(control.atomic_number).cell_name());
      EXPECT_EQ(control.content, ElementRow(control.atomic_number).symbol);
    }
  }
  EXPECT_EQ(cells, 109);
}

TEST(WindowDescription, CreatesControlsInTheStackingOrder) {
  std::vector<std::string_view> order;
  for (const ControlDescription& control : WindowDescription()) order.push_back(control.name);
  const struct { std::size_t index; std::string_view name; } expected[] = {
      {0, "Text_T"},         {1, "Scroll_T"},          {2, "Label2"},
      {3, "Label1"},         {4, "Label_T"},           {5, "Label_089_Ac"},
      {19, "Label_103_Lr"},  {20, "Label_057_La"},     {34, "Label_071_Lu"},
      {35, "Label_087_Fr"},  {36, "Label_088_Ra"},     {37, "Label_ActinideReference"},
      {38, "Label_104_Rf"},  {43, "Label_109_Mt"},     {44, "Label_055_Cs"},
      {45, "Label_056_Ba"},  {46, "Label_LanthanideReference"}, {47, "Label_072_Hf"},
      {61, "Label_086_Rn"},  {62, "Label_037_Rb"},     {79, "Label_054_Xe"},
      {80, "Label_036_Kr"},  {97, "Label_019_K"},      {98, "Label_018_Ar"},
      {115, "Label_001_H"},
  };
  for (const auto& e : expected) EXPECT_EQ(order.at(e.index), e.name) << "at " << e.index;
}

// Every control's place and size in twips, as the window is drawn: the input area, the scroll
// bar, the notice, the two reference cells and the 109 element cells by atomic number.
TEST(WindowDescription, PlacesCellsAtTheirListedPositions) {
  const struct { std::string_view name; int left; int top; int width; int height; } places[] = {
      {"Text_T", 1920, 720, 1335, 375},
      {"Scroll_T", 240, 5040, 8655, 255},
      {"Label2", 1920, 240, 3015, 375},
      {"Label1", 240, 5400, 2655, 255},
      {"Label_T", 3600, 720, 1335, 375},
      {"Label_ActinideReference", 1200, 3120, 495, 495},
      {"Label_LanthanideReference", 1200, 2640, 495, 495},
      {"Label_001_H", 240, 240, 495, 495},      {"Label_002_He", 8400, 240, 495, 495},
      {"Label_003_Li", 240, 720, 495, 495},     {"Label_004_Be", 720, 720, 495, 495},
      {"Label_005_B", 6000, 720, 495, 495},     {"Label_006_C", 6480, 720, 495, 495},
      {"Label_007_N", 6960, 720, 495, 495},     {"Label_008_O", 7440, 720, 495, 495},
      {"Label_009_F", 7920, 720, 495, 495},     {"Label_010_Ne", 8400, 720, 495, 495},
      {"Label_011_Na", 240, 1200, 495, 495},    {"Label_012_Mg", 720, 1200, 495, 495},
      {"Label_013_Al", 6000, 1200, 495, 495},   {"Label_014_Si", 6480, 1200, 495, 495},
      {"Label_015_P", 6960, 1200, 495, 495},    {"Label_016_S", 7440, 1200, 495, 495},
      {"Label_017_Cl", 7920, 1200, 495, 495},   {"Label_018_Ar", 8400, 1200, 495, 495},
      {"Label_019_K", 240, 1680, 495, 495},     {"Label_020_Ca", 720, 1680, 495, 495},
      {"Label_021_Sc", 1200, 1680, 495, 495},   {"Label_022_Ti", 1680, 1680, 495, 495},
      {"Label_023_V", 2160, 1680, 495, 495},    {"Label_024_Cr", 2640, 1680, 495, 495},
      {"Label_025_Mn", 3120, 1680, 495, 495},   {"Label_026_Fe", 3600, 1680, 495, 495},
      {"Label_027_Co", 4080, 1680, 495, 495},   {"Label_028_Ni", 4560, 1680, 495, 495},
      {"Label_029_Cu", 5040, 1680, 495, 495},   {"Label_030_Zn", 5520, 1680, 495, 495},
      {"Label_031_Ga", 6000, 1680, 495, 495},   {"Label_032_Ge", 6480, 1680, 495, 495},
      {"Label_033_As", 6960, 1680, 495, 495},   {"Label_034_Se", 7440, 1680, 495, 495},
      {"Label_035_Br", 7920, 1680, 495, 495},   {"Label_036_Kr", 8400, 1680, 495, 495},
      {"Label_037_Rb", 240, 2160, 495, 495},    {"Label_038_Sr", 720, 2160, 495, 495},
      {"Label_039_Y", 1200, 2160, 495, 495},    {"Label_040_Zr", 1680, 2160, 495, 495},
      {"Label_041_Nb", 2160, 2160, 495, 495},   {"Label_042_Mo", 2640, 2160, 495, 495},
      {"Label_043_Tc", 3120, 2160, 495, 495},   {"Label_044_Ru", 3600, 2160, 495, 495},
      {"Label_045_Rh", 4080, 2160, 495, 495},   {"Label_046_Pd", 4560, 2160, 495, 495},
      {"Label_047_Ag", 5040, 2160, 495, 495},   {"Label_048_Cd", 5520, 2160, 495, 495},
      {"Label_049_In", 6000, 2160, 495, 495},   {"Label_050_Sn", 6480, 2160, 495, 495},
      {"Label_051_Sb", 6960, 2160, 495, 495},   {"Label_052_Te", 7440, 2160, 495, 495},
      {"Label_053_I", 7920, 2160, 495, 495},    {"Label_054_Xe", 8400, 2160, 495, 495},
      {"Label_055_Cs", 240, 2640, 495, 495},    {"Label_056_Ba", 720, 2640, 495, 495},
      {"Label_057_La", 1680, 3960, 495, 495},   {"Label_058_Ce", 2160, 3960, 495, 495},
      {"Label_059_Pr", 2640, 3960, 495, 495},   {"Label_060_Nd", 3120, 3960, 495, 495},
      {"Label_061_Pm", 3600, 3960, 495, 495},   {"Label_062_Sm", 4080, 3960, 495, 495},
      {"Label_063_Eu", 4560, 3960, 495, 495},   {"Label_064_Gd", 5040, 3960, 495, 495},
      {"Label_065_Tb", 5520, 3960, 495, 495},   {"Label_066_Dy", 6000, 3960, 495, 495},
      {"Label_067_Ho", 6480, 3960, 495, 495},   {"Label_068_Er", 6960, 3960, 495, 495},
      {"Label_069_Tm", 7440, 3960, 495, 495},   {"Label_070_Yb", 7920, 3960, 495, 495},
      {"Label_071_Lu", 8400, 3960, 495, 495},   {"Label_072_Hf", 1680, 2640, 495, 495},
      {"Label_073_Ta", 2160, 2640, 495, 495},   {"Label_074_W", 2640, 2640, 495, 495},
      {"Label_075_Re", 3120, 2640, 495, 495},   {"Label_076_Os", 3600, 2640, 495, 495},
      {"Label_077_Ir", 4080, 2640, 495, 495},   {"Label_078_Pt", 4560, 2640, 495, 495},
      {"Label_079_Au", 5040, 2640, 495, 495},   {"Label_080_Hg", 5520, 2640, 495, 495},
      {"Label_081_Tl", 6000, 2640, 495, 495},   {"Label_082_Pb", 6480, 2640, 495, 495},
      {"Label_083_Bi", 6960, 2640, 495, 495},   {"Label_084_Po", 7440, 2640, 495, 495},
      {"Label_085_At", 7920, 2640, 495, 495},   {"Label_086_Rn", 8400, 2640, 495, 495},
      {"Label_087_Fr", 240, 3120, 495, 495},    {"Label_088_Ra", 720, 3120, 495, 495},
      {"Label_089_Ac", 1680, 4440, 495, 495},   {"Label_090_Th", 2160, 4440, 495, 495},
      {"Label_091_Pa", 2640, 4440, 495, 495},   {"Label_092_U", 3120, 4440, 495, 495},
      {"Label_093_Np", 3600, 4440, 495, 495},   {"Label_094_Pu", 4080, 4440, 495, 495},
      {"Label_095_Am", 4560, 4440, 495, 495},   {"Label_096_Cm", 5040, 4440, 495, 495},
      {"Label_097_Bk", 5520, 4440, 495, 495},   {"Label_098_Cf", 6000, 4440, 495, 495},
      {"Label_099_Es", 6480, 4440, 495, 495},   {"Label_100_Fm", 6960, 4440, 495, 495},
      {"Label_101_Md", 7440, 4440, 495, 495},   {"Label_102_No", 7920, 4440, 495, 495},
      {"Label_103_Lr", 8400, 4440, 495, 495},   {"Label_104_Rf", 1680, 3120, 495, 495},
      {"Label_105_Db", 2160, 3120, 495, 495},   {"Label_106_Sg", 2640, 3120, 495, 495},
      {"Label_107_Bh", 3120, 3120, 495, 495},   {"Label_108_Hs", 3600, 3120, 495, 495},
      {"Label_109_Mt", 4080, 3120, 495, 495},
  };
  std::set<std::string_view> listed;
  for (const auto& p : places) {
    listed.insert(p.name);
    const TwipRect place = Control(p.name).place;
    EXPECT_EQ(place.left, p.left) << p.name;
    EXPECT_EQ(place.top, p.top) << p.name;
    EXPECT_EQ(place.width, p.width) << p.name;
    EXPECT_EQ(place.height, p.height) << p.name;
  }
  EXPECT_EQ(listed.size(), WindowDescription().size());
}

// The order a screen reader meets the controls in, whatever order they were created in.
TEST(WindowDescription, ReadingOrderIsInputAreaThenTableRowByRowThenTheNotice) {
  const std::vector<std::string_view> expected = {
      "Label2", "Text_T", "Label_T", "Scroll_T",
      "Label_001_H", "Label_002_He",
      "Label_003_Li", "Label_004_Be", "Label_005_B", "Label_006_C", "Label_007_N", "Label_008_O",
      "Label_009_F", "Label_010_Ne",
      "Label_011_Na", "Label_012_Mg", "Label_013_Al", "Label_014_Si", "Label_015_P", "Label_016_S",
      "Label_017_Cl", "Label_018_Ar",
      "Label_019_K", "Label_020_Ca", "Label_021_Sc", "Label_022_Ti", "Label_023_V", "Label_024_Cr",
      "Label_025_Mn", "Label_026_Fe", "Label_027_Co", "Label_028_Ni", "Label_029_Cu",
      "Label_030_Zn", "Label_031_Ga", "Label_032_Ge", "Label_033_As", "Label_034_Se",
      "Label_035_Br", "Label_036_Kr",
      "Label_037_Rb", "Label_038_Sr", "Label_039_Y", "Label_040_Zr", "Label_041_Nb", "Label_042_Mo",
      "Label_043_Tc", "Label_044_Ru", "Label_045_Rh", "Label_046_Pd", "Label_047_Ag",
      "Label_048_Cd", "Label_049_In", "Label_050_Sn", "Label_051_Sb", "Label_052_Te", "Label_053_I",
      "Label_054_Xe",
      "Label_055_Cs", "Label_056_Ba", "Label_LanthanideReference", "Label_072_Hf", "Label_073_Ta",
      "Label_074_W", "Label_075_Re", "Label_076_Os", "Label_077_Ir", "Label_078_Pt", "Label_079_Au",
      "Label_080_Hg", "Label_081_Tl", "Label_082_Pb", "Label_083_Bi", "Label_084_Po",
      "Label_085_At", "Label_086_Rn",
      "Label_087_Fr", "Label_088_Ra", "Label_ActinideReference", "Label_104_Rf", "Label_105_Db",
      "Label_106_Sg", "Label_107_Bh", "Label_108_Hs", "Label_109_Mt",
      "Label_057_La", "Label_058_Ce", "Label_059_Pr", "Label_060_Nd", "Label_061_Pm",
      "Label_062_Sm", "Label_063_Eu", "Label_064_Gd", "Label_065_Tb", "Label_066_Dy",
      "Label_067_Ho", "Label_068_Er", "Label_069_Tm", "Label_070_Yb", "Label_071_Lu",
      "Label_089_Ac", "Label_090_Th", "Label_091_Pa", "Label_092_U", "Label_093_Np", "Label_094_Pu",
      "Label_095_Am", "Label_096_Cm", "Label_097_Bk", "Label_098_Cf", "Label_099_Es",
      "Label_100_Fm", "Label_101_Md", "Label_102_No", "Label_103_Lr",
      "Label1",
  };
  const auto order = ReadingOrder();
  EXPECT_EQ(std::vector<std::string_view>(order.begin(), order.end()), expected);
}

TEST(WindowDescription, NeighbouringCellsShareExactlyOnePixelLine) {
  std::vector<TwipRect> cells;
  for (const ControlDescription& control : WindowDescription()) {
    if (IsCell(control)) cells.push_back(control.place);
  }
  ASSERT_EQ(cells.size(), 111u);
  int shared_lines = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (std::size_t j = i + 1; j < cells.size(); ++j) {
      const int across = std::min(cells[i].right(), cells[j].right()) -
                         std::max(cells[i].left, cells[j].left);
      const int down = std::min(cells[i].bottom(), cells[j].bottom()) -
                       std::max(cells[i].top, cells[j].top);
      if (across <= 0 || down <= 0) continue;
      EXPECT_TRUE(across == 15 || down == 15) << "cells " << i << " and " << j << " overlap more";
      ++shared_lines;
    }
  }
  EXPECT_GT(shared_lines, 100);
}

TEST(WindowDescription, InputAreaAndScrollBarOverlapNoCell) {
  for (std::string_view name : {"Label2", "Text_T", "Label_T", "Scroll_T", "Label1"}) {
    const TwipRect input = Control(name).place;
    for (const ControlDescription& control : WindowDescription()) {
      if (!IsCell(control)) continue;
      const TwipRect cell = control.place;
      const bool apart = input.right() <= cell.left || cell.right() <= input.left ||
                         input.bottom() <= cell.top || cell.bottom() <= input.top;
      EXPECT_TRUE(apart) << name << " overlaps " << control.name;
    }
  }
  const TwipRect scroll = Control("Scroll_T").place;
  EXPECT_EQ(scroll.left, 240);
  EXPECT_EQ(scroll.right(), Control("Label_002_He").place.right());
  EXPECT_EQ(Control("Label1").place.bottom(), 5655);
}

TEST(WindowDescription, EveryPlaceIsWholePixelsInsideTheClientArea) {
  for (const ControlDescription& control : WindowDescription()) {
    const TwipRect p = control.place;
    for (int twips : {p.left, p.top, p.width, p.height}) EXPECT_EQ(twips % 15, 0) << control.name;
    EXPECT_GE(p.left, 240) << control.name;
    EXPECT_LE(p.right(), kClientWidthTwips) << control.name;
    EXPECT_LE(p.bottom(), kClientHeightTwips) << control.name;
  }
  EXPECT_EQ(TwipsToPixels(kClientWidthTwips, 96), 611);
  EXPECT_EQ(TwipsToPixels(kClientHeightTwips, 96), 385);
  EXPECT_EQ(TwipsToPixels(kCellSizeTwips, 144), 50);  // 495 twips at 150 %: 49.5, rounded
}

TEST(WindowDescription, OnlyTheScrollBarThenTheTextBoxTakeTheFocus) {
  std::vector<std::pair<int, std::string_view>> focusable;
  for (const ControlDescription& control : WindowDescription()) {
    if (control.tab_index >= 0) focusable.emplace_back(control.tab_index, control.name);
  }
  std::sort(focusable.begin(), focusable.end());
  const std::vector<std::pair<int, std::string_view>> expected = {{0, "Scroll_T"}, {1, "Text_T"}};
  EXPECT_EQ(focusable, expected);
}

TEST(WindowDescription, ControlsHaveTheirLook) {
  const ControlDescription& scroll = Control("Scroll_T");
  EXPECT_EQ(scroll.kind, ControlKind::HScrollBar);
  EXPECT_EQ(scroll.scroll.minimum, 0);
  EXPECT_EQ(scroll.scroll.maximum, 6000);
  EXPECT_EQ(scroll.scroll.value, 298);
  EXPECT_EQ(std::min(scroll.scroll.small_change, scroll.scroll.large_change), 1);
  EXPECT_EQ(std::max(scroll.scroll.small_change, scroll.scroll.large_change), 50);

  EXPECT_EQ(Control("Text_T").kind, ControlKind::TextBox);
  EXPECT_EQ(Control("Text_T").content, "");
  EXPECT_EQ(Control("Label_T").border, BorderStyle::SunkenLabel);
  EXPECT_EQ(Control("Label2").content, "Temperature, in Kelvin (6000 K max)");
  for (std::string_view name : {"Label1", "Label2", "Label_T"}) {
    EXPECT_EQ(Control(name).back_colour, SystemColourReference(SystemColour::ButtonFace)) << name;
    EXPECT_EQ(Control(name).font, FontRole::Dialog) << name;
  }
  const struct { std::string_view name; std::string_view caption; } references[] = {
      {"Label_LanthanideReference", "La-Lu"}, {"Label_ActinideReference", "Ac-Lr"}};
  for (const auto& reference : references) {
    const ControlDescription& cell = Control(reference.name);
    EXPECT_EQ(cell.content, reference.caption);
    EXPECT_EQ(cell.font, FontRole::ReferenceCell);
    EXPECT_EQ(cell.fore_colour, SystemColourReference(SystemColour::WindowText));
    EXPECT_EQ(cell.back_colour, SystemColourReference(SystemColour::WindowBackground));
  }
  for (const ControlDescription& control : WindowDescription()) {
    if (control.atomic_number == 0) continue;
    EXPECT_EQ(control.font, FontRole::ElementCell);
    EXPECT_EQ(control.alignment, TextAlignment::Centre);
    EXPECT_EQ(control.tab_index, -1);
  }
}

}  // namespace
}  // namespace velmora
