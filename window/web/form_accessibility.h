// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// What screen readers are told about the window `Form1`: the same names, descriptions and reading
// order as the desktop windows give them.
//
// - Names: each element cell is named after its element ("Iron") and described by its summary at
//   the temperature in force (its name, atomic number, melting and boiling points and state); the
//   text box and the scroll bar are "Temperature in kelvin"; the value label is "Temperature in
//   force: 298 K"; the other labels and the reference cells are read by their captions.
// - Order: the window puts its controls into the page in ReadingOrder(), which is the order a
//   screen reader reads them; their stacking follows the creation order all the same.
// - Announcements: a change of the temperature in force is said once per event, with its final
//   value, through a polite live region beside the window.
//
// The 109 descriptions all name the temperature, so they are brought up to date a moment after
// the last change rather than at every step of a drag; a reader moving to a cell afterwards reads
// the new state.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/web/page_listener.h"

namespace velmora::web {

class FormAccessibility {
 public:
  using ElementOf = std::function<emscripten::val(std::string_view control)>;
  // The description of the cell of an element at the temperature in force.
  using CellSummary = std::function<std::string(int atomic_number)>;

  // Takes the window's named controls over and puts the live region after `form` in the page.
  FormAccessibility(const emscripten::val& document, const emscripten::val& form,
                    const ElementOf& element_of, CellSummary summary);
  FormAccessibility(const FormAccessibility&) = delete;
  FormAccessibility& operator=(const FormAccessibility&) = delete;

  // The temperature `Label_T` shows once an event is over. A first call, with nothing shown
  // before, names and describes without announcing.
  void TemperatureShown(std::int16_t t);
  // The page already names and describes everything for `t` (Load's temperature, as the page is
  // written): nothing is written, and later calls tell only what changes from there.
  void TemperatureAlreadyShown(std::int16_t t) { told_ = t; }

 private:
  void DescribeCells();

  std::vector<std::pair<int, emscripten::val>> cells_;  // atomic number, element
  emscripten::val value_label_;
  emscripten::val live_region_;
  CellSummary summary_;
  std::optional<std::int16_t> told_;
  PageTimer describe_cells_;
};

}  // namespace velmora::web
