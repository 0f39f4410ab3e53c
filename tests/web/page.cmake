# SPDX-License-Identifier: MIT
# The game on the page's own elements, played in Debian's headless Chromium,
# driven by playwright-core as the lock file pins it.
find_program(NODE node REQUIRED)
find_program(NPM npm REQUIRED)
set(node_dir ${CMAKE_BINARY_DIR}/web-tests)
file(COPY ${CMAKE_CURRENT_LIST_DIR}/package.json ${CMAKE_CURRENT_LIST_DIR}/package-lock.json
     DESTINATION ${node_dir})
add_test(NAME page_setup COMMAND ${NPM} ci --no-audit --no-fund --loglevel=error
         WORKING_DIRECTORY ${node_dir})
set_tests_properties(page_setup PROPERTIES FIXTURES_SETUP page TIMEOUT 300)
add_test(NAME page_play COMMAND ${NODE} ${CMAKE_CURRENT_LIST_DIR}/play_page.js
                                ${CMAKE_BINARY_DIR}/site ${PROJECT_SOURCE_DIR}/scripts/serve_site.py)
set_tests_properties(page_play PROPERTIES FIXTURES_REQUIRED page TIMEOUT 300
                     ENVIRONMENT NODE_PATH=${node_dir}/node_modules)
