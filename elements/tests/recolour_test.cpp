// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/recolour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "window/handler_error.h"
#include "window/tests/recording_controls.h"

namespace velmora {
namespace {

struct StateCase {
  int atomic_number;
  std::int16_t t;
  StateColour expected;
};

// Boundaries of the interval test: equal to the lower threshold is no longer solid, equal to the
// upper one is not yet gas; a double threshold falls between two temperatures.
TEST(StateAt, ClassifiesAtTheThresholdBoundaries) {
  const StateCase cases[] = {
      {2, 0, StateColour::Solid},      {2, 1, StateColour::Liquid},    // He 0.95
      {2, 4, StateColour::Liquid},     {2, 5, StateColour::Gas},       // He 4.216
      {1, 13, StateColour::Solid},     {1, 14, StateColour::Liquid},   // H 13.81
      {1, 20, StateColour::Liquid},    {1, 21, StateColour::Gas},      // H 20.28
      {4, 1559, StateColour::Solid},   {4, 1560, StateColour::Liquid}, // Be 1560
      {3, 1615, StateColour::Liquid},  {3, 1616, StateColour::Gas},    // Li 1615
      {33, 887, StateColour::Solid},   {33, 888, StateColour::Gas},    // As, one threshold
      {6, 4239, StateColour::Solid},   {6, 4240, StateColour::Gas},    // C, one threshold
      {6, 6000, StateColour::Gas},     {74, 5825, StateColour::Liquid},
      {74, 5826, StateColour::Gas},    {97, 298, StateColour::NoData},
      {109, 6000, StateColour::NoData}, {35, 298, StateColour::Liquid},
  };
  for (const StateCase& c : cases) {
    EXPECT_EQ(StateAt(ElementRow(c.atomic_number), c.t), c.expected)
        << ElementRow(c.atomic_number).symbol << " at " << c.t;
  }
}

class RecolourPass : public ::testing::Test {
 protected:
  // Runs one pass at t on a fresh window and returns the ForeColor writes it made.
  std::vector<RecordingControls::Access> Pass(std::int16_t t) {
    window_.ClearLog();
    CheckedControls controls(window_);
    RecolourElements(controls, t);
    return window_.log();
  }

  RecordingControls window_;
};

TEST_F(RecolourPass, MakesOneWritePerRowPlusOneForEachRowAboveItsBoilingPoint) {
  const struct { std::int16_t t; std::size_t writes; } cases[] = {
      {0, 96}, {298, 107}, {5825, 188}, {5826, 190}, {6000, 190}};
  for (const auto& c : cases) EXPECT_EQ(Pass(c.t).size(), c.writes) << "at " << c.t;
}

TEST_F(RecolourPass, WritesCellsInAscendingOrderLiquidBeforeGas) {
  const auto log = Pass(298);
  int last_z = 0;
  for (std::size_t i = 0; i < log.size(); ++i) {
    ASSERT_EQ(log[i].operation, RecordingControls::Operation::SetForeColor);
    const int z = std::stoi(log[i].control.substr(6, 3));
    EXPECT_GE(z, last_z);
    if (z == last_z) {  // the second write of a gas: Liquid first, then Gas
      EXPECT_EQ(log[i - 1].number, ToColourValue(StateColour::Liquid));
      EXPECT_EQ(log[i].number, ToColourValue(StateColour::Gas));
    }
    last_z = z;
  }
  EXPECT_EQ(last_z, 96);
}

// Over the whole range the pass leaves every cell 1..96 in its state and never writes anything
// else, whatever temperature came before (the sweep goes up, then jumps from 6000 to 0).
TEST_F(RecolourPass, LeavesEveryCellInItsStateAtEveryTemperature) {
  for (int t = 0; t <= 6000; ++t) {
    const auto log = Pass(static_cast<std::int16_t>(t));
    for (const auto& access : log) {
      ASSERT_EQ(access.operation, RecordingControls::Operation::SetForeColor);
      ASSERT_LE(std::stoi(access.control.substr(6, 3)), 96) << access.control;
    }
    for (int z = 1; z <= kElementsWithData; ++z) {
      ASSERT_EQ(window_.ForeColor(ElementRow(z).cell_name()),
                ToColourValue(StateAt(ElementRow(z), static_cast<std::int16_t>(t))))
          << ElementRow(z).symbol << " at " << t;
    }
  }
  Pass(0);
  for (int z = 1; z <= kElementsWithData; ++z) {
    EXPECT_EQ(window_.ForeColor(ElementRow(z).cell_name()), ToColourValue(StateColour::Solid));
  }
}

TEST_F(RecolourPass, ShowsTheKnownStatesAtNotableTemperatures) {
  const struct { std::int16_t t; std::vector<int> liquid; std::vector<int> gas; } cases[] = {
      {298, {35, 80}, {1, 2, 7, 8, 9, 10, 17, 18, 36, 54, 86}},
      {1, {2}, {}},
  };
  for (const auto& c : cases) {
    Pass(c.t);
    for (int z = 1; z <= kElementsWithData; ++z) {
      StateColour expected = StateColour::Solid;
      if (std::count(c.liquid.begin(), c.liquid.end(), z)) expected = StateColour::Liquid;
      if (std::count(c.gas.begin(), c.gas.end(), z)) expected = StateColour::Gas;
      EXPECT_EQ(window_.ForeColor(ElementRow(z).cell_name()), ToColourValue(expected))
          << ElementRow(z).symbol << " at " << c.t;
    }
  }
  Pass(4239);  // carbon is the only solid left
  for (int z = 1; z <= kElementsWithData; ++z) {
    EXPECT_EQ(window_.ForeColor(ElementRow(z).cell_name()) == ToColourValue(StateColour::Solid), z == 6);
  }
}

TEST_F(RecolourPass, StopsAtAFailingWriteKeepingEarlierCells) {
  Pass(0);
  window_.ClearLog();
  // At 6000 K H to B take two writes each; the eleventh, carbon's only one, fails.
  window_.FailAccess(11);
  CheckedControls controls(window_);
  EXPECT_THROW(RecolourElements(controls, 6000), ControlAccessError);
  ASSERT_EQ(window_.log().size(), 11u);
  EXPECT_EQ(window_.log().back().control, "Label_006_C");
  EXPECT_EQ(window_.log().back().status, AccessStatus::Failed);
  EXPECT_EQ(window_.ForeColor("Label_005_B"), ToColourValue(StateColour::Gas));
  EXPECT_EQ(window_.ForeColor("Label_006_C"), ToColourValue(StateColour::Solid));
  EXPECT_EQ(window_.ForeColor("Label_096_Cm"), ToColourValue(StateColour::Solid));
}

}  // namespace
}  // namespace velmora
