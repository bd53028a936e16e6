// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What screen readers are told about Form1 and its controls through Microsoft Active
// Accessibility. Form1 and each control answer WM_GETOBJECT for their client area (OBJID_CLIENT)
// with the system's standard object for that window, wrapped: role, state, place, keyboard
// shortcut and actions stay the system's, and only these answers are the window's own:
// - an element cell is named by its element ("Hydrogen") and described by the text of its
//   tooltip, the element's summary at the temperature in force, made when it is asked for;
// - `Text_T` and `Scroll_T` are named "Temperature in kelvin", `Label_T` "Temperature in force:
//   298 K" from its caption, and the value of `Scroll_T` is its position ("298"); a value written
//   to `Scroll_T` (a number, clamped to the range and rounded: BarPositionForValue) is a move by
//   the user, applied like a drag, whether or not the bar stands there already;
// - Form1's client area has its controls as children in the reading order of the window
//   description (ReadingOrder), however they are stacked, and numbers them that way, from 1, in
//   every method that takes a child id: accChild, its enumeration and accNavigate, and every
//   other question about a child, which the child's own object answers. Pointing at a place
//   (accHitTest) gives the object of the control on top there, as the mouse does, and the focus
//   (get_accFocus) the object of the control that has it. Each control gives Form1's client area
//   as its parent and its neighbours in reading order as the next and previous object.
//
// The objects keep no pointer into the window: they reach it through an AccessibleForm, which
// the window disconnects when it is destroyed. From then on, and for a control whose window no
// longer exists, every call answers CO_E_OBJNOTCONNECTED, as an object whose server has gone.
//
// Handing an object over (LresultFromObject) needs COM on the window's thread; the program
// initialises it. Where the object cannot be made or handed over, the window leaves the answer
// to the system, whose standard object then speaks the bare captions.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "window/form_dispatcher.h"
#include "window/win32/win32_controls.h"

namespace velmora::win32 {

// The window as its accessible objects see it, while it exists.
class AccessibleForm {
 public:
  // `move_bar` applies a move of `Scroll_T` to a position as a move by the user.
  AccessibleForm(HWND form, const Win32Controls& controls, const FormDispatcher& dispatcher,
                 std::function<void(std::int16_t position)> move_bar)
      : form_(form), controls_(&controls), dispatcher_(&dispatcher),
        move_bar_(std::move(move_bar)) {}

  // Called when the window is destroyed; every object made for it stops answering.
  void Disconnect();
  bool connected() const { return controls_ != nullptr; }

  HWND form() const { return form_; }
  // The control of a live window of Form1; null for Form1 itself, for any other window, and once
  // disconnected.
  const NativeControl* ControlOf(HWND window) const;
  // The windows of the controls in reading order, those that exist; empty once disconnected.
  std::vector<HWND> ChildrenInReadingOrder() const;
  std::int16_t TemperatureInForce() const {
    return dispatcher_ ? dispatcher_->TemperatureInForce() : 0;
  }
  // A move of `Scroll_T` that an assistive technology asks for; nothing once disconnected.
  void MoveBar(std::int16_t position) const {
    if (move_bar_) move_bar_(position);
  }

 private:
  HWND form_;
  const Win32Controls* controls_;
  const FormDispatcher* dispatcher_;
  std::function<void(std::int16_t position)> move_bar_;
};

// The answer to WM_GETOBJECT sent to `window`, Form1 or one of its controls: the object for its
// client area, handed over with LresultFromObject. Nothing where the system's own answer stands:
// another object id, a window that is not Form1's, a disconnected form, or a failure.
std::optional<LRESULT> AnswerGetObject(const std::shared_ptr<AccessibleForm>& form, HWND window,
                                       WPARAM wparam, LPARAM lparam);

}  // namespace velmora::win32
