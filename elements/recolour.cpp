// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/recolour.h"

namespace velmora {

bool IsBelowThreshold(std::int16_t t, const Threshold& threshold) {
  if (threshold.kind == ThresholdKind::Integer) return t < threshold.integer;
  return static_cast<double>(t) < threshold.real;
}

bool IsAboveThreshold(std::int16_t t, const Threshold& threshold) {
  if (threshold.kind == ThresholdKind::Integer) return t > threshold.integer;
  return static_cast<double>(t) > threshold.real;
}

StateColour StateAt(const ElementStateRow& row, std::int16_t t) {
  switch (row.element_class()) {
    case ElementClass::NoData:
      return StateColour::NoData;
    case ElementClass::SingleThreshold:
      return IsBelowThreshold(t, row.lower) ? StateColour::Solid : StateColour::Gas;
    case ElementClass::Normal:
      if (IsBelowThreshold(t, row.lower)) return StateColour::Solid;
      return IsAboveThreshold(t, row.upper) ? StateColour::Gas : StateColour::Liquid;
  }
  return StateColour::NoData;
}

void RecolourElements(CheckedControls& controls, std::int16_t t) {
  for (int z = 1; z <= kElementsWithData; ++z) {
    const ElementStateRow& row = ElementRow(z);
    const StateColour state = StateAt(row, t);
    // A normal row passes through liquid on its way to gas: Liquid is written first, then Gas.
    if (state == StateColour::Gas && row.element_class() == ElementClass::Normal) {
      controls.SetForeColor(row.cell_name(), ToColourValue(StateColour::Liquid));
    }
    controls.SetForeColor(row.cell_name(), ToColourValue(state));
  }
}

}  // namespace velmora
