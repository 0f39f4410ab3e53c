# SPDX-License-Identifier: MIT
# Every build of the game carries the hardening that Debian's packages get
# from dpkg-buildflags, and gives the same bytes wherever it is built.
#
# Reproducible: the source's and the build folder's paths are kept out of the
# binaries (the compiler tries the last map first, so a build folder inside
# the source is "build" wherever it lies), and the Windows linker writes no
# time into the executable.
#
# Hardening: a stack protector and fortified C library calls on every
# desktop platform; on Linux also stack-clash and control-flow protection, a
# position-independent executable and a read-only GOT bound at start.
# Fortified calls need an optimised build, and do not mix with the
# sanitizers. MinGW-w64 takes both from libssp, whose DLL ships with the
# game; its linker already marks the executable for ASLR with high entropy
# and for DEP.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
if(EMSCRIPTEN)
    return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
add_link_options(-fstack-protector-strong)
if(NOT ZAPGRID_SANITIZE)
    set(optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    add_compile_options($<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)
endif()
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    add_compile_options(-fstack-clash-protection)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
        add_compile_options(-fcf-protection)
    endif()
    add_link_options(-Wl,-z,relro,-z,now)
elseif(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
