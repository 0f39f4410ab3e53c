# SPDX-License-Identifier: MIT
# Cross-builds for 64-bit Windows with Debian's MinGW-w64, POSIX threads.
# A Qt for Windows outside the compiler's own root is found through
# ZAPGRID_QT_WINDOWS, which this adds to the search roots.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
if(ZAPGRID_QT_WINDOWS)
    list(APPEND CMAKE_FIND_ROOT_PATH ${ZAPGRID_QT_WINDOWS})
    list(APPEND CMAKE_PREFIX_PATH ${ZAPGRID_QT_WINDOWS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's build tools (moc, rcc) are the host's own, from qt6-base-dev-tools.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Tests and other built programs run under Wine where it is installed.
find_program(ZAPGRID_WINE64 NAMES wine64 PATHS /usr/lib/wine)
if(ZAPGRID_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZAPGRID_WINE64})
endif()
