# SPDX-License-Identifier: MIT
# The game as a web site, gathered in site/ in the build folder by
# web/site.py, ready for any static file server: the page of our own with its
# style, start-up script, manifest, service worker and icons, and the program
# Emscripten makes, under names that carry their content, each text file and
# the .wasm beside its .br and .gz; and packaged as a ZIP of it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(BROTLI brotli REQUIRED)
set(site ${CMAKE_BINARY_DIR}/site)
set(page ${CMAKE_CURRENT_SOURCE_DIR}/web)
add_custom_command(OUTPUT ${site}/index.html
    COMMAND Python3::Interpreter ${page}/site.py $<TARGET_FILE_DIR:zapgrid> ${site}
    DEPENDS zapgrid $<TARGET_FILE:zapgrid> ${page}/site.py ${page}/index.html ${page}/page.css
            ${page}/start.js ${page}/service-worker.js
            ${CMAKE_CURRENT_SOURCE_DIR}/io.github.brevanno.zapgrid.svg
            ${CMAKE_CURRENT_SOURCE_DIR}/icons/zapgrid-32.png
            ${CMAKE_CURRENT_SOURCE_DIR}/icons/web/zapgrid-192.png
            ${CMAKE_CURRENT_SOURCE_DIR}/icons/web/zapgrid-512.png
    COMMENT "Laying out the web site in ${site}" VERBATIM)
add_custom_target(site ALL DEPENDS ${site}/index.html)

install(DIRECTORY ${site}/ DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME zapgrid-${PROJECT_VERSION}-web)
# The program is as Emscripten optimised it; there is nothing to strip.
set(CPACK_STRIP_FILES OFF)
