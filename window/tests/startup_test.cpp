// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/startup.h"

#include <gtest/gtest.h>

#include "elements/recolour.h"
#include "window/form_events.h"
#include "window/tests/recording_controls.h"

namespace velmora {
namespace {

TEST(Form_Load, ShowsTheStartTemperatureAndTheStartUpColours) {
  RecordingControls window;
  EXPECT_EQ(window.Load(), std::nullopt);
  EXPECT_EQ(window.Value(), 298);
  EXPECT_EQ(window.LabelCaption(), "298");
  EXPECT_EQ(window.Text(), "");
  const struct { std::string_view cell; StateColour colour; } cases[] = {
      {"Label_035_Br", StateColour::Liquid}, {"Label_080_Hg", StateColour::Liquid},
      {"Label_086_Rn", StateColour::Gas},    {"Label_001_H", StateColour::Gas},
      {"Label_026_Fe", StateColour::Solid},  {"Label_096_Cm", StateColour::Solid},
      {"Label_097_Bk", StateColour::NoData}, {"Label_109_Mt", StateColour::NoData},
  };
  for (const auto& c : cases) EXPECT_EQ(window.ForeColor(c.cell), ToColourValue(c.colour)) << c.cell;
}

TEST(Form_Load, WritesScrollBarThenLabelThenEveryCellInOrder) {
  RecordingControls window;
  window.Load();
  const auto& log = window.log();
  using Operation = RecordingControls::Operation;
  ASSERT_EQ(log.size(), 3u + 109u);
  EXPECT_EQ(log[0].operation, Operation::SetValue);
  EXPECT_EQ(log[1].operation, Operation::GetValue);
  EXPECT_EQ(log[2].operation, Operation::SetCaption);
  for (int z = 1; z <= kElementCount; ++z) {
    const auto& access = log[static_cast<std::size_t>(z + 2)];
    EXPECT_EQ(access.operation, Operation::SetForeColor);
    EXPECT_EQ(access.control, ElementRow(z).cell_name());
  }
}

// The list is fixed data; it must agree with the recolouring pass at the start temperature.
TEST(StartUpColours, EqualThePassAtTheStartTemperature) {
  int counts[4] = {};
  for (int z = 1; z <= kElementCount; ++z) {
    const StateColour listed = kStartUpColours[static_cast<std::size_t>(z - 1)];
    EXPECT_EQ(listed, StateAt(ElementRow(z), kStartTemperature)) << ElementRow(z).symbol;
    counts[listed == StateColour::Solid ? 0 : listed == StateColour::Liquid ? 1
           : listed == StateColour::Gas ? 2 : 3]++;
  }
  EXPECT_EQ(counts[0], 83);
  EXPECT_EQ(counts[1], 2);
  EXPECT_EQ(counts[2], 11);
  EXPECT_EQ(counts[3], 13);
}

TEST(StartUpColours, TypingTheStartTemperatureChangesNoCell) {
  RecordingControls started;
  started.Load();
  RecordingControls typed;
  typed.Load();
  typed.Type("298");
  for (int z = 1; z <= kElementCount; ++z) {
    const auto cell = ElementRow(z).cell_name();
    EXPECT_EQ(typed.ForeColor(cell), started.ForeColor(cell)) << cell;
  }
}

TEST(StartUpColours, ElementsWithoutDataStayGreyAtEveryTemperature) {
  RecordingControls window;
  window.Load();
  for (const char* entry : {"0", "6000", "-3", "9999", "3000"}) window.Type(entry);
  for (int position : {0, 6000, 1}) window.DragTo(static_cast<std::int16_t>(position));
  for (int z = kElementsWithData + 1; z <= kElementCount; ++z) {
    EXPECT_EQ(window.ForeColor(ElementRow(z).cell_name()), ToColourValue(StateColour::NoData));
  }
}

TEST(Form_Load, AFailingAccessStopsItThereAndIsReportedNotThrown) {
  RecordingControls window;
  window.FailAccess(3 + 26);  // the write of iron's colour
  const auto message = window.Load();
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find("ForeColor of Label_026_Fe"), std::string::npos) << *message;
  EXPECT_EQ(window.log().size(), 3u + 26u);
  EXPECT_EQ(window.LabelCaption(), "298");
  EXPECT_EQ(window.ForeColor("Label_025_Mn"), ToColourValue(StateColour::Solid));
}

}  // namespace
}  // namespace velmora
