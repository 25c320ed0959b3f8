# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Removes what the last `cmake --install` of this build folder wrote, as install_manifest.txt
# lists it, then the folders that install created once they are empty; the manifest leaves
# DESTDIR out, so give the same DESTDIR as to the install.
set(manifest "${CMAKE_CURRENT_BINARY_DIR}/install_manifest.txt")
set(folders_file "${CMAKE_CURRENT_BINARY_DIR}/install_folders.txt")
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "Nothing to uninstall: ${manifest} does not exist")
endif()
file(STRINGS "${manifest}" files)
foreach(listed IN LISTS files)
  set(path "$ENV{DESTDIR}${listed}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
if(EXISTS "${folders_file}")
  file(STRINGS "${folders_file}" folders)
  # Deepest first, so a parent is empty by the time its turn comes.
  list(SORT folders ORDER DESCENDING)
  foreach(folder IN LISTS folders)
    file(GLOB left "${folder}/*" "${folder}/.*")
    if(IS_DIRECTORY "${folder}" AND NOT left)
      message(STATUS "Removing ${folder}")
      file(REMOVE_RECURSE "${folder}")
    endif()
  endforeach()
  file(REMOVE "${folders_file}")
endif()
