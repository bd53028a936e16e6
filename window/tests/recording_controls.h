// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// An in-memory window for tests: it holds the state of every control of the window description,
// records every property access in order, and behaves as the contract says a window does —
// a text write that changes the text of `Text_T` raises its Change at once (through
// RaiseFormEvent, as a front-end would), a `Value` write outside the bar's range fails, and
// writing `Value` raises nothing. It can be told to fail chosen accesses, counted from now on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/control_services.h"
#include "window/window_description.h"

namespace velmora {

class RecordingControls : public ControlServices {
 public:
  enum class Operation { SetCaption, SetForeColor, GetText, SetText, GetValue, SetValue };

  struct Access {
    Operation operation;
    std::string control;
    std::string text;         // caption or text written, or text read
    std::int64_t number = 0;  // colour or value written, or value read
    AccessStatus status = AccessStatus::Ok;
  };

  struct ControlState {
    ControlKind kind = ControlKind::Label;
    std::string caption;
    ColourValue fore_colour = 0;
    std::string text;
    std::int16_t value = 0;
    ScrollRange range;
  };

  RecordingControls();  // every control as the window description creates it

  AccessStatus SetCaption(std::string_view control, std::string_view caption) override;
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override;
  AccessStatus GetText(std::string_view control, std::string& text) override;
  AccessStatus SetText(std::string_view control, std::string_view text) override;
  AccessStatus GetValue(std::string_view control, std::int16_t& value) override;
  AccessStatus SetValue(std::string_view control, std::int16_t value) override;

  // The user's actions, each raised as its event; they return the message the event ended with.
  std::optional<std::string> Load();
  std::optional<std::string> Type(std::string_view text);  // the whole text at once
  std::optional<std::string> DragTo(std::int16_t position);

  // Raises the Change of a text write through `change` instead, as a window with a FormDispatcher
  // does (its native notification calls the dispatcher).
  void RouteChange(std::function<void()> change) { route_change_ = std::move(change); }

  // Makes the Nth access from now on (1 = the next) fail with `status` and change nothing; each
  // call plans one more failure.
  void FailAccess(std::size_t nth, AccessStatus status = AccessStatus::Failed);
  void ClearLog() { log_.clear(); }

  const std::vector<Access>& log() const { return log_; }
  const ControlState& State(std::string_view control) const;
  std::string Text() const { return State("Text_T").text; }
  std::int16_t Value() const { return State("Scroll_T").value; }
  std::string LabelCaption() const { return State("Label_T").caption; }
  ColourValue ForeColor(std::string_view control) const { return State(control).fore_colour; }

 private:
  // Records the access; returns the status it ends with, before looking the control up.
  AccessStatus Begin(Operation operation, std::string_view control, std::string_view text,
                     std::int64_t number);
  ControlState* Find(std::string_view control, ControlKind kind, AccessStatus& status);

  std::map<std::string, ControlState, std::less<>> controls_;
  std::vector<Access> log_;
  std::function<void()> route_change_;
  std::size_t accesses_ = 0;  // made so far, ClearLog or not
  std::map<std::size_t, AccessStatus> planned_failures_;  // by the number of the access
};

// One run of the recolouring pass found in an access log: the cells it wrote, in order, and the
// temperature the handler showed in `Label_T` just before it.
struct RecolourPass {
  std::string temperature_caption;
  std::vector<std::pair<std::string, ColourValue>> writes;
};

// Splits the `ForeColor` writes of a log into passes; a pass starts with a write to Label_001_H.
std::vector<RecolourPass> RecolourPasses(const std::vector<RecordingControls::Access>& log);

}  // namespace velmora
