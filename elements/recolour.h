// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Turns a temperature into a text colour for every element cell that has data.
//
// RecolourElements does not read any control, keeps no state between passes and never touches
// the cells of rows 97 to 109, the reference cells or the temperature controls.
#pragma once

#include <cstdint>

#include "elements/element_table.h"
#include "elements/state_colour.h"
#include "window/checked_controls.h"

namespace velmora {

// Both tests are strict: a temperature equal to the lower threshold is no longer below it, one
// equal to the upper threshold is not yet above it. An integer threshold compares as a whole
// number, a double one after the exact conversion of t to double.
bool IsBelowThreshold(std::int16_t t, const Threshold& threshold);
bool IsAboveThreshold(std::int16_t t, const Threshold& threshold);

// The state of one element at t: Solid below the lower threshold; from it up to and including
// the upper threshold Liquid (Gas for a single-threshold row); Gas above the upper threshold.
// NoData for a row without thresholds.
StateColour StateAt(const ElementStateRow& row, std::int16_t t);

// Sets the `ForeColor` of the cells of elements 1 to 96, in ascending atomic number, to their
// state at t. A normal row whose element is gas at t is written twice, Liquid then Gas; every
// other row once: 96 writes at 0 K, 107 at 298 K, 190 above 5825 K. A failing write throws
// ControlAccessError there and no later cell is written; earlier cells keep their new colours.
void RecolourElements(CheckedControls& controls, std::int16_t t);

}  // namespace velmora
