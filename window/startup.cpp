// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "window/startup.h"

#include "input/conversions.h"
#include "window/checked_controls.h"
#include "window/control_names.h"

namespace velmora {
namespace {

constexpr StateColour S = StateColour::Solid, L = StateColour::Liquid, G = StateColour::Gas,
                      N = StateColour::NoData;

}  // namespace

// clang-format off
const std::array<StateColour, kElementCount> kStartUpColours = {
  G, G,                                                        //   1-2   H He
  S, S, S, S, G, G, G, G,                                      //   3-10  Li .. Ne
  S, S, S, S, S, S, G, G,                                      //  11-18  Na .. Ar
  S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, L, G,        //  19-36  K .. Kr (Br liquid)
  S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, S, G,        //  37-54  Rb .. Xe
  S, S,                                                        //  55-56  Cs Ba
  S, S, S, S, S, S, S, S, S, S, S, S, S, S, S,                 //  57-71  La .. Lu
  S, S, S, S, S, S, S, S, L, S, S, S, S, S, G,                 //  72-86  Hf .. Rn (Hg liquid)
  S, S,                                                        //  87-88  Fr Ra
  S, S, S, S, S, S, S, S,                                      //  89-96  Ac .. Cm
  N, N, N, N, N, N, N,                                         //  97-103 Bk .. Lr
  N, N, N, N, N, N,                                            // 104-109 Rf .. Mt
};
// clang-format on

void Form_Load(ControlServices& services, const TemperatureShown& shown) {
  CheckedControls controls(services);
  controls.SetValue(control::Scroll_T, kStartTemperature);
  const std::int16_t t = controls.GetValue(control::Scroll_T);
  controls.SetCaption(control::Label_T, Int16ToText(t));
  if (shown) shown(t);
  for (int z = 1; z <= kElementCount; ++z) {
    controls.SetForeColor(ElementRow(z).cell_name(), ToColourValue(kStartUpColours[static_cast<std::size_t>(z - 1)]));
  }
}

}  // namespace velmora
