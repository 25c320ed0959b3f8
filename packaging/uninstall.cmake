# Removes what the last `cmake --install` of this build folder wrote, as install_manifest.txt
# lists it (with DESTDIR, when one was given, already in the paths).
set(manifest "${CMAKE_CURRENT_BINARY_DIR}/install_manifest.txt")
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "Nothing to uninstall: ${manifest} does not exist")
endif()
file(STRINGS "${manifest}" files)
foreach(path IN LISTS files)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
