// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/form_dispatcher.h"

#include "window/checked_controls.h"
#include "window/control_names.h"
#include "window/form_events.h"
#include "window/handler_error.h"
#include "window/window_description.h"

namespace velmora {
namespace {

// The most writes one event makes: Load colours all 109 cells, a pass above every boiling
// point writes 190, and a nested Change adds its own pass.
constexpr std::size_t kUsualCellWrites = 2 * 190;

}  // namespace

FormDispatcher::FormDispatcher(ControlServices& window)
    : window_(window), temperature_in_force_(FindControl(control::Scroll_T)->scroll.value) {
  pending_.recoloured_cells.reserve(kUsualCellWrites);
}

std::optional<EventEnd> FormDispatcher::Load() {
  ++depth_;
  KeepFirstError(RaiseFormEvent(FormEvent::Load, *this, shown_));
  return Leave();
}

std::optional<EventEnd> FormDispatcher::UserMovedBar(std::int16_t position) {
  ++depth_;
  if (PlaceBar(position)) {
    KeepFirstError(RaiseFormEvent(FormEvent::Scroll_T_Scroll, *this, shown_));
    PlaceBar(position);
  }
  return Leave();
}

std::optional<EventEnd> FormDispatcher::TextChanged() {
  ++depth_;
  KeepFirstError(RaiseFormEvent(FormEvent::Text_T_Change, *this, shown_));
  return Leave();
}

bool FormDispatcher::PlaceBar(std::int16_t position) {
  try {
    CheckedControls(window_).SetValue(control::Scroll_T, position);
    return true;
  } catch (const HandlerError& error) {
    KeepFirstError(error.what());
    return false;
  }
}

void FormDispatcher::KeepFirstError(std::optional<std::string> message) {
  if (message && !pending_.message) pending_.message = std::move(message);
}

std::optional<EventEnd> FormDispatcher::Leave() {
  if (--depth_ > 0) return std::nullopt;
  EventEnd end = std::move(pending_);
  pending_ = EventEnd{};
  pending_.recoloured_cells.reserve(kUsualCellWrites);
  return end;
}

AccessStatus FormDispatcher::SetCaption(std::string_view control, std::string_view caption) {
  return window_.SetCaption(control, caption);
}

AccessStatus FormDispatcher::SetForeColor(std::string_view control, ColourValue colour) {
  const AccessStatus status = window_.SetForeColor(control, colour);
  if (status == AccessStatus::Ok) pending_.recoloured_cells.push_back(control);
  return status;
}

AccessStatus FormDispatcher::GetText(std::string_view control, std::string& text) {
  return window_.GetText(control, text);
}

AccessStatus FormDispatcher::SetText(std::string_view control, std::string_view text) {
  return window_.SetText(control, text);
}

AccessStatus FormDispatcher::GetValue(std::string_view control, std::int16_t& value) {
  return window_.GetValue(control, value);
}

AccessStatus FormDispatcher::SetValue(std::string_view control, std::int16_t value) {
  return window_.SetValue(control, value);
}

}  // namespace velmora
