// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window's controls as the program's logic sees them: the control services over the HWNDs
// of Form1, looked up by name for every access. It keeps each label's current text colour for
// painting (WM_CTLCOLORSTATIC reads it back) and does not create, place or paint any control.
//
// Writing the text of `Text_T` goes through SetWindowText, whose EN_CHANGE the window procedure
// turns into the Change event before the write returns; a write of the text the box already
// holds is skipped, so it raises nothing. After a write the caret is put at the end of the text.
// Writing `Value` moves the bar's position only and raises nothing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <unordered_map>

#include "window/control_services.h"
#include "window/window_description.h"

namespace velmora::win32 {

struct NativeControl {
  HWND window = nullptr;
  const ControlDescription* description = nullptr;
  ColourValue fore_colour = 0;
};

class Win32Controls : public ControlServices {
 public:
  void Add(const ControlDescription& description, HWND window);
  const NativeControl* Find(std::string_view name) const;
  const NativeControl* FindByWindow(HWND window) const;
  HWND WindowOf(std::string_view name) const;

  AccessStatus SetCaption(std::string_view control, std::string_view caption) override;
  AccessStatus SetForeColor(std::string_view control, ColourValue colour) override;
  AccessStatus GetText(std::string_view control, std::string& text) override;
  AccessStatus SetText(std::string_view control, std::string_view text) override;
  AccessStatus GetValue(std::string_view control, std::int16_t& value) override;
  AccessStatus SetValue(std::string_view control, std::int16_t value) override;

 private:
  NativeControl* Lookup(std::string_view name, ControlKind kind, AccessStatus& status);

  std::unordered_map<std::string, NativeControl> by_name_;
  std::unordered_map<HWND, std::string> name_of_window_;
};

}  // namespace velmora::win32
