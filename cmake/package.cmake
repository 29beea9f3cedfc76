# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of what `make install` puts in place, under /usr. With
# SOURCE_DATE_EPOCH set, CPack gives every file and the archive members that time, so two builds
# of one commit give the same bytes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zormade)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "satirical management game in Japanese and English")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "From January 1991 to December 1996 you steer a shady operation around a"
    "pharmaceutical company one month at a time, with four sliders, six status"
    "values and scripted events. The game plays in Japanese and in English,"
    "following the desktop's language."
    "Includes zormade-replay, which plays a script through the game's engine"
    "without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Stripping leaves the compilers' notes (.comment), which Debian's packages do not carry; the
# stripped install, the package's, removes them from the three programs after the strip.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program \"${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:zormade>\"
                    \"${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:zormade-replay>\"
                    \"${ZORMADE_MODULE_INSTALL_DIR}/$<TARGET_FILE_NAME:zormade-charts>\")
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
                      COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZORMADE developers <zormade@example.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries are found by dpkg-shlibdeps; the face the dialogs are drawn in is not a library.
# Qt Charts is among them (libqt6charts6), through the chart module the graph window loads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The chart module is private: no shlibs file, and, being under lib/games, no ldconfig scripts.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-liberation")
# Qt's X11 platform comes with its GUI library; Wayland sessions without XWayland need this.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
