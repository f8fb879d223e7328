# Installation: one self-contained program folder, as the program expects (it
# reads its delivered files beside the executable), plus what makes it a
# desktop program: the menu entry, the icon and the two commands on the PATH.
#
#   cmake --install build/release    # /opt/aeriton, and under /usr/local: the menu
#                                    # entry, the icon, bin/aeriton, bin/aeriton-calc
#   (cd build/release && cpack)      # aeriton_<version>_<arch>.deb: the same, under /usr
#
# The program folder is not written by the program when the user may not write
# it: each user then works in his own data folder (see study/AppFolder.h).

# Layout: the program folder AERITON_INSTALL_PROGRAM_DIR (absolute, or relative to
# the prefix); the menu entry, the icon and the commands under the prefix as usual
# (/usr/local by hand, /usr in the package).
if(WIN32)
  set(default_program_dir .)
else()
  set(default_program_dir /opt/aeriton)
endif()
set(AERITON_INSTALL_PROGRAM_DIR ${default_program_dir} CACHE STRING
    "The program folder: executables, manual, chart table, templates (absolute, or relative to the prefix)")

# The program folder.
install(TARGETS aeriton aeriton-calc RUNTIME DESTINATION ${AERITON_INSTALL_PROGRAM_DIR})
if(AERITON_BUILD_MANUAL)
  install(FILES ${AERITON_MANUAL_PDF} DESTINATION ${AERITON_INSTALL_PROGRAM_DIR})
endif()
# Delivered data files that the modules leave beside the executables (chart
# table, workbook templates): each module adds its own with
# set_property(GLOBAL APPEND PROPERTY AERITON_DELIVERED_FILES <file>...).
get_property(delivered GLOBAL PROPERTY AERITON_DELIVERED_FILES)
if(delivered)
  install(FILES ${delivered} DESTINATION ${AERITON_INSTALL_PROGRAM_DIR})
endif()

if(NOT WIN32)
  # Menu entry and icon, where the desktop looks for them.
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/aeriton.svg
          DESTINATION share/icons/hicolor/scalable/apps)
  # The menu entry names the executable in the program folder as installed
  # (an install --prefix given later counts), and the two commands are links
  # to it, so the program still finds its folder through them.
  install(CODE "
    set(program \"${AERITON_INSTALL_PROGRAM_DIR}\")
    if(NOT IS_ABSOLUTE \"\${program}\")
      set(program \"\${CMAKE_INSTALL_PREFIX}/\${program}\")
    endif()
    set(AERITON_EXEC \"\${program}/aeriton\")
    set(system \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/packaging/aeriton.desktop.in\"
                   \"\${system}/share/applications/aeriton.desktop\" @ONLY)
    message(STATUS \"Installing: \${system}/share/applications/aeriton.desktop\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${system}/share/applications/aeriton.desktop\")
    file(MAKE_DIRECTORY \"\${system}/bin\")
    foreach(command aeriton aeriton-calc)
      message(STATUS \"Installing: \${system}/bin/\${command} -> \${program}/\${command}\")
      file(CREATE_LINK \"\${program}/\${command}\" \"\${system}/bin/\${command}\" SYMBOLIC)
      list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${system}/bin/\${command}\")
    endforeach()
  ")
endif()

# The Debian package: the program folder under /opt, the rest under /usr.
# Its dependencies are the Debian packages of the libraries the executables
# link (dpkg-shlibdeps), plus what Qt loads at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aeriton)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Aeriton")
set(CPACK_PACKAGE_CONTACT "Aeriton developers <aeriton@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Psychrometric design of the central air-handling unit (Greek interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "Aeriton sizes the central air-handling unit of a building: the summer cooling coil\n(bypass factor, effective sensible heat factor, apparatus dew point, supply air,\nreheat, coil load) and the winter heating coil and humidifier. It draws the\npsychrometric chart, prints results through spreadsheet templates and has a\ntwo-state calculator. Greek user interface; metric and English units.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed through DESTDIR, so the program folder under /opt lands in the
# package and never on the building machine.
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by Qt at run time, not linked: the X11/Wayland platform plugins, the
# SVG icon engine (window icon), and the fonts the screens are laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-dejavu-core")
# Printing goes through the spreadsheet program; the manual opens with the
# desktop's PDF viewer (xdg-open).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libreoffice-calc | libreoffice-calc-nogui, xdg-utils, evince | okular | atril | qpdfview | mupdf")
include(CPack)
