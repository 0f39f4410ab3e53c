# SPDX-License-Identifier: MIT
# What the browser build adds to the game's targets.

# Emscripten catches a C++ exception only in code built for it, and Qt links
# with catching turned off. The overflow travels from the runtime's counter
# through the rules to its event dispatch, so those are built for it, and the
# setting, given among the libraries, comes after Qt's. The program's entry
# and the Qt front end's start-up are not: exec() leaves them by a JavaScript
# exception, and code built for exceptions would free their stack, where the
# application lives on.
foreach(target runtime rules window)
    target_compile_options(${target} PRIVATE -fexceptions)
endforeach()
target_link_libraries(zapgrid PRIVATE -fexceptions -sDISABLE_EXCEPTION_CATCHING=0)

# Linked for size, as everything is downloaded.
target_link_libraries(zapgrid PRIVATE -Oz)
