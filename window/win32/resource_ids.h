// SPDX-FileCopyrightText: The Velmora developers
// SPDX-License-Identifier: MIT
// Resource identifiers shared by the resource script and the program.
#pragma once

#ifdef __cplusplus
namespace velmora::win32 {
inline constexpr int kProgramIconId = 1;
}
#endif

#define VELMORA_PROGRAM_ICON 1
