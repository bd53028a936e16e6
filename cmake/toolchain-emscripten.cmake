# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The core and the browser page compiled to WebAssembly with Debian's Emscripten (package
# emscripten), on its own toolchain file, with what every target of this project needs:
# - C++ exceptions caught (-fexceptions): the core reports an overflow by throwing, and Emscripten
#   ignores exceptions unless asked. These are Emscripten's JavaScript-based exceptions, which run
#   in every browser that runs WebAssembly; native WebAssembly exceptions would shut out the
#   browsers of older tablets.
# - Links run with NODE_PATH set: emcc's JavaScript optimiser loads its parser (acorn) from
#   Debian's Node modules, which Node does not search by itself.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
