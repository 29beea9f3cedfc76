# SPDX-License-Identifier: GPL-3.0-or-later
# `make uninstall`: removes every file the last install listed in its manifest, below DESTDIR when
# it is set as it was for the install, then the folders of our own left empty.
# Run as: [DESTDIR=<stage>] cmake -DMANIFEST=<file> -P uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "${MANIFEST} does not exist: nothing was installed from this build")
endif()
file(STRINGS "${MANIFEST}" files)
foreach(listed IN LISTS files)
  set(file "$ENV{DESTDIR}${listed}")
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
  # The chart module's folder and the documentation's are the game's alone.
  get_filename_component(folder "${file}" DIRECTORY)
  get_filename_component(folder_name "${folder}" NAME)
  file(GLOB rest "${folder}/*")
  if(folder_name STREQUAL "zormade" AND IS_DIRECTORY "${folder}" AND NOT rest)
    file(REMOVE_RECURSE "${folder}")  # empty, as checked
  endif()
endforeach()
