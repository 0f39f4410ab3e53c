# SPDX-License-Identifier: MIT
# Sourced by the scripts that build for Windows (windows, bench): each
# configures a build folder the same way, against the Qt that
# $ZAPGRID_QT_WINDOWS names, built there when absent (by default in
# ~/.cache/zapgrid). Needs scripts/deps.sh sourced.

# Usage: configure_windows BUILD_DIR [CMAKE_OPTION...]
configure_windows() {
    local build=$1
    shift
    ensure_packages "${build_packages[@]}" "${windows_packages[@]}"
    export ZAPGRID_QT_WINDOWS=${ZAPGRID_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/zapgrid/qt6-windows}
    scripts/qt-windows "$ZAPGRID_QT_WINDOWS"
    cmake -G Ninja -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DZAPGRID_QT_WINDOWS="$(cd "$ZAPGRID_QT_WINDOWS" && pwd)" -DCMAKE_BUILD_TYPE=Release \
        "$@" >/dev/null
}
