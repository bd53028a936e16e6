// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/handler_error.h"

namespace velmora {
namespace {

std::string AccessMessage(std::string_view control, std::string_view property, AccessStatus status) {
  std::string message = "Could not access ";
  message.append(property).append(" of ").append(control).append(": ");
  message += AccessStatusText(status);
  message += '.';
  return message;
}

}  // namespace

const char* AccessStatusText(AccessStatus status) {
  switch (status) {
    case AccessStatus::Ok: return "no error";
    case AccessStatus::NoSuchControl: return "the window has no such control";
    case AccessStatus::WrongKind: return "the control has no such property";
    case AccessStatus::OutOfRange: return "the value is outside the control's range";
    case AccessStatus::Failed: return "the window could not carry it out";
  }
  return "unknown status";
}

ControlAccessError::ControlAccessError(std::string_view control, std::string_view property,
                                       AccessStatus status)
    : HandlerError(AccessMessage(control, property, status)) {}

}  // namespace velmora
