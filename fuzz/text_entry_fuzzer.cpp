// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes, as text typed or pasted into `Text_T`, through the Change event on the
// recording window, and checks that the window is left consistent: the temperature in range, the
// label showing it, the box holding the entry or its correction, every cell in its state there;
// and after an overflow, nothing changed at all. For an entry that is a plain decimal number it
// also checks the values: read here independently (strtod; the harness never leaves the C
// locale), clamped to 0..6000 and rounded half to even, against what the window shows.
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "elements/recolour.h"
#include "input/conversions.h"
#include "window/tests/recording_controls.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "text entry left the window inconsistent: %s\n", what);
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of an entry of the form [+-] digits [. digits] (or [+-] . digits), nothing before or
// after; nullopt for any other entry. An entry beyond the range of a double reads as infinity.
std::optional<double> PlainDecimal(const std::string& entry) {
  std::size_t i = 0;
  if (i < entry.size() && (entry[i] == '+' || entry[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < entry.size() && IsDigit(entry[i]); ++i) ++digits;
  if (i < entry.size() && entry[i] == '.') {
    for (++i; i < entry.size() && IsDigit(entry[i]); ++i) ++digits;
  }
  if (digits == 0 || i != entry.size()) return std::nullopt;
  return std::strtod(entry.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  RecordingControls window;
  window.Load();
  const std::string entry(reinterpret_cast<const char*>(data), size);
  const auto message = window.Type(entry);

  Require(window.Text() == entry || window.Text() == "0" || window.Text() == "6000",
          "box holds neither the entry nor a correction");
  if (message.has_value()) {
    if (const std::optional<double> number = PlainDecimal(entry)) {
      Require(std::isinf(*number), "a plain decimal within a double's range was refused");
    }
    Require(message->rfind("Overflow:", 0) == 0, "the message does not start with \"Overflow:\"");
    Require(window.Text() == entry, "an overflow changed the box");
    Require(window.Value() == 298 && window.LabelCaption() == "298", "an overflow moved the temperature");
    return 0;
  }
  const std::int16_t t = window.Value();
  Require(t >= 0 && t <= 6000, "scroll value out of 0..6000");
  Require(window.LabelCaption() == Int16ToText(t), "label differs from the scroll value");
  if (const std::optional<double> number = PlainDecimal(entry)) {
    // An overflow returned above; only a number beyond a double's range may cause one.
    Require(!std::isinf(*number), "a number beyond the range of a double was not refused");
    const double clamped = *number < 0 ? 0.0 : *number > 6000 ? 6000.0 : *number;
    std::fesetround(FE_TONEAREST);
    Require(t == static_cast<std::int16_t>(std::nearbyint(clamped)),
            "the temperature is not the number typed, clamped to 0..6000 and rounded half to even");
    const std::string box = *number < 0 ? "0" : *number > 6000 ? "6000" : entry;
    Require(window.Text() == box, "the box is not the entry, or 0 or 6000 for one out of range");
  }
  for (int z = 1; z <= kElementCount; ++z) {
    const ElementStateRow& row = ElementRow(z);
    Require(window.ForeColor(row.cell_name()) == ToColourValue(StateAt(row, t)),
            "a cell is not in its state at the temperature");
  }
  return 0;
}
