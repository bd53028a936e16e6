// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The three events that enter the program's logic, and the one place where an error that a
// handler hands back is caught. The form dispatcher (form_dispatcher.h) raises them for the
// native events a front-end hands it (including the Change of `Text_T` that a text write raises
// inside a handler), and the front-end shows the returned message to the user; the program then
// goes on.
#pragma once

#include <optional>
#include <string>

#include "window/control_services.h"
#include "window/temperature_shown.h"

namespace velmora {

enum class FormEvent {
  Load,             // the window's Load: runs Form_Load
  Scroll_T_Scroll,  // a drag step of the scroll box of `Scroll_T`
  Text_T_Change,    // any change of the text of `Text_T`
};

// Runs the event's handler to its end. Returns nothing when it completed, or the message for the
// user when it stopped with an error; the writes the handler made before the error stay. The
// handler tells `shown` the temperature it shows in `Label_T`.
std::optional<std::string> RaiseFormEvent(FormEvent event, ControlServices& services,
                                          const TemperatureShown& shown = {});

}  // namespace velmora
