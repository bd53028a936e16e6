// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// How a handler tells whoever raised its event the temperature it has just shown in `Label_T`:
// called once the caption write has succeeded, with the number the caption was made from. From
// then on it is the temperature in force, even if a later statement of the handler fails. The
// window keeps it for what describes the cells at that temperature (tooltips, screen readers),
// so nothing reads it back from the caption's text. An empty one tells nobody.
#pragma once

#include <cstdint>
#include <functional>

namespace velmora {

using TemperatureShown = std::function<void(std::int16_t t)>;

}  // namespace velmora
