// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The errors that end an event handler. Handlers never catch them; RaiseFormEvent catches them
// once, at the top of the event, and hands the front-end a message for the user.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "window/control_services.h"

namespace velmora {

class HandlerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A control property access that returned a failing status.
class ControlAccessError : public HandlerError {
 public:
  ControlAccessError(std::string_view control, std::string_view property, AccessStatus status);
};

// A value conversion whose result does not fit its type: a number beyond the range of a double,
// or a rounding outside -32768..32767.
class OverflowError : public HandlerError {
 public:
  using HandlerError::HandlerError;
};

}  // namespace velmora
