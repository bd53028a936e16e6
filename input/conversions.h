// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// The value conversions between the text box, the scroll bar and the value label.
//
// TextToNumber reads the number at the start of a text, the way a user's entry is meant:
//   - Spaces, tabs and line feeds are dropped wherever they stand ("16 15" reads 1615).
//   - "&H" / "&h" starts hexadecimal digits, "&O" / "&o" octal digits; reading stops at the
//     first other character and no digits read 0. Up to FFFF hex (177777 octal) the value is a
//     signed 16-bit number (FFFF is -1), above that up to FFFFFFFF a signed 32-bit one (10000 is
//     65536, FFFFFFFF is -1). A value beyond 32 bits is an overflow.
//   - Otherwise a decimal: optional sign, digits, optional full stop and digits (whatever the
//     process locale), optional exponent. Only E and e introduce an exponent (D and d do not: they
//     end the number like any other letter); an exponent letter without digits is ignored.
//   - Anything without a leading number ("", "-", ".", "abc") reads 0.
//   - A decimal beyond the range of a double (1e400) is an overflow; one too small to hold
//     (1e-400) reads as 0.
//   Runs in time linear in the text, megabytes included, and reads only up to the end of the
//   number.
//
// NumberToInt16 rounds to the nearest integer, a tie to the even one (2.5 gives 2, 3.5 gives 4),
// and fails with an overflow outside -32768..32767.
//
// Int16ToText gives plain decimal digits, "-" before a negative value: "0", "298", "-32768".
//
// Overflows throw OverflowError (window/handler_error.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

double TextToNumber(std::string_view text);
std::int16_t NumberToInt16(double number);
std::string Int16ToText(std::int16_t value);

}  // namespace velmora
