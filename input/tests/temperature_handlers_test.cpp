// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "input/temperature_handlers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/recolour.h"
#include "input/conversions.h"
#include "window/tests/recording_controls.h"

namespace velmora {
namespace {

// The temperature captions of the recolouring passes in the log, checking on the way that every
// pass coloured each cell for that temperature.
std::vector<std::string> PassTemperatures(const RecordingControls& window) {
  std::vector<std::string> temperatures;
  for (const RecolourPass& pass : RecolourPasses(window.log())) {
    const auto t = static_cast<std::int16_t>(std::stoi(pass.temperature_caption));
    std::vector<std::pair<std::string, ColourValue>> last_write;
    for (const auto& [cell, colour] : pass.writes) {
      if (!last_write.empty() && last_write.back().first == cell) last_write.pop_back();
      last_write.emplace_back(cell, colour);
    }
    EXPECT_EQ(last_write.size(), 96u);
    for (int z = 1; z <= kElementsWithData && z <= static_cast<int>(last_write.size()); ++z) {
      EXPECT_EQ(last_write[static_cast<std::size_t>(z - 1)].second,
                ToColourValue(StateAt(ElementRow(z), t)));
    }
    temperatures.push_back(pass.temperature_caption);
  }
  return temperatures;
}

struct EntryCase {
  const char* name;
  std::string typed;
  std::string box_afterwards;
  std::int16_t temperature;
  std::vector<std::string> passes;  // the temperature of each recolouring, in order
};

TEST(Text_T_Change, AppliesTheTypedEntry) {
  using P = std::vector<std::string>;
  const EntryCase cases[] = {
      {"empty", "", "", 0, P{"0"}},
      {"lone minus", "-", "-", 0, P{"0"}},
      {"minus zero", "-0", "-0", 0, P{"0"}},
      {"negative", "-5", "0", 0, P{"0", "0"}},
      {"negative fraction", "-0.4", "0", 0, P{"0", "0"}},
      {"half rounds to even 0", "0.5", "0.5", 0, P{"0"}},
      {"one and a half", "1.5", "1.5", 2, P{"2"}},
      {"two and a half", "2.5", "2.5", 2, P{"2"}},
      {"three and a half", "3.5", "3.5", 4, P{"4"}},
      {"trailing letters", "12abc", "12abc", 12, P{"12"}},
      {"decimal comma", "1,5", "1,5", 1, P{"1"}},
      {"digits with blanks", "2 9 8", "2 9 8", 298, P{"298"}},
      {"exponent", "1e3", "1e3", 1000, P{"1000"}},
      {"rounds up to the maximum", "5999.5", "5999.5", 6000, P{"6000"}},
      {"maximum", "6000", "6000", 6000, P{"6000"}},
      {"just above the maximum", "6000.4", "6000", 6000, P{"6000", "6000"}},
      {"above the maximum", "7000", "6000", 6000, P{"6000", "6000"}},
      {"hex maximum", "&H1770", "&H1770", 6000, P{"6000"}},
      {"hex minus one", "&HFFFF", "0", 0, P{"0", "0"}},
      {"hex above 16 bits", "&H10000", "6000", 6000, P{"6000", "6000"}},
      {"far above 16 bits", "99999999", "6000", 6000, P{"6000", "6000"}},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingControls window;
    window.Type("1");  // so that typing "" is a change
    window.ClearLog();
    EXPECT_EQ(window.Type(c.typed), std::nullopt);
    EXPECT_EQ(window.Text(), c.box_afterwards);
    EXPECT_EQ(window.Value(), c.temperature);
    EXPECT_EQ(window.LabelCaption(), Int16ToText(c.temperature));
    EXPECT_EQ(PassTemperatures(window), c.passes);
  }
}

TEST(Text_T_Change, OverflowLeavesEveryControlAsItWas) {
  RecordingControls window;
  window.Load();
  window.Type("500");
  window.ClearLog();
  const auto message = window.Type("1e400");
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find("Overflow"), std::string::npos);
  EXPECT_EQ(window.Text(), "1e400");
  EXPECT_EQ(window.Value(), 500);
  EXPECT_EQ(window.LabelCaption(), "500");
  ASSERT_EQ(window.log().size(), 1u);  // the first read of the text, and nothing written
  EXPECT_EQ(window.log()[0].operation, RecordingControls::Operation::GetText);
  EXPECT_EQ(window.ForeColor("Label_003_Li"), ToColourValue(StateColour::Liquid));
}

TEST(Text_T_Change, TypingKeyByKeyAppliesEachPrefix) {
  const struct { const char* keys; std::vector<std::string> labels; const char* box; } cases[] = {
      {"7000", {"7", "70", "700", "6000"}, "6000"},
      {"12abc", {"1", "12", "12", "12", "12"}, "12abc"},
  };
  for (const auto& c : cases) {
    RecordingControls window;
    std::string typed;
    std::vector<std::string> labels;
    for (const char* key = c.keys; *key != '\0'; ++key) {
      typed += *key;
      window.Type(typed);
      labels.push_back(window.LabelCaption());
    }
    EXPECT_EQ(labels, c.labels) << c.keys;
    EXPECT_EQ(window.Text(), c.box) << c.keys;
  }
}

TEST(Text_T_Change, ReadsTheBoxAfreshAfterEachCorrection) {
  RecordingControls window;
  window.Type("7000");
  using Operation = RecordingControls::Operation;
  std::vector<std::string> text_reads;
  for (const auto& access : window.log()) {
    if (access.operation == Operation::GetText) text_reads.push_back(access.text);
  }
  // Outer run: "7000", "7000", then the nested run's three reads of "6000", then the outer
  // run's third read, which sees the corrected "6000".
  const std::vector<std::string> expected = {"7000", "7000", "6000", "6000", "6000", "6000"};
  EXPECT_EQ(text_reads, expected);
}

TEST(Scroll_T_Scroll, AppliesTheDragPositionAndEmptiesTheBox) {
  RecordingControls window;
  window.Load();
  window.ClearLog();
  window.DragTo(350);
  EXPECT_EQ(window.Text(), "");
  EXPECT_EQ(window.LabelCaption(), "350");
  EXPECT_EQ(window.Value(), 350);
  EXPECT_EQ(PassTemperatures(window), std::vector<std::string>{"350"});
}

// The drag from the description of the input area: a nested pass at 0 K on the first step, then
// every step ends at the scroll box position.
TEST(Scroll_T_Scroll, DragWhileTheBoxHoldsTextRunsOneNestedPassAtZero) {
  RecordingControls window;
  window.Load();
  window.Type("12");
  window.ClearLog();

  window.DragTo(480);
  EXPECT_EQ(PassTemperatures(window), (std::vector<std::string>{"0", "480"}));
  EXPECT_EQ(window.Value(), 0);  // the nested run wrote 0; the next step or the release resets it
  EXPECT_EQ(window.LabelCaption(), "480");
  EXPECT_EQ(window.Text(), "");

  window.ClearLog();
  window.DragTo(490);
  window.DragTo(500);
  EXPECT_EQ(PassTemperatures(window), (std::vector<std::string>{"490", "500"}));
  EXPECT_EQ(window.Value(), 500);
  EXPECT_EQ(window.LabelCaption(), "500");
  EXPECT_EQ(window.Text(), "");
  EXPECT_EQ(window.ForeColor("Label_015_P"), ToColourValue(StateColour::Liquid));
}

TEST(Handlers, AFailingAccessStopsTheRunAndKeepsEarlierWrites) {
  RecordingControls window;
  window.Load();
  window.ClearLog();
  // Text_T_Change on "700": read, read, read, write Value, read Value, write caption (fails).
  window.FailAccess(6);
  const auto message = window.Type("700");
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find("Caption of Label_T"), std::string::npos) << *message;
  EXPECT_EQ(window.Value(), 700);
  EXPECT_EQ(window.LabelCaption(), "298");
  EXPECT_TRUE(RecolourPasses(window.log()).empty());

  // The program goes on: the next entry is applied in full.
  EXPECT_EQ(window.Type("70"), std::nullopt);
  EXPECT_EQ(window.LabelCaption(), "70");
}

}  // namespace
}  // namespace velmora
