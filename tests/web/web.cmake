# SPDX-License-Identifier: MIT
# The browser build's site: its bytes against the budget of a first visit;
# played in Debian's headless Chromium (a desktop, emulated phones, by ear,
# light and dark), driven by playwright-core, in Debian's headless Firefox
# ESR, driven over WebDriver BiDi by puppeteer-core, and in WebKitGTK,
# driven over W3C WebDriver by selenium-webdriver, as the lock file pins
# them, installed into the build folder; and read by Orca in Chromium.
find_program(NODE node REQUIRED)
find_program(NPM npm REQUIRED)
find_program(TESSERACT tesseract REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(site ${CMAKE_BINARY_DIR}/site)
set(server ${PROJECT_SOURCE_DIR}/scripts/serve_site.py)
# Named by path: a target's command, even an imported one, would run in node,
# the emulator Emscripten's toolchain sets.
add_test(NAME web_budget COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/byte_budget.py
                                 ${site} ${server})
set_tests_properties(web_budget PROPERTIES TIMEOUT 60)
# The site's ZIP, built again from a copy of the source elsewhere, is the
# same to the byte.
add_test(NAME web_reproducible
         COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/check_reproducible.sh ${CMAKE_BINARY_DIR} ZIP)
# Emscripten's tools as the build was configured to run them (scripts/emsdk.sh).
# Alone: its build would take the cores from the plays that time the clock.
set_tests_properties(web_reproducible PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE
                     ENVIRONMENT "NODE_PATH=$ENV{NODE_PATH};EMSDK_PYTHON=$ENV{EMSDK_PYTHON}")

set(node_dir ${CMAKE_BINARY_DIR}/web-tests)
file(COPY ${CMAKE_CURRENT_LIST_DIR}/package.json ${CMAKE_CURRENT_LIST_DIR}/package-lock.json
     DESTINATION ${node_dir})
add_test(NAME web_setup COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
         WORKING_DIRECTORY ${node_dir})
set_tests_properties(web_setup PROPERTIES FIXTURES_SETUP web TIMEOUT 300)
add_test(NAME web_play COMMAND ${NODE} ${CMAKE_CURRENT_LIST_DIR}/play_in_chromium.js ${site} ${server}
                               $<TARGET_FILE_DIR:zapgrid> ${PROJECT_SOURCE_DIR}/packaging/web/site.py)
# Chromium's play times its games' ends, and Orca's speech is timed: each
# runs alone, taking both browsers' places. Firefox's and WebKit's plays,
# which time nothing finer than a game, run side by side in one place each.
set(every_browser "firefox-place;webkit-place")
set_tests_properties(web_play PROPERTIES FIXTURES_REQUIRED web TIMEOUT 400 RESOURCE_LOCK "${every_browser}"
                     ENVIRONMENT NODE_PATH=${node_dir}/node_modules)
find_program(FIREFOX firefox-esr REQUIRED)
add_test(NAME web_play_firefox COMMAND ${NODE} ${CMAKE_CURRENT_LIST_DIR}/play_in_firefox.js ${site} ${server})
set_tests_properties(web_play_firefox PROPERTIES FIXTURES_REQUIRED web TIMEOUT 300 RESOURCE_LOCK firefox-place
                     ENVIRONMENT NODE_PATH=${node_dir}/node_modules)

# WebKit, Safari's engine: WebKitGTK's MiniBrowser over W3C WebDriver, with
# its accessible tree read over AT-SPI.
find_program(WEBKIT_DRIVER WebKitWebDriver REQUIRED)
add_test(NAME web_play_webkit COMMAND ${CMAKE_CURRENT_LIST_DIR}/webkit_session.sh ${site} ${server})
set_tests_properties(web_play_webkit PROPERTIES FIXTURES_REQUIRED web TIMEOUT 300 RESOURCE_LOCK webkit-place
                     ENVIRONMENT NODE_PATH=${node_dir}/node_modules)

# Orca reading the page in Chromium, played from the keyboard by what it says.
find_program(ORCA orca)
find_program(OPENBOX openbox)
find_program(XDOTOOL xdotool)
find_program(DBUS_RUN_SESSION dbus-run-session)
if(ORCA AND OPENBOX AND XDOTOOL AND DBUS_RUN_SESSION)
    add_test(NAME web_orca COMMAND ${PROJECT_SOURCE_DIR}/tests/accessibility/orca_in_chromium.sh
                                   ${site} ${server})
    # Orca's speech is timed too, and its first word waits for the program.
    set_tests_properties(web_orca PROPERTIES TIMEOUT 180 RESOURCE_LOCK "${every_browser}")
endif()
