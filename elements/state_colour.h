// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The four text colours of an element cell, one per state of the element at the temperature.
// `Solid` and `NoData` refer to the desktop's button-text and grey-text colours; `Liquid` and
// `Gas` are fixed blue and red.
#pragma once

#include "window/colour_value.h"

namespace velmora {

enum class StateColour : ColourValue {
  Solid = SystemColourReference(SystemColour::ButtonText),  // 0x80000012
  Liquid = 0x00FF0000,                                      // pure blue
  Gas = 0x000000FF,                                         // pure red
  NoData = SystemColourReference(SystemColour::GreyText),   // 0x80000011
};

constexpr ColourValue ToColourValue(StateColour colour) { return static_cast<ColourValue>(colour); }

const char* StateName(StateColour colour);  // "solid", "liquid", "gas", "no data"

}  // namespace velmora
