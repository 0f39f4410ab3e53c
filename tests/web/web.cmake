# SPDX-License-Identifier: MIT
# The browser build's site, played in Debian's headless Chromium (as a
# desktop and as emulated phones), driven by playwright-core, and in Debian's
# Firefox ESR on a private X server, driven over WebDriver BiDi by
# puppeteer-core, as the lock file pins them, installed into the build folder.
find_program(NODE node REQUIRED)
find_program(NPM npm REQUIRED)
find_program(TESSERACT tesseract REQUIRED)
set(node_dir ${CMAKE_BINARY_DIR}/web-tests)
file(COPY ${CMAKE_CURRENT_LIST_DIR}/package.json ${CMAKE_CURRENT_LIST_DIR}/package-lock.json
     DESTINATION ${node_dir})
add_test(NAME web_setup COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
         WORKING_DIRECTORY ${node_dir})
set_tests_properties(web_setup PROPERTIES FIXTURES_SETUP web TIMEOUT 300)
add_test(NAME web_play COMMAND ${NODE} ${CMAKE_CURRENT_LIST_DIR}/play_in_chromium.js
                               ${CMAKE_BINARY_DIR}/site ${PROJECT_SOURCE_DIR}/scripts/serve_site.py
                               $<TARGET_FILE_DIR:zapgrid> ${PROJECT_SOURCE_DIR}/packaging/web/site.py)
set_tests_properties(web_play PROPERTIES FIXTURES_REQUIRED web TIMEOUT 600
                     ENVIRONMENT NODE_PATH=${node_dir}/node_modules)
find_program(FIREFOX firefox-esr REQUIRED)
find_program(XVFB Xvfb REQUIRED)
add_test(NAME web_play_firefox COMMAND ${CMAKE_CURRENT_LIST_DIR}/play_in_firefox.sh
                                       ${CMAKE_BINARY_DIR}/site ${PROJECT_SOURCE_DIR}/scripts/serve_site.py)
set_tests_properties(web_play_firefox PROPERTIES FIXTURES_REQUIRED web TIMEOUT 400
                     ENVIRONMENT NODE_PATH=${node_dir}/node_modules)

# Orca reading the page in Chromium, played from the keyboard by what it says.
find_program(ORCA orca)
find_program(OPENBOX openbox)
find_program(XDOTOOL xdotool)
find_program(DBUS_RUN_SESSION dbus-run-session)
if(ORCA AND OPENBOX AND XDOTOOL AND DBUS_RUN_SESSION)
    add_test(NAME web_orca COMMAND ${PROJECT_SOURCE_DIR}/tests/accessibility/orca_in_chromium.sh
                                   ${CMAKE_BINARY_DIR}/site ${PROJECT_SOURCE_DIR}/scripts/serve_site.py)
    set_tests_properties(web_orca PROPERTIES TIMEOUT 180)
endif()
