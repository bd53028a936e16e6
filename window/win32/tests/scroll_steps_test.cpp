// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Where each user action on the scroll bar puts its position: steps, ends, the scroll box, and
// clamping at both ends of the range.
#include "window/win32/scroll_steps.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

namespace velmora::win32 {
namespace {

constexpr ScrollRange kRange{0, 6000, 298, 1, 50};

struct StepCase {
  const char* name;
  int code;
  std::int16_t current;
  int box_position;
  std::optional<std::int16_t> expected;
};
void PrintTo(const StepCase& row, std::ostream* out) { *out << row.name; }

class ScrollTargetTest : public testing::TestWithParam<StepCase> {};

TEST_P(ScrollTargetTest, MovesToTheExpectedPosition) {
  const StepCase& step = GetParam();
  EXPECT_EQ(ScrollTarget(step.code, step.current, step.box_position, kRange), step.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllCodes, ScrollTargetTest,
    testing::Values(StepCase{"ArrowRight", SB_LINERIGHT, 298, 0, 299},
                    StepCase{"ArrowLeft", SB_LINELEFT, 298, 0, 297},
                    StepCase{"ArrowLeftAtMinimum", SB_LINELEFT, 0, 0, 0},
                    StepCase{"ArrowRightAtMaximum", SB_LINERIGHT, 6000, 0, 6000},
                    StepCase{"PageRight", SB_PAGERIGHT, 298, 0, 348},
                    StepCase{"PageLeft", SB_PAGELEFT, 298, 0, 248},
                    StepCase{"PageLeftClampsAtMinimum", SB_PAGELEFT, 30, 0, 0},
                    StepCase{"PageRightClampsAtMaximum", SB_PAGERIGHT, 5990, 0, 6000},
                    StepCase{"Home", SB_LEFT, 298, 0, 0},
                    StepCase{"End", SB_RIGHT, 298, 0, 6000},
                    StepCase{"DragStep", SB_THUMBTRACK, 0, 4321, 4321},
                    StepCase{"Release", SB_THUMBPOSITION, 0, 500, 500},
                    StepCase{"BoxBeyondRange", SB_THUMBTRACK, 10, 7000, 6000},
                    StepCase{"EndOfScrollMovesNothing", SB_ENDSCROLL, 298, 0, std::nullopt}),
    [](const testing::TestParamInfo<StepCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::win32
