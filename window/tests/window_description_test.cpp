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

TEST(WindowDescription, PlacesCellsAtTheirListedPositions) {
  const struct { std::string_view name; int left; int top; } cases[] = {
      {"Label_001_H", 240, 240},     {"Label_002_He", 8400, 240},   {"Label_005_B", 6000, 720},
      {"Label_013_Al", 6000, 1200},  {"Label_026_Fe", 3600, 1680},  {"Label_039_Y", 1200, 2160},
      {"Label_056_Ba", 720, 2640},   {"Label_057_La", 1680, 3960},  {"Label_071_Lu", 8400, 3960},
      {"Label_072_Hf", 1680, 2640},  {"Label_086_Rn", 8400, 2640},  {"Label_087_Fr", 240, 3120},
      {"Label_089_Ac", 1680, 4440},  {"Label_103_Lr", 8400, 4440},  {"Label_109_Mt", 4080, 3120},
      {"Label_LanthanideReference", 1200, 2640}, {"Label_ActinideReference", 1200, 3120},
  };
  for (const auto& c : cases) {
    const TwipRect place = Control(c.name).place;
    EXPECT_EQ(place.left, c.left) << c.name;
    EXPECT_EQ(place.top, c.top) << c.name;
    EXPECT_EQ(place.width, 495) << c.name;
    EXPECT_EQ(place.height, 495) << c.name;
  }
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
