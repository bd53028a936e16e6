// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// ControlServices with every status checked at the statement that made the access: a failing
// status throws ControlAccessError naming the control and the property. The handlers use this
// and nothing else to reach the window; they keep no reference to a control between statements.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window/control_services.h"

namespace velmora {

class CheckedControls {
 public:
  explicit CheckedControls(ControlServices& services) : services_(services) {}

  void SetCaption(std::string_view control, std::string_view caption);
  void SetForeColor(std::string_view control, ColourValue colour);
  std::string GetText(std::string_view control);
  void SetText(std::string_view control, std::string_view text);
  std::int16_t GetValue(std::string_view control);
  void SetValue(std::string_view control, std::int16_t value);

 private:
  ControlServices& services_;
};

}  // namespace velmora
