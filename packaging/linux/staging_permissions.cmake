# SPDX-FileCopyrightText: The Velmora developers
# SPDX-License-Identifier: MIT
# Run by cpack after it has installed into its staging directory and before it packs it: gives
# every directory mode 0755. install() sets the files' modes itself, but makes the directories on
# its way with the umask of whoever runs cpack (0700 under umask 077), and dpkg would install
# them with that mode.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(entry IN LISTS entries)
  if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
    file(CHMOD "${entry}" PERMISSIONS
         OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  endif()
endforeach()
