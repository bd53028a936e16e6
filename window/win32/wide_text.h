// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// UTF-8 (the core's text) to and from UTF-16 (the Windows API's text), and reading a window's
// text whole. Invalid UTF-8 becomes U+FFFD rather than failing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace velmora::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
std::wstring WindowTextOf(HWND window);

}  // namespace velmora::win32
