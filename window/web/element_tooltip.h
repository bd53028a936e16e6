// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The tooltip of the element cells: the cell's summary at the temperature in force, shown when a
// mouse or pen rests on a cell for half a second, or when a finger presses one for half a second,
// beside the pointer. It goes when the pointer leaves the cell, at the next press anywhere, with
// Escape, or after ten seconds (a finger has no way to leave the cell). Its text follows the
// temperature while it is shown. Screen readers get the same text as the cell's
// description, so the tooltip itself is hidden from them.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

#include "window/web/page_listener.h"

namespace velmora::web {

class ElementTooltip {
 public:
  // The summary of the cell of an element at the temperature in force.
  using CellSummary = std::function<std::string(int atomic_number)>;

  // Watches the pointer over the cells of `form`; the tooltip goes after `form` in the page.
  ElementTooltip(const emscripten::val& document, const emscripten::val& form, CellSummary summary);
  ElementTooltip(const ElementTooltip&) = delete;
  ElementTooltip& operator=(const ElementTooltip&) = delete;

  // The temperature in force may have changed: a tooltip on screen says so.
  void Refresh();

 private:
  // The atomic number of the element cell an event's target is, or 0.
  static int CellOf(const emscripten::val& event);
  void Aim(const emscripten::val& event, int atomic_number);
  void Show();
  void Hide();

  emscripten::val tooltip_;
  CellSummary summary_;
  int aimed_at_ = 0;   // the cell the pointer rests on or presses, 0 for none
  int shown_for_ = 0;  // the cell whose tooltip is on screen, 0 for none
  double x_ = 0;
  double y_ = 0;
  PageListener pointer_over_;
  PageListener pointer_out_;
  PageListener pointer_down_;
  PageListener pointer_up_;
  PageListener key_down_;
  PageListener context_menu_;
  PageTimer show_;
  PageTimer hide_;
};

}  // namespace velmora::web
