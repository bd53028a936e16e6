// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Colour values as the window's controls take them: 32 bits, either an RGB colour laid out as
// 0x00BBGGRR (red in the lowest byte) or, with the top bit set, a reference to one of the
// desktop's system colours by the index in the low byte. The reference is resolved by the
// front-end when it paints, so a change of desktop theme shows without any rewrite.
#pragma once

#include <cstdint>

namespace velmora {

using ColourValue = std::uint32_t;

// The system colours this program refers to, by their desktop index.
enum class SystemColour : std::uint8_t {
  WindowBackground = 5,
  WindowText = 8,
  ButtonFace = 15,
  GreyText = 17,
  ButtonText = 18,
};

inline constexpr ColourValue kSystemColourFlag = 0x80000000u;

constexpr ColourValue SystemColourReference(SystemColour colour) {
  return kSystemColourFlag | static_cast<ColourValue>(colour);
}

constexpr bool IsSystemColourReference(ColourValue value) {
  return (value & kSystemColourFlag) != 0;
}

// The system colour index named by a reference; only meaningful when
// IsSystemColourReference(value).
constexpr std::uint8_t SystemColourIndex(ColourValue value) {
  return static_cast<std::uint8_t>(value & 0xFFu);
}

constexpr std::uint8_t RedOf(ColourValue rgb) { return static_cast<std::uint8_t>(rgb & 0xFFu); }
constexpr std::uint8_t GreenOf(ColourValue rgb) { return static_cast<std::uint8_t>((rgb >> 8) & 0xFFu); }
constexpr std::uint8_t BlueOf(ColourValue rgb) { return static_cast<std::uint8_t>((rgb >> 16) & 0xFFu); }

}  // namespace velmora
