# SPDX-FileCopyrightText: Brisalto Calculator contributors
# SPDX-License-Identifier: MIT
# Runs first when installing: notes which of the install's folders do not exist yet, so that the
# uninstall target removes those and never a folder that was there before (/usr/local/bin).
# Expects brisalto_folders_dir, where it writes the list, one a DESTDIR and prefix (a package
# build's staging folder has its own), kept from the first install there on; its first line is
# that root.
set(folders bin share/applications share/metainfo share/doc-base share/lintian/overrides
  share/man/man1 share/doc/brisalto-calculator/manual share/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND folders share/icons/hicolor/${size}x${size}/apps)
endforeach()
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
string(MD5 root_key "${prefix}")
set(brisalto_folders_file "${brisalto_folders_dir}/install_folders_${root_key}.txt")
if(NOT EXISTS "${brisalto_folders_file}")
  set(created)
  foreach(folder IN LISTS folders)
    # Each folder of the chain, from the deepest up.
    while(NOT folder STREQUAL "" AND NOT folder STREQUAL ".")
      if(NOT IS_DIRECTORY "${prefix}/${folder}")
        list(APPEND created "${prefix}/${folder}")
      endif()
      get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
  endforeach()
  # The prefix itself and its parents, when the install makes them (DESTDIR is the user's).
  set(above "${CMAKE_INSTALL_PREFIX}")
  while(NOT above STREQUAL "/" AND NOT above STREQUAL "")
    if(NOT IS_DIRECTORY "$ENV{DESTDIR}${above}")
      list(APPEND created "$ENV{DESTDIR}${above}")
    endif()
    get_filename_component(above "${above}" DIRECTORY)
  endwhile()
  list(REMOVE_DUPLICATES created)
  list(JOIN created "\n" text)
  file(WRITE "${brisalto_folders_file}" "${prefix}\n${text}\n")
endif()
