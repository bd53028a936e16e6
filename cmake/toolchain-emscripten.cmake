# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The core and the browser page compiled to WebAssembly with Debian's Emscripten (package
# emscripten), on its own toolchain file, with what every target of this project needs:
# - C++ exceptions caught (-fwasm-exceptions): the core reports an overflow by throwing, and
#   Emscripten ignores exceptions unless asked. These are WebAssembly's own exceptions, which every
#   browser the page is meant for runs (Chrome 95, Firefox 100 and Safari 15.2 on), as do Node 18
#   and later; Emscripten's JavaScript-based ones went through JavaScript at every call that an
#   exception could pass, which made the page's start about 5 ms longer in Chromium and Firefox
#   and its two files 31 KB larger (4.3 KB gzipped).
# - Links run with NODE_PATH set: emcc's JavaScript optimiser loads its parser (acorn) from
#   Debian's Node modules, which Node does not search by itself.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
