# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Read by CPack once per generator (CPACK_PROJECT_CONFIG_FILE): each package's file name, and
# LICENSE and README.txt in the zip only (the setup program shows LICENSE on its licence page).
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "velmora-${CPACK_PACKAGE_VERSION}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "velmora-${CPACK_PACKAGE_VERSION}-win32")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_INSTALLED_DIRECTORIES "${CPACK_VELMORA_ZIP_TEXT};.")
endif()
