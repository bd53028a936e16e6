// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
#include "elements/element_summary.h"

#include <fmt/compile.h>

#include "elements/recolour.h"
#include "elements/state_colour.h"

namespace velmora {
namespace {

std::string KelvinText(const Threshold& threshold) {
  if (threshold.kind == ThresholdKind::Integer) return std::to_string(threshold.integer) + " K";
  // The shortest decimal that reads back as the same double, which is the decimal the table was
  // written in. fmt writes the full stop whatever the process locale (the Qt window runs under
  // the user's), as the text box reads it, and the same digits on every platform.
  return fmt::format(FMT_COMPILE("{} K"), threshold.real);
}

std::string ThresholdLine(const ElementStateRow& row) {
  switch (row.element_class()) {
    case ElementClass::Normal:
      return "Melts at " + KelvinText(row.lower) + ", boils at " + KelvinText(row.upper);
    case ElementClass::SingleThreshold:
      return "Turns to gas at " + KelvinText(row.lower);
    case ElementClass::NoData:
      break;
  }
  return "Melting and boiling points: no data";
}

}  // namespace

std::string ElementTitle(const ElementStateRow& row) {
  std::string title(row.name);
  title += ", atomic number ";
  title += std::to_string(row.atomic_number);
  return title;
}

std::string ElementSummary(const ElementStateRow& row, std::int16_t t) {
  std::string summary = ElementTitle(row);
  summary += '\n';
  summary += ThresholdLine(row);
  summary += "\nAt ";
  summary += std::to_string(t);
  summary += " K: ";
  summary += StateName(StateAt(row, t));
  return summary;
}

}  // namespace velmora
