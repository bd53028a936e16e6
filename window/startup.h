// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The window's Load: puts the temperature display at 298 K and gives every element cell its
// start-up colour from a fixed list. It does not recolour, does not touch the text box (so no
// Change runs at start) and leaves the captions of the other labels as created.
#pragma once

#include <array>
#include <cstdint>

#include "elements/element_table.h"
#include "elements/state_colour.h"
#include "window/control_services.h"
#include "window/temperature_shown.h"

namespace velmora {

inline constexpr std::int16_t kStartTemperature = 298;

// One colour per element, by atomic number from 1. For 1 to 96 it is what the recolouring pass
// gives at 298 K; 97 to 109 have no data and keep NoData for the whole run.
extern const std::array<StateColour, kElementCount> kStartUpColours;

// Sets `Scroll_T` to 298, shows its value read back in `Label_T` (and tells `shown`), then writes
// the start-up colour of every cell from `Label_001_H` to `Label_109_Mt`. A failing access stops
// it there.
void Form_Load(ControlServices& services, const TemperatureShown& shown = {});

}  // namespace velmora
