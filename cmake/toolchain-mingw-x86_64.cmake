# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The same program as a 64-bit Windows program, for running the Windows tests under Wine on a
# host that cannot run 32-bit processes (Wine then needs no wine32). The shipped build is the
# 32-bit one (toolchain-mingw-i686.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(VELMORA_WINE_ARCH win64 CACHE STRING "Wine prefix architecture for the tests")
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain_common.cmake)
