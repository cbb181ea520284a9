# What `cmake --install` puts in place besides the binaries (see src/CMakeLists.txt): the
# desktop entry, the icon in the hicolor theme, the AppStream metainfo, the man pages of zelkor
# and zelkor-calc, the copyright file and the Debian changelog. `cpack` (run in the build folder) turns the same set
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

# Debian installs man pages and changelogs compressed; -n keeps the archive the same from build
# to build.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed_docs)
function(zelkor_gzip source target)
    add_custom_command(OUTPUT ${target}
        COMMAND sh -c "'${GZIP_PROGRAM}' -9 -n -c '${source}' > '${target}'"
        DEPENDS ${source}
        VERBATIM)
    set(compressed_docs ${compressed_docs} ${target} PARENT_SCOPE)
endfunction()

foreach(page zelkor zelkor-calc)
    zelkor_gzip(${linux_resources}/${page}.1 ${CMAKE_BINARY_DIR}/${page}.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

string(REGEX REPLACE "^mailto:" "" maintainer_address "${ZELKOR_MAIL_URL}")
set(ZELKOR_MAIL_ADDRESS "${maintainer_address}")

# The package's own changelog; its newest entry names the version cpack builds.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
configure_file(${linux_resources}/changelog.Debian.in ${CMAKE_BINARY_DIR}/changelog.Debian @ONLY)
zelkor_gzip(${CMAKE_BINARY_DIR}/changelog.Debian ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelkor)
add_custom_target(zelkor_compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${linux_resources}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zelkor)

# Debian's machine-readable copyright format; the licence text itself is the system's copy in
# /usr/share/common-licenses/GPL-3 (the LICENSE file at the root is the same text).
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
