// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The message a user reads when an event stops with an error, raised through RaiseFormEvent on
// the recording window: what went wrong comes first ("Overflow:", "Could not access"), never an
// "Unexpected error", and a failing write of the bar's value is reported, not passed over.
#include "window/form_events.h"

#include <gtest/gtest.h>

#include <string>

#include "window/tests/recording_controls.h"

namespace velmora {
namespace {

struct MessageCase {
  const char* name;
  FormEvent event;
  const char* typed;           // the box's new text, for a Change
  std::size_t failing_access;  // 1 = the event's first access; 0: none fails
  AccessStatus status;
  const char* message;
};

TEST(EventMessages, SayWhatStoppedTheEvent) {
  constexpr AccessStatus Failed = AccessStatus::Failed, OutOfRange = AccessStatus::OutOfRange;
  const MessageCase cases[] = {
      {"decimal beyond a double", FormEvent::Text_T_Change, "1e400", 0, Failed,
       "Overflow: \"1e400\" is too large a number."},
      {"hexadecimal beyond 32 bits", FormEvent::Text_T_Change, "&H100000000", 0, Failed,
       "Overflow: \"&H100000000\" is too large a number."},
      // Change: three reads of the text, then the write of the bar's value.
      {"bar's value write fails", FormEvent::Text_T_Change, "700", 4, Failed,
       "Could not access Value of Scroll_T: the window could not carry it out."},
      {"bar's value write refused", FormEvent::Text_T_Change, "700", 4, OutOfRange,
       "Could not access Value of Scroll_T: the value is outside the control's range."},
      {"text read fails", FormEvent::Text_T_Change, "700", 1, Failed,
       "Could not access Text of Text_T: the window could not carry it out."},
      {"Load's write of the bar's value fails", FormEvent::Load, "", 1, Failed,
       "Could not access Value of Scroll_T: the window could not carry it out."},
      {"drag step's read of the bar's value fails", FormEvent::Scroll_T_Scroll, "", 1, Failed,
       "Could not access Value of Scroll_T: the window could not carry it out."},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingControls window;
    ASSERT_EQ(window.Load(), std::nullopt);
    if (c.failing_access > 0) window.FailAccess(c.failing_access, c.status);
    std::optional<std::string> message;
    switch (c.event) {
      case FormEvent::Load: message = window.Load(); break;
      case FormEvent::Scroll_T_Scroll: message = window.DragTo(350); break;
      case FormEvent::Text_T_Change: message = window.Type(c.typed); break;
    }
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, c.message);
    // Every case stops before the value label is written: the temperature shown stays.
    EXPECT_EQ(window.LabelCaption(), "298");
  }
}

// A failing write of the bar's value leaves the bar where it was; the next entry applies.
TEST(EventMessages, AFailingWriteOfTheBarsValueChangesNothingAndTheProgramGoesOn) {
  RecordingControls window;
  window.Load();
  window.ClearLog();
  window.FailAccess(4);
  ASSERT_TRUE(window.Type("700").has_value());
  EXPECT_EQ(window.Value(), 298);
  EXPECT_TRUE(RecolourPasses(window.log()).empty());
  EXPECT_EQ(window.Type("70"), std::nullopt);
  EXPECT_EQ(window.Value(), 70);
  EXPECT_EQ(window.LabelCaption(), "70");
}

}  // namespace
}  // namespace velmora
