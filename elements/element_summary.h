// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The text that tells what one element cell stands for: the element's name and atomic number,
// the temperatures at which it changes state, and its state at a given temperature. Shown as a
// cell's tooltip and read by screen readers; computed only when asked, never by the recolouring
// pass, and it writes no control.
#pragma once

#include <cstdint>
#include <string>

#include "elements/element_table.h"

namespace velmora {

// "Iron, atomic number 26"
std::string ElementTitle(const ElementStateRow& row);

// Three lines joined by '\n':
//   "Iron, atomic number 26"
//   "Melts at 1809 K, boils at 3136 K"   (carbon, arsenic: "Turns to gas at 4240 K";
//                                          97 to 109: "Melting and boiling points: no data")
//   "At 298 K: solid"                    ("liquid", "gas" or "no data")
// Thresholds print as held in the table: a whole number, or the decimal it was written as, with
// a full stop whatever the process locale.
std::string ElementSummary(const ElementStateRow& row, std::int16_t t);

}  // namespace velmora
