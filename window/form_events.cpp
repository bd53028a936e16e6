// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/form_events.h"

#include <exception>

#include "input/temperature_handlers.h"
#include "window/handler_error.h"
#include "window/startup.h"

namespace velmora {

std::optional<std::string> RaiseFormEvent(FormEvent event, ControlServices& services,
                                          const TemperatureShown& shown) {
  try {
    switch (event) {
      case FormEvent::Load: Form_Load(services, shown); break;
      case FormEvent::Scroll_T_Scroll: Scroll_T_Scroll(services, shown); break;
      case FormEvent::Text_T_Change: Text_T_Change(services, shown); break;
    }
  } catch (const HandlerError& error) {
    return std::string(error.what());
  } catch (const std::exception& error) {
    return std::string("Unexpected error: ") + error.what();
  }
  return std::nullopt;
}

}  // namespace velmora
