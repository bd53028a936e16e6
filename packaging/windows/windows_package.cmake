# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# The two Windows packages of velmora.exe, made by CPack from the 32-bit build:
#   velmora-<version>-setup.exe  setup program (NSIS): Program Files, Start menu, Add/Remove Programs
#   velmora-<version>-win32.zip  velmora.exe, LICENSE and README.txt, for use without installing
# `cmake --build DIR --target windows_packages` builds velmora.exe and puts both into
# VELMORA_PACKAGE_DIR; CPack's own working files stay in the build tree.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  # A 64-bit velmora.exe would go to Program Files (x86) and be called win32: not shipped.
  message(STATUS "Windows packages: made from the 32-bit build only (preset windows)")
  return()
endif()

set(VELMORA_PACKAGE_DIR ${PROJECT_BINARY_DIR}/packages CACHE PATH
    "Where the windows_packages target puts the setup program and the zip")

install(TARGETS velmora RUNTIME DESTINATION . COMPONENT program)

# LICENSE and README.txt with Windows line ends: Notepad before Windows 10 shows text with bare
# line feeds as one line. The licence page of the setup program shows the same LICENSE.
set(text_dir ${PROJECT_BINARY_DIR}/packaging/windows/text)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${text_dir}/LICENSE @ONLY NEWLINE_STYLE WIN32)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt ${text_dir}/README.txt @ONLY NEWLINE_STYLE WIN32)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME Velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_VERSION ${VELMORA_VERSION_TEXT})
set(CPACK_VELMORA_VERSION_NUMBERS
    ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${PROJECT_VERSION_TWEAK})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmora)
set(CPACK_RESOURCE_FILE_LICENSE ${text_dir}/LICENSE)
# Only the program's own install rules, whatever else the build tree holds.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Velmora;program;/")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/cpack)
# The setup script is NSIS.template.in beside this file, in place of CPack's own.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/window/win32/velmora.ico)
# File names and the zip's extra files, per generator.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_generators.cmake)
set(CPACK_VELMORA_ZIP_TEXT ${text_dir})
include(CPack)

add_custom_target(windows_packages
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy
          ${CPACK_PACKAGE_DIRECTORY}/velmora-${VELMORA_VERSION_TEXT}-setup.exe
          ${CPACK_PACKAGE_DIRECTORY}/velmora-${VELMORA_VERSION_TEXT}-win32.zip
          ${VELMORA_PACKAGE_DIR}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  COMMENT "Making the setup program and the zip in ${VELMORA_PACKAGE_DIR}"
  USES_TERMINAL VERBATIM)
add_dependencies(windows_packages velmora)
