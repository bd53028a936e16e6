// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window Form1 on the Win32 API: creates its controls from the window description, runs the
// Load event before it is first shown, and hands the native notifications to the form's
// dispatcher — every user move of the scroll bar `Scroll_T` (drag step, release, arrows, track
// clicks, keys, the bar's "Scroll Here"; a click on the scroll box that moves it nowhere is none,
// and a box that comes back to where it was pressed puts the bar exactly where it stood there:
// ScrollBoxPress) and EN_CHANGE of `Text_T`. It holds no logic of its own: the event policy and
// the handlers live in the core; a write of `Value` from code raises nothing.
//
// The mouse wheel, and a sideways tilt or swipe, move `Scroll_T` as a user move wherever in the
// window the message lands: on the control under the pointer, where Windows 10 and later send
// it, or on the one with the keyboard focus. The window handles WM_MOUSEWHEEL and WM_MOUSEHWHEEL
// and its controls hand them on instead of keeping them (WheelTarget).
//
// An error that an event ends with goes to the error reporter (a message box in the program)
// through a message posted to the window, so that the box opens once the native notification or
// the window's creation has returned, from whichever message loop runs next. While the scroll
// box is held that is the bar's tracking loop, which handles posted messages too; the user's
// keys then go to the bar (the press gives it the focus), whose moves do not fail, so only input
// that another program sends the window meanwhile can open a box inside that loop. The window
// goes on after an error. Labels are painted from their current colours through
// WM_CTLCOLORSTATIC, in the system's colours of the moment: a change of them or of the
// high-contrast setting repaints the whole window at once.
// The element cells have tooltips that describe the element at the temperature in force, and
// the window and its controls answer screen readers with the texts of accessible_objects.h.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "window/form_dispatcher.h"
#include "window/win32/accessible_objects.h"
#include "window/win32/colour_brushes.h"
#include "window/win32/element_tooltips.h"
#include "window/win32/scroll_steps.h"
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
  // Form1's subclass of each of its controls, `form` being the FormWindow: their accessible
  // objects and the wheel. Removed when the control's window goes.
  static LRESULT CALLBACK ControlProcedure(HWND control, UINT message, WPARAM wparam,
                                           LPARAM lparam, UINT_PTR subclass, DWORD_PTR form);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  // The brush a control's background is painted with, after setting its colours; 0 for a window
  // that is not one of Form1's controls.
  LRESULT OnControlColour(HDC dc, HWND control);
  // `box_position`: the scroll box's position that SB_THUMBTRACK and SB_THUMBPOSITION carry (the
  // bar's range fits the message's 16 bits).
  void OnHorizontalScroll(int code, int box_position, HWND bar);
  void OnMouseWheel(WheelAxis axis, int delta, int keys);
  // The system's colours or the high-contrast setting changed: everything is painted anew.
  void OnSystemColoursChanged();
  // Keeps the keyboard focus on the control that had it when the window was switched away from.
  void OnActivate(bool active);
  void OnCommand(int notification, HWND control);
  LRESULT OnNotify(NMHDR& notification);
  void OnDestroy();
  // Tells screen readers when the value label's name changed, and queues the error an outermost
  // event ended with, to be shown by OnShowError.
  void Finish(std::optional<EventEnd> end);
  void OnShowError();

  ErrorReporter report_error_;
  HWND window_ = nullptr;
  Win32Controls controls_;
  HWND focus_when_inactive_ = nullptr;
  std::unique_ptr<WindowFonts> fonts_;
  ElementTooltips tooltips_;
  FormDispatcher dispatcher_{controls_};
  std::deque<std::string> unshown_errors_;  // one posted kShowError message each
  std::int16_t announced_temperature_ = -1;  // the value label's name screen readers last heard of
  int wheel_remainder_ = 0;  // parts of a wheel step not yet moved (WheelTarget)
  int tilt_remainder_ = 0;   // the same, sideways
  ScrollBoxPress box_press_;  // begun by each press on the bar, before its tracking loop
  // Disconnected when the window is destroyed; its accessible objects may outlive it.
  std::shared_ptr<AccessibleForm> accessible_;
};

}  // namespace velmora::win32
