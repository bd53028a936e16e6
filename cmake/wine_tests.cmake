# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Running Windows test programs under Wine when cross-compiling: one CTest fixture starts a Wine
# session (Xvfb display, temporary prefix of the toolchain's VELMORA_WINE_ARCH, wineserver) before
# the first Wine test and stops it after the last, so ctest never waits on Wine's helper processes.
set(VELMORA_WINE_SESSION ${PROJECT_SOURCE_DIR}/window/win32/tests/wine_session.sh)
set(VELMORA_WINE_STATE ${PROJECT_BINARY_DIR}/wine-session)
if(NOT VELMORA_WINE_ARCH)
  set(VELMORA_WINE_ARCH win32)
endif()

# The fixture once per build tree; the variables above in every directory that includes this.
get_property(fixture_defined GLOBAL PROPERTY VELMORA_WINE_FIXTURE_DEFINED)
if(NOT fixture_defined)
  set_property(GLOBAL PROPERTY VELMORA_WINE_FIXTURE_DEFINED TRUE)
  add_test(NAME wine_session_start
           COMMAND ${VELMORA_WINE_SESSION} start ${VELMORA_WINE_STATE} ${VELMORA_WINE_ARCH})
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  add_test(NAME wine_session_stop COMMAND ${VELMORA_WINE_SESSION} stop ${VELMORA_WINE_STATE})
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# The command that runs a Windows program in the session; usable as a crosscompiling emulator.
set(VELMORA_WINE_RUN ${VELMORA_WINE_SESSION} run ${VELMORA_WINE_STATE})

# velmora_add_wine_test(NAME COMMAND...): a test that needs the Wine session.
function(velmora_add_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_session)
endfunction()
