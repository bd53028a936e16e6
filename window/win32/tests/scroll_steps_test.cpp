// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Where each user action on the scroll bar puts its position: steps, ends, the scroll box, and
// clamping at both ends of the range; what the reports of the scroll box within a press of the
// mouse and outside one move; turns of the mouse wheel and sideways tilts, whole and in parts of
// a notch, under the system's wheel settings.
#include "window/win32/scroll_steps.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <vector>

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

constexpr int kPress = -1;  // the button goes down on the bar, standing at 298
constexpr int kEnd = -2;    // SB_ENDSCROLL

struct PressCase {
  const char* name;
  std::vector<int> reports;  // positions of the scroll box, kPress and kEnd
  std::vector<std::optional<int>> targets;  // for each position reported
};
void PrintTo(const PressCase& row, std::ostream* out) { *out << row.name; }

class ScrollBoxPressTest : public testing::TestWithParam<PressCase> {};

TEST_P(ScrollBoxPressTest, MovesOnceAReportDiffersFromThePress) {
  ScrollBoxPress press;
  std::vector<std::optional<int>> targets;
  for (int report : GetParam().reports) {
    if (report == kPress) press.Begin(298);
    else if (report == kEnd) press.End();
    else targets.push_back(press.Where(report));
  }
  EXPECT_EQ(targets, GetParam().targets);
}

constexpr std::nullopt_t kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Presses, ScrollBoxPressTest,
    testing::Values(
        PressCase{"ClickOnTheBox", {kPress, 297, 297}, {kNone, kNone}},
        PressCase{"Drag", {kPress, 297, 376, 402, 402}, {kNone, 376, 402, 402}},
        PressCase{"BackToThePressIsThePressPosition", {kPress, 297, 376, 297}, {kNone, 376, 298}},
        PressCase{"EachPressStartsAfresh", {kPress, 297, 376, kPress, 376, 376},
                  {kNone, 376, kNone, kNone}},
        PressCase{"OutsideAPressAReportIsAMove", {kPress, 297, kEnd, 1234}, {kNone, 1234}}),
    [](const testing::TestParamInfo<PressCase>& param) { return std::string(param.param.name); });

struct WheelCase {
  const char* name;
  WheelSetting setting;
  std::int16_t start;
  std::vector<int> deltas;  // one message each, the bar moved to each result in turn
  std::vector<std::optional<std::int16_t>> targets;
  int remainder_afterwards;
};
void PrintTo(const WheelCase& row, std::ostream* out) { *out << row.name; }

// Whole notches, thirds and the settings are tested through the window (form_window_input_test).
class WheelTargetTest : public testing::TestWithParam<WheelCase> {};

TEST_P(WheelTargetTest, MovesByTheSettingAndKeepsPartsOfANotch) {
  const WheelCase& wheel = GetParam();
  ASSERT_EQ(wheel.deltas.size(), wheel.targets.size());
  std::int16_t position = wheel.start;
  int remainder = 0;
  for (std::size_t i = 0; i < wheel.deltas.size(); ++i) {
    const auto target = WheelTarget(wheel.deltas[i], wheel.setting, position, kRange, remainder);
    EXPECT_EQ(target, wheel.targets[i]) << "turn " << i << " by " << wheel.deltas[i];
    if (target) position = *target;
  }
  EXPECT_EQ(remainder, wheel.remainder_afterwards);
}

constexpr WheelSetting kThreeLines{3, false};
constexpr WheelSetting kOneLine{1, false};
constexpr std::nullopt_t kStays = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Turns, WheelTargetTest,
    testing::Values(
        WheelCase{"NoMoreThanAPagePerMessage", {100, false}, 298, {-120}, {348}, 0},
        WheelCase{"WheelTurnedOff", {0, false}, 298, {-120}, {kStays}, 0},
        WheelCase{"HalfNotchAndBack", kThreeLines, 298, {-60, 60}, {299, 298}, -60},
        // Kept parts are dropped when the wheel turns back: 100 - 10 + 100 would make a line.
        WheelCase{"TurningBackDropsTheParts", kOneLine, 298, {-100, 10, -100},
                  {kStays, kStays, kStays}, 100},
        WheelCase{"AtTheMaximumKeepsNothing", kOneLine, 6000, {-60}, {kStays}, 0},
        // Sideways, to the right is up the range and to the left down.
        WheelCase{"TiltRightRaises", {3, false, WheelAxis::Horizontal}, 298, {120, -40},
                  {301, 300}, 0},
        // The largest turn a message carries under the largest line setting stays in range.
        WheelCase{"ExtremeTurn", {WHEEL_PAGESCROLL - 1, false}, 298, {-32768}, {348}, 112}),
    [](const testing::TestParamInfo<WheelCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace velmora::win32
