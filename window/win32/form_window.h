// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window Form1 on the Win32 API: creates its controls from the window description, runs the
// Load event before it is first shown, and turns the native notifications into the program's
// events — a move of the scroll bar `Scroll_T` into its Scroll event, EN_CHANGE of `Text_T` into
// its Change event. It holds no logic of its own: the handlers live in the core.
//
// Every user move of the scroll bar (drag step, release, arrows, track clicks, keys) sets the
// position and then runs the Scroll event; a write of `Value` from code raises nothing. An error
// that a handler hands back goes to the error reporter (a message box in the program) once the
// outermost event is over, and the window goes on. Labels are painted from their current
// colours through WM_CTLCOLORSTATIC.
// The element cells have tooltips that describe the element at the temperature in force.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "window/form_events.h"
#include "window/win32/colour_brushes.h"
#include "window/win32/element_tooltips.h"
#include "window/win32/win32_controls.h"
#include "window/win32/window_fonts.h"

namespace velmora::win32 {

class FormWindow {
 public:
  using ErrorReporter = std::function<void(HWND owner, const std::string& message)>;

  explicit FormWindow(ErrorReporter report_error);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  // Registers the window class once per process; the icons may be null.
  static bool RegisterWindowClass(HINSTANCE instance, HICON icon, HICON small_icon);

  // Creates Form1 with its controls and runs Load; the window is not shown yet. Null on failure.
  HWND Create(HINSTANCE instance);
  // Shows the window and puts the keyboard focus on the first control of the tab order.
  void Show(int show_command);

  HWND window() const { return window_; }
  Win32Controls& controls() { return controls_; }
  const ElementTooltips& tooltips() const { return tooltips_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  // The brush a control's background is painted with, after setting its colours; 0 for a window
  // that is not one of Form1's controls.
  LRESULT OnControlColour(HDC dc, HWND control);
  void OnHorizontalScroll(int code, HWND bar);
  // Keeps the keyboard focus on the control that had it when the window was switched away from.
  void OnActivate(bool active);
  void OnCommand(int notification, HWND control);
  LRESULT OnNotify(NMHDR& notification);
  void OnDestroy();
  // The temperature the value label shows (the one the cells are coloured for).
  std::int16_t TemperatureInForce();
  void Raise(FormEvent event);

  ErrorReporter report_error_;
  HWND window_ = nullptr;
  Win32Controls controls_;
  HWND focus_when_inactive_ = nullptr;
  std::unique_ptr<WindowFonts> fonts_;
  BrushCache brushes_;
  ElementTooltips tooltips_;
  int event_depth_ = 0;                       // events running, nested ones included
  std::optional<std::string> pending_error_;  // the first error of the outermost event
};

}  // namespace velmora::win32
