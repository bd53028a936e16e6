// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Tooltips of the element cells: pointing at a cell shows the element's name, atomic number,
// melting and boiling points and its state at the temperature in force (the core's
// ElementSummary). The text is made when the tooltip asks for it (TTN_GETDISPINFO), so it always
// speaks of the temperature shown at that moment. It changes no control.
//
// The tools are registered in the layout that common controls 5 and 6 both accept: the program
// asks for no particular version, so Windows gives it version 5, which refuses the larger
// version 6 layout. A cell the tooltip control refuses goes without its tooltip; the window
// works on, and the shortfall is counted and reported to the debugger.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "window/win32/win32_controls.h"

namespace velmora::win32 {

class ElementTooltips {
 public:
  // Makes the tooltip window of `parent` and registers every element cell with it; true when
  // every cell has its tooltip.
  bool Create(HWND parent, const Win32Controls& controls);

  // Answers a TTN_GETDISPINFOW about an element cell with its summary at t; false for anything
  // else. The text stays valid until the next call.
  bool OnGetText(NMTTDISPINFOW& request, const Win32Controls& controls, std::int16_t t);

  HWND window() const { return tooltip_; }
  // How many element cells the tooltip control took.
  int registered() const { return registered_; }

 private:
  HWND tooltip_ = nullptr;
  int registered_ = 0;
  std::wstring text_;
};

}  // namespace velmora::win32
