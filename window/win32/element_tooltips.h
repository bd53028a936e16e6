// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Tooltips of the element cells: pointing at a cell shows the element's name, atomic number,
// melting and boiling points and its state at the temperature in force (the core's
// ElementSummary). The text is made when the tooltip asks for it (TTN_GETDISPINFO), so it always
// speaks of the temperature shown at that moment. It changes no control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "window/win32/win32_controls.h"

namespace velmora::win32 {

class ElementTooltips {
 public:
  // Makes the tooltip window of `parent` and registers every element cell with it.
  void Create(HWND parent, const Win32Controls& controls);

  // Answers a TTN_GETDISPINFOW about an element cell with its summary at t; false for anything
  // else. The text stays valid until the next call.
  bool OnGetText(NMTTDISPINFOW& request, const Win32Controls& controls, std::int16_t t);

  HWND window() const { return tooltip_; }

 private:
  HWND tooltip_ = nullptr;
  std::wstring text_;
};

}  // namespace velmora::win32
