# Installation and the Debian package. Included from the top-level CMakeLists.txt after the
# targets exist. `cpack -G DEB` in the build folder makes orvel-pataki-chakra_<version>_<arch>.deb
# holding only the component "program": the desktop program and its desktop integration; the
# developer tools (reading-dump, ...) are never installed.
#
# Nothing here reaches the program's code: it finds what it needs compiled in, never through a
# path fixed at configure time, so the package may be installed under any prefix.

include(GNUInstallDirs)

set(OPC_APP_ID com.orvelsoftware.patakichakra)
set(OPC_PACKAGE_NAME orvel-pataki-chakra)
set(OPC_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(OPC_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${OPC_PACKAGE_NAME})

# Debian wants every directory 0755, whatever the umask of the machine that builds.
set(OPC_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${OPC_DIRECTORY_PERMISSIONS})

if(TARGET orvel-pataki-chakra)
  install(TARGETS orvel-pataki-chakra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
          COMPONENT program)
  # The printing module, loaded when the user prints; found relative to the program.
  install(TARGETS opc_printing LIBRARY DESTINATION ${OPC_MODULE_DIR} COMPONENT program)

  if(UNIX AND NOT APPLE)
    # Desktop integration (freedesktop.org): one application id names the desktop file, the
    # AppStream metadata and the icon; the MIME type lets file managers open *.opc.json here.
    install(FILES ${OPC_PACKAGING_DIR}/${OPC_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT program)
    install(FILES ${OPC_PACKAGING_DIR}/${OPC_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT program)
    install(FILES ${OPC_PACKAGING_DIR}/${OPC_APP_ID}.xml
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages COMPONENT program)
    install(FILES ${PROJECT_SOURCE_DIR}/ui/icons/orvel-pataki-chakra.svg
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
            RENAME ${OPC_APP_ID}.svg COMPONENT program)
    # The PNG sizes are rendered from the SVG by packaging/icons/render and committed.
    foreach(size 48x48 128x128 256x256)
      install(FILES ${OPC_PACKAGING_DIR}/icons/${size}/${OPC_APP_ID}.png
              DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}/apps
              COMPONENT program)
    endforeach()

    # The manual page and the Debian changelog go compressed with gzip -9n (no name, no time
    # stamp), so two builds of one source give the same bytes.
    find_program(OPC_GZIP gzip REQUIRED)
    set(OPC_GZIPPED)
    foreach(source orvel-pataki-chakra.1 changelog)
      set(copy ${CMAKE_CURRENT_BINARY_DIR}/packaging/${source})
      add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${OPC_PACKAGING_DIR}/${source} ${copy}
        COMMAND ${OPC_GZIP} -9nf ${copy}
        DEPENDS ${OPC_PACKAGING_DIR}/${source}
        VERBATIM)
      list(APPEND OPC_GZIPPED ${copy}.gz)
    endforeach()
    add_custom_target(opc_packaging_files ALL DEPENDS ${OPC_GZIPPED})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/orvel-pataki-chakra.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)
    install(FILES ${OPC_PACKAGING_DIR}/copyright
                  ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
            DESTINATION ${OPC_DOC_DIR} COMPONENT program)
  endif()
endif()

# CPack: one Debian package of the component "program".
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${OPC_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvel Software")
set(CPACK_PACKAGE_CONTACT "Orvel Software <packages@orvelsoftware.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pataki Chakra reading of a natal chart by Vedic astrology")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};program;/")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${OPC_DIRECTORY_PERMISSIONS})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# dpkg-shlibdeps finds the libraries (Qt, libstdc++); these are what the program reads at run
# time: the DejaVu fonts for the chart and printed page, the font packages of the languages'
# scripts (the language table's, read in ui/CMakeLists.txt), the tz database for time zones.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Swiss Ephemeris, libswe2.0, is loaded on first use (dlopen), which shlibdeps cannot see:
# named here with the bounds of its shlibs file; its ephemeris files are data.
set(OPC_PACKAGE_DEPENDS fonts-dejavu-core ${OPC_FONT_PACKAGES} tzdata "libswe2.0 (>= 2.10.03)"
                        "libswe2.0 (<= 2.99.99)" swe-basic-data)
list(JOIN OPC_PACKAGE_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description; CPack puts CPACK_PACKAGE_DESCRIPTION_SUMMARY before it as the
# first line, and marks the empty line as a paragraph break (" .").
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Orvel Pataki Chakra reads a natal chart by the Pataki Chakra of Vedic
astrology. From the date, time and place of birth it computes the sidereal
positions of the Sun, the Moon, the planets, the lunar nodes and the
ascendant, sunrise and sunset, and the Yamardha and Danda rulers of the
birth moment, fills the chart of the twelve signs and writes the vedha
reading.

Places come from an offline atlas built into the program (GeoNames data,
CC BY 4.0). Readings can be printed or saved as PDF, charts as PNG, and
birth details are saved to and opened from files.")

include(CPack)

# Checks of the package files and of the package itself (label "package").
if(OPC_BUILD_TESTS AND NOT OPC_SANITIZE AND TARGET orvel-pataki-chakra AND UNIX AND NOT APPLE)
  add_test(NAME package.desktop_file
           COMMAND desktop-file-validate ${OPC_PACKAGING_DIR}/${OPC_APP_ID}.desktop)
  add_test(NAME package.metainfo
           COMMAND appstreamcli validate --no-net ${OPC_PACKAGING_DIR}/${OPC_APP_ID}.metainfo.xml)
  set_tests_properties(package.desktop_file package.metainfo PROPERTIES LABELS package)
  find_program(OPC_DPKG_DEB dpkg-deb)
  if(OPC_DPKG_DEB)
    add_test(NAME package.deb COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package
                                      ${CMAKE_BINARY_DIR})
    set_tests_properties(package.deb PROPERTIES LABELS package TIMEOUT 180 RUN_SERIAL ON)
  endif()
endif()
