# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The header-only libraries the core reads and writes numbers with, the same in every build:
# fast_float (package libfast-float-dev) reads the text box, fmt (libfmt-dev, used header-only)
# writes the thresholds. Cross builds (MinGW, Emscripten) must not search /usr/include, which
# holds the host's C library, so each library is offered through a folder of the build tree that
# holds nothing but a link to it.
include_guard(GLOBAL)

# velmora_use_header_only_libraries(TARGET): the target includes both libraries privately.
function(velmora_use_header_only_libraries target)
  set(folder ${PROJECT_BINARY_DIR}/header-only)
  foreach(library fast_float fmt)
    if(NOT EXISTS /usr/include/${library})
      message(FATAL_ERROR "No /usr/include/${library} (packages libfast-float-dev, libfmt-dev)")
    endif()
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK /usr/include/${library} ${folder}/${library} SYMBOLIC)
  endforeach()
  # SYSTEM: their own code is held to their standards, not to the project's warnings.
  target_include_directories(${target} SYSTEM PRIVATE ${folder})
  target_compile_definitions(${target} PRIVATE FMT_HEADER_ONLY FMT_STATIC_THOUSANDS_SEPARATOR=',')
endfunction()
