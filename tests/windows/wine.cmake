# SPDX-License-Identifier: MIT
# The Windows build's suites run under Wine, in a private prefix with a
# virtual desktop on a private X server, which a CTest fixture starts once for
# the whole run: Wine programs started side by side can hang while Wine's
# server comes up.
find_program(XVFB Xvfb REQUIRED)
set(wine_dir ${CMAKE_BINARY_DIR}/wine)

# The DLLs the suites load, from where they lie: Qt's and the compiler's.
set(dll_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll IN LISTS ZAPGRID_MINGW_RUNTIME)
    get_filename_component(dir ${dll} DIRECTORY)
    list(APPEND dll_dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES dll_dirs)

add_test(NAME wine_start
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine_session.sh start ${wine_dir} ${dll_dirs})
add_test(NAME wine_stop COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine_session.sh stop ${wine_dir})
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/on_wine_desktop.sh ${wine_dir}
    ${CMAKE_CROSSCOMPILING_EMULATOR})
# Wine keeps Linux's QT_ variables from Windows programs, and hands its
# WINEQT_ ones on to them without the prefix.
set(ZAPGRID_PLATFORM_VARIABLE WINEQT_QPA_PLATFORM)
# Qt's offscreen platform finds no fonts on Windows: widgets are shown on the
# real one, on the virtual desktop.
set(ZAPGRID_WIDGET_PLATFORM windows)
# A Windows program with no console sends Qt Test's plain text to the
# debugger; TAP goes to the output.
set(ZAPGRID_TEST_ARGUMENTS -o -,tap)
set(ZAPGRID_TEST_FIXTURE wine)

# The installer and the ZIP, and the game installed, played and uninstalled.
find_program(MAKENSIS makensis REQUIRED)
add_test(NAME windows_package
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_package.sh ${CMAKE_BINARY_DIR})
set_tests_properties(windows_package PROPERTIES TIMEOUT 300)
# Built again elsewhere, to the same bytes.
find_program(DIFFOSCOPE diffoscope)
if(DIFFOSCOPE)
    add_test(NAME windows_reproducible
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/../packaging/check_reproducible.sh
                     ${CMAKE_BINARY_DIR} NSIS ZIP)
    set_tests_properties(windows_reproducible PROPERTIES TIMEOUT 600)
endif()
