# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The version as users see it: the major number as it is, the minor number in two digits and the
# build (the fourth number of the version) in four, zero-padded: 2.0.0.1 is "2.00.0001",
# 2.13.0.42 is "2.13.0042". The third number does not appear. A minor number above 99 or a build
# above 9999 has no such text and stops the configuration.
include_guard(GLOBAL)

# The digits of a whole number without leading zeros, padded with zeros to `width` (0: as is).
function(_velmora_version_part out what number width)
  if(NOT number MATCHES "^[0-9]+$")
    message(FATAL_ERROR "Version: the ${what} number \"${number}\" is not a whole number")
  endif()
  string(REGEX REPLACE "^0+([0-9])" "\\1" digits "${number}")
  string(LENGTH "${digits}" length)
  if(width GREATER 0 AND length GREATER width)
    message(FATAL_ERROR "Version: the ${what} number ${digits} does not fit in ${width} digits")
  endif()
  while(length LESS width)
    string(PREPEND digits "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out} "${digits}" PARENT_SCOPE)
endfunction()

# velmora_version_text(<out-var> <major> <minor> <build>)
function(velmora_version_text out major minor build)
  _velmora_version_part(major_text major "${major}" 0)
  _velmora_version_part(minor_text minor "${minor}" 2)
  _velmora_version_part(build_text build "${build}" 4)
  set(${out} "${major_text}.${minor_text}.${build_text}" PARENT_SCOPE)
endfunction()
