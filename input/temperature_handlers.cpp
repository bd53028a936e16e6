// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "input/temperature_handlers.h"

#include <cstdint>

#include "elements/recolour.h"
#include "input/conversions.h"
#include "window/checked_controls.h"
#include "window/control_names.h"
#include "window/window_description.h"

namespace velmora {

void Scroll_T_Scroll(ControlServices& services, const TemperatureShown& shown) {
  CheckedControls controls(services);
  // T is read before the text write, which may run a nested Text_T_Change that moves the
  // scroll bar to 0; the label and the colours show this drag step's position regardless.
  const std::int16_t t = controls.GetValue(control::Scroll_T);
  controls.SetText(control::Text_T, "");
  controls.SetCaption(control::Label_T, Int16ToText(t));
  if (shown) shown(t);
  RecolourElements(controls, t);
}

void Text_T_Change(ControlServices& services, const TemperatureShown& shown) {
  CheckedControls controls(services);
  if (TextToNumber(controls.GetText(control::Text_T)) < kTemperatureBar.minimum) {
    controls.SetText(control::Text_T, Int16ToText(kTemperatureBar.minimum));
  }
  if (TextToNumber(controls.GetText(control::Text_T)) > kTemperatureBar.maximum) {
    controls.SetText(control::Text_T, Int16ToText(kTemperatureBar.maximum));
  }
  // The tests above look at the unrounded number, so the value rounded here lies in 0..6000.
  controls.SetValue(control::Scroll_T, NumberToInt16(TextToNumber(controls.GetText(control::Text_T))));
  const std::int16_t t = controls.GetValue(control::Scroll_T);
  controls.SetCaption(control::Label_T, Int16ToText(t));
  if (shown) shown(t);
  RecolourElements(controls, t);
}

}  // namespace velmora
