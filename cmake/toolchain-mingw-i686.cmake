# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The program's target: a 32-bit Windows GUI program, built with Debian's MinGW-w64 compilers.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELMORA_MINGW_TRIPLET i686-w64-mingw32)
set(VELMORA_WINE_ARCH win32 CACHE STRING "Wine prefix architecture for the tests")
include(${CMAKE_CURRENT_LIST_DIR}/mingw_toolchain_common.cmake)
