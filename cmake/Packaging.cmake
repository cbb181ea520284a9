# What `cmake --install` puts in place besides the binaries (see src/CMakeLists.txt): the
# desktop entry, the icon in the hicolor theme, the AppStream metainfo, the man page of
# zelkor-calc and the copyright file. `cpack` (run in the build folder) turns the same set
# into a .deb.
include(GNUInstallDirs)

set(ZELKOR_APP_ID org.zelkor.Zelkor)
set(linux_resources ${CMAKE_SOURCE_DIR}/resources/linux)

install(FILES ${linux_resources}/${ZELKOR_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(icon_theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/images/src/zelkor.svg
        DESTINATION ${icon_theme}/scalable/apps RENAME ${ZELKOR_APP_ID}.svg)
# The PNGs come from the same SVG (scripts/render-images).
foreach(size 16 24 32 48 64 128 256 512)
    install(FILES ${linux_resources}/icons/zelkor-${size}.png
            DESTINATION ${icon_theme}/${size}x${size}/apps RENAME ${ZELKOR_APP_ID}.png)
endforeach()

# The screenshots are docs/screenshots/ as published on the project's web page.
set(ZELKOR_SITE "${ZELKOR_WEBSITE_URL}")
if(NOT ZELKOR_SITE MATCHES "/$")
    string(APPEND ZELKOR_SITE "/")
endif()
configure_file(${linux_resources}/${ZELKOR_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${ZELKOR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ZELKOR_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian installs man pages compressed; -n keeps the archive the same from build to build.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_page ${CMAKE_BINARY_DIR}/zelkor-calc.1.gz)
add_custom_command(OUTPUT ${man_page}
    COMMAND sh -c "'${GZIP_PROGRAM}' -9 -n -c '${linux_resources}/zelkor-calc.1' > '${man_page}'"
    DEPENDS ${linux_resources}/zelkor-calc.1
    VERBATIM)
add_custom_target(zelkor_man_page ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

string(REGEX REPLACE "^mailto:" "" maintainer_address "${ZELKOR_MAIL_URL}")

# Debian's machine-readable copyright format; the licence text itself is the system's copy in
# /usr/share/common-licenses/GPL-3 (the LICENSE file at the root is the same text).
set(ZELKOR_MAIL_ADDRESS "${maintainer_address}")
configure_file(${linux_resources}/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelkor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelkor)
set(CPACK_PACKAGE_VENDOR "The Zelkor developers")
set(CPACK_PACKAGE_CONTACT "The Zelkor developers <${maintainer_address}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronics toolbox for the bench")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelkor puts the small calculations of electronics work in one window:\n\
resistor colour codes, LED dropping resistors, Ohm's law, series and\n\
parallel connections, heat sinks, air-cored coils, 555 timers and\n\
receiving-tube designations. The command zelkor-calc gives the same\n\
calculations to scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZELKOR_WEBSITE_URL}")
# The Qt libraries come from dpkg-shlibdeps; the window also needs a platform plugin and the
# SVG image plugin (warning signs), which no library pulls in, and Qt's own German texts
# (context menus) are welcome.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
