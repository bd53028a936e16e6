# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# GoogleTest for the cross builds (MinGW, Emscripten), compiled from Debian's googletest sources
# (the package ships no libraries for them). Provides GTest::gtest and GTest::gtest_main as
# find_package(GTest) would.
include_guard(GLOBAL)

set(VELMORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS ${VELMORA_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources at ${VELMORA_GOOGLETEST_SOURCE} (package googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
if(EMSCRIPTEN)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)  # built without threads for WebAssembly
endif()
add_subdirectory(${VELMORA_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own code, not ours: no warnings from the project's strict set.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)
