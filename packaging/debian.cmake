# SPDX-License-Identifier: MIT
# How the game meets a freedesktop system: its menu entry, icon, AppStream
# metadata and manual page, and the Debian package that carries them.
set(APP_ID io.github.brevanno.zapgrid)
install(FILES ${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Debian wants the manual page and the changelog compressed, reproducibly.
find_program(GZIP gzip REQUIRED)
foreach(file zapgrid.6 changelog)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${file}.gz
        DEPENDS ${file} VERBATIM)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS zapgrid.6.gz changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zapgrid.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brevanno.github.io/zapgrid/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The one dependency no shared-library scan can see: Qt loads its platform
# plugins at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own plugin for a Wayland session, without which the game runs there
# through XWayland; and its GTK platform theme, which GNOME loads by itself,
# so that the window takes the desktop's colours, light or dark.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland, qt6-gtk-platformtheme")
