# Installation and the Debian package. Included by the top CMakeLists.
include(GNUInstallDirs)

set(KELVANE_APP_ID io.github.kelvane.Kelvane)
install(TARGETS kelvane-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET kelvane)
  install(TARGETS kelvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES data/${KELVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${KELVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/${KELVANE_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES data/icons/kelvane-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${KELVANE_APP_ID}.png)
endforeach()
install(FILES scenarios/demo.sim DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvane)
# The practice exercises, found by the program beside its own share folder.
install(DIRECTORY exercises/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvane/exercises)

# Man pages go in gzipped, as Debian wants them.
foreach(page kelvane.1 kelvane-sim.1)
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/docs/man/${page} > ${gz}
    DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/${page})
  list(APPEND KELVANE_MAN_PAGES ${gz})
endforeach()
add_custom_target(kelvane_man ALL DEPENDS ${KELVANE_MAN_PAGES})
install(FILES ${KELVANE_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian copyright file and a gzipped changelog, which lintian asks of every package.
set(KELVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/kelvane)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/data/debian/changelog > ${changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/debian/changelog)
add_custom_target(kelvane_changelog ALL DEPENDS ${changelog})
install(FILES data/debian/copyright ${changelog} DESTINATION ${KELVANE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kelvane developers")
set(CPACK_PACKAGE_CONTACT "Kelvane developers <kelvane@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of close-quarters boat handling")
# CPack writes the summary as the first line and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kelvane simulates a motorboat, sailboat or houseboat in the last metres of a
docking: one or two engines, rudder, bow thruster, dock lines and fenders,
nine dock layouts, wind and current, driven in real time from the keyboard,
the bridge console or a game controller. kelvane-sim runs the same
simulation headless from a script and prints a CSV trace.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps those in /usr/games, and the program installs in bin/.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/kelvane/kelvane")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Directories owned by the package get the usual 0755 permissions.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

# Validates the installed files and the package; needs the Debian tools.
find_program(KELVANE_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(KELVANE_APPSTREAMCLI appstreamcli)
if(TARGET kelvane AND KELVANE_DESKTOP_FILE_VALIDATE AND KELVANE_APPSTREAMCLI)
  add_test(NAME package_check
    COMMAND ${CMAKE_SOURCE_DIR}/tests/package/check_package.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
  set_tests_properties(package_check PROPERTIES LABELS package TIMEOUT 600)
endif()
