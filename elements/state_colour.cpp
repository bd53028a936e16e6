// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/state_colour.h"

namespace velmora {

const char* StateName(StateColour colour) {
  switch (colour) {
    case StateColour::Solid: return "solid";
    case StateColour::Liquid: return "liquid";
    case StateColour::Gas: return "gas";
    case StateColour::NoData: return "no data";
  }
  return "no data";
}

}  // namespace velmora
