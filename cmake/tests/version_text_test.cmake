# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Run with `cmake -P`: the version text for a table of versions, and the versions that have none.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../version_text.cmake)

if(DEFINED refused_parts)  # run by the refusal cases below, as a configuration would run it
  separate_arguments(refused_parts)
  velmora_version_text(text ${refused_parts})
  return()
endif()

set(failures 0)
# major minor build expected
set(cases
  "2 0 1 2.00.0001"
  "2 13 42 2.13.0042"
  "2 5 10 2.05.0010"
  "10 99 9999 10.99.9999"
  "0 0 0 0.00.0000"
  "3 1 123 3.01.0123"
  "2 07 0042 2.07.0042"
)
foreach(case IN LISTS cases)
  separate_arguments(case)
  list(GET case 0 major)
  list(GET case 1 minor)
  list(GET case 2 build)
  list(GET case 3 expected)
  velmora_version_text(text ${major} ${minor} ${build})
  if(NOT text STREQUAL expected)
    message(SEND_ERROR "${major}.${minor}.x.${build} gives \"${text}\", expected \"${expected}\"")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

# A part too wide for its place, or not a number, stops the configuration.
set(refused
  "2 100 1"
  "2 1 10000"
  "2 x 1"
  "2 1 -1"
)
foreach(case IN LISTS refused)
  execute_process(COMMAND ${CMAKE_COMMAND} "-Drefused_parts=${case}" -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    message(SEND_ERROR "version parts ${case} were accepted")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} version text case(s) failed")
endif()
message(STATUS "version text: all cases pass")
