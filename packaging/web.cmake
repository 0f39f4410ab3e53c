# SPDX-License-Identifier: MIT
# The game as a web site: the page of our own with its loader and icon, and
# the program Emscripten makes, gathered in site/ in the build folder, ready
# for any static file server; and packaged as a ZIP of it.
set(site ${CMAKE_BINARY_DIR}/site)
set(page ${CMAKE_CURRENT_SOURCE_DIR}/web)
add_custom_target(site ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${site}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${page}/index.html ${page}/loader.js
        $<TARGET_FILE_DIR:zapgrid>/zapgrid.js $<TARGET_FILE_DIR:zapgrid>/zapgrid.wasm
        ${CMAKE_CURRENT_SOURCE_DIR}/icons/zapgrid-32.png ${site}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${CMAKE_CURRENT_SOURCE_DIR}/io.github.brevanno.zapgrid.svg ${site}/zapgrid.svg
    DEPENDS zapgrid VERBATIM)

install(DIRECTORY ${site}/ DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME zapgrid-${PROJECT_VERSION}-web)
# The program is as Emscripten optimised it; there is nothing to strip.
set(CPACK_STRIP_FILES OFF)
