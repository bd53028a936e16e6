# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The Debian package of the Qt program. In a build directory of the `release` preset,
#   cpack            (or: cpack -G DEB -B <out-dir>)
# writes packages/velmora_2.0.0.1_amd64.deb: the program, its desktop entry, icons, AppStream
# metadata and manual page (the install rules of window/qt/) under /usr, plus the files only a
# Debian system reads, installed below from the component `debian`, which a plain
# `cmake --install` leaves out.
include(GNUInstallDirs)

set(velmora_linux_dir ${CMAKE_CURRENT_LIST_DIR})
set(velmora_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velmora)  # the package's name, not the project's

# The changelog, the newest release of the metainfo and the manual page's header are written by
# hand for each release: a version that was not brought up to date stops the configure here.
file(STRINGS ${velmora_linux_dir}/changelog velmora_changelog_top LIMIT_COUNT 1)
file(STRINGS ${velmora_linux_dir}/org.velmora.velmora.metainfo.xml velmora_newest_release
     REGEX "<release " LIMIT_COUNT 1)
file(STRINGS ${velmora_linux_dir}/velmora.1 velmora_man_header REGEX "^\\.TH " LIMIT_COUNT 1)
foreach(check IN ITEMS "changelog|${velmora_changelog_top}|(${PROJECT_VERSION})"
                       "metainfo|${velmora_newest_release}|version=\"${PROJECT_VERSION}\""
                       "manual page|${velmora_man_header}|\"Velmora ${VELMORA_VERSION_TEXT}\"")
  string(REPLACE "|" ";" check "${check}")
  list(GET check 0 what)
  list(GET check 1 line)
  list(GET check 2 wanted)
  string(FIND "${line}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "packaging/linux: the ${what} does not name version ${PROJECT_VERSION} "
                        "(wants ${wanted}; has: ${line})")
  endif()
endforeach()

# The changelog, compressed without a time stamp so that a rebuild gives the same bytes.
find_program(VELMORA_GZIP gzip REQUIRED)
set(velmora_changelog ${CMAKE_BINARY_DIR}/debian/changelog)
add_custom_command(OUTPUT ${velmora_changelog}.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${velmora_linux_dir}/changelog ${velmora_changelog}
  COMMAND ${VELMORA_GZIP} -9nf ${velmora_changelog}
  DEPENDS ${velmora_linux_dir}/changelog
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(velmora_debian_changelog ALL DEPENDS ${velmora_changelog}.gz)

install(FILES ${velmora_linux_dir}/copyright ${velmora_changelog}.gz
        DESTINATION ${velmora_doc_dir} COMPONENT debian EXCLUDE_FROM_ALL)

# Everything that installs by default, then the Debian files.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
# 2.0.0.1 is the canonical form of what the program shows as 2.00.0001; dpkg holds them equal.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories 0755 whatever the umask of whoever runs cpack.
set(CPACK_PRE_BUILD_SCRIPTS ${velmora_linux_dir}/staging_permissions.cmake)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "periodic table of the elements at a temperature")
set(CPACK_PACKAGE_DESCRIPTION [=[
Velmora shows the periodic table of the elements at a temperature from
0 to 6000 K, picked with a scroll bar or typed in. Each of the 109
elements from hydrogen to meitnerium shows its symbol in the colour of
its state there: solid, liquid (blue) or gas (red). Pointing at an
element shows its name, melting and boiling points and state.

It is meant for teaching the states of matter, on a projector or on
pupils' computers. It needs no network and keeps no files.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velmora developers <developers@velmora.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries the program links come from dpkg-shlibdeps. The xcb platform plugin that opens the
# window on X11 is part of libqt6gui6 in Debian 12, so nothing more is needed for Qt. The cells ask
# for "Times New Roman" and the dialog font is Liberation Sans: without these faces the window
# falls back to other fonts whose widths the layout was not made for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
