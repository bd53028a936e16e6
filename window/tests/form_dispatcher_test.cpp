// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The event policy both windows share, driven through the recording window as a front-end
// drives it: the user's actions become dispatcher calls, and a handler's text write raises the
// nested Change through the dispatcher too.
#include "window/form_dispatcher.h"

#include <gtest/gtest.h>

#include <vector>

#include "elements/recolour.h"
#include "window/tests/recording_controls.h"

namespace velmora {
namespace {

class DispatchedWindow : public testing::Test {
 protected:
  DispatchedWindow() {
    window_.RouteChange([this] { change_end_ = dispatcher_.TextChanged(); });
    EXPECT_FALSE(dispatcher_.Load()->message);
  }

  // The user replaces the box's text (typing, pasting): the box changes, then its Change runs.
  // The same text again is no change and raises nothing.
  EventEnd Type(std::string_view text) {
    if (window_.Text() == text) return {};
    change_end_.reset();
    window_.SetText("Text_T", text);
    EXPECT_TRUE(change_end_) << "a typed change is an outermost event";
    return change_end_ ? *change_end_ : EventEnd{};
  }

  void ExpectShowing(std::int16_t t, std::string_view text) {
    EXPECT_EQ(window_.Value(), t);
    EXPECT_EQ(window_.LabelCaption(), std::to_string(t));
    EXPECT_EQ(dispatcher_.TemperatureInForce(), t);
    EXPECT_EQ(window_.Text(), text);
    for (const ElementStateRow& row : kElementStateTable) {
      ASSERT_EQ(window_.ForeColor(row.cell_name()), ToColourValue(StateAt(row, t))) << row.symbol;
    }
  }

  RecordingControls window_;
  FormDispatcher dispatcher_{window_};
  std::optional<EventEnd> change_end_;
};

TEST_F(DispatchedWindow, AfterEveryUserMoveTheBarReadsWhereTheUserPutIt) {
  // Emptying a box that holds text runs a nested Change, which writes 0 to the bar.
  const struct { const char* box; std::int16_t position; } cases[] = {
      {"", 350}, {"12", 350}, {"12", 0}, {"7000", 6000}, {"", 298},
  };
  for (const auto& c : cases) {
    Type(c.box);
    const std::optional<EventEnd> end = dispatcher_.UserMovedBar(c.position);
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->message);
    ExpectShowing(c.position, "");
  }
}

TEST_F(DispatchedWindow, OnlyTheOutermostEventEndsAndItListsEveryCellWrite) {
  Type("12");
  change_end_ = EventEnd{};
  const std::optional<EventEnd> end = dispatcher_.UserMovedBar(6000);
  ASSERT_TRUE(end);
  // The nested Change (box emptied) ran inside the move and reported no end of its own.
  EXPECT_FALSE(change_end_);
  // Its pass at 0 K writes 96 cells, the move's pass at 6000 K writes 190 (gas: Liquid, Gas).
  ASSERT_EQ(end->recoloured_cells.size(), 96u + 190u);
  EXPECT_EQ(end->recoloured_cells.front(), "Label_001_H");
  EXPECT_EQ(end->recoloured_cells.back(), "Label_096_Cm");
  EXPECT_FALSE(dispatcher_.InEvent());
}

TEST_F(DispatchedWindow, ARefusedEntryReportsOnceAndChangesNothing) {
  Type("450");
  const EventEnd refused = Type("1e400");
  ASSERT_TRUE(refused.message);
  EXPECT_EQ(refused.message->rfind("Overflow:", 0), 0u) << *refused.message;
  EXPECT_TRUE(refused.recoloured_cells.empty());
  ExpectShowing(450, "1e400");
  // Once shown, the message is gone: the next key and the next move report nothing.
  EXPECT_FALSE(Type("45").message);
  EXPECT_FALSE(dispatcher_.UserMovedBar(100)->message);
  ExpectShowing(100, "");
}

TEST_F(DispatchedWindow, TheFirstErrorOfANestedRunIsTheOneReported) {
  // The move writes the bar (1), reads it (2), empties the box (3); the nested Change reads the
  // box (4, 5, 6), writes 0 to the bar (7), reads it (8) and writes the label (9). A failure
  // stops the nested run; the move goes on with the label (the next access) and its colours.
  const struct {
    std::vector<std::size_t> failing;
    const char* property;
    const char* label;
  } cases[] = {
      {{7}, "Value of Scroll_T", "350"},
      {{7, 8}, "Value of Scroll_T", "12"},  // the move's label too: the cause is reported
      {{9}, "Caption of Label_T", "350"},   // after the nested run wrote 0 to the bar
  };
  for (const auto& c : cases) {
    Type("12");
    for (std::size_t nth : c.failing) window_.FailAccess(nth);
    const EventEnd end = *dispatcher_.UserMovedBar(350);
    ASSERT_TRUE(end.message);
    EXPECT_EQ(*end.message, std::string("Could not access ") + c.property +
                                ": the window could not carry it out.");
    // The move put the bar back where the user put it, whatever the nested run wrote.
    EXPECT_EQ(window_.Value(), 350);
    EXPECT_EQ(window_.LabelCaption(), c.label);
    if (c.label == std::string("350")) ExpectShowing(350, "");
  }
}

TEST_F(DispatchedWindow, AFailingWriteOfTheBarIsAnErrorAndRunsNoHandler) {
  window_.FailAccess(1, AccessStatus::OutOfRange);
  const EventEnd end = *dispatcher_.UserMovedBar(4000);
  ASSERT_TRUE(end.message);
  EXPECT_EQ(*end.message,
            "Could not access Value of Scroll_T: the value is outside the control's range.");
  EXPECT_TRUE(end.recoloured_cells.empty());
  ExpectShowing(298, "");
}

TEST(FormDispatcher, TheTemperatureInForceIsTheBarsStartUntilTheLabelShowsOne) {
  RecordingControls window;
  FormDispatcher dispatcher(window);
  window.RouteChange([&] { dispatcher.TextChanged(); });
  EXPECT_EQ(dispatcher.TemperatureInForce(), 298);
  EXPECT_FALSE(dispatcher.UserMovedBar(5)->message);
  EXPECT_EQ(dispatcher.TemperatureInForce(), 5);
  window.FailAccess(4);  // the move's write of `Label_T`, after the bar, its read and the box
  EXPECT_TRUE(dispatcher.UserMovedBar(77)->message);
  EXPECT_EQ(dispatcher.TemperatureInForce(), 5);
}

}  // namespace
}  // namespace velmora
