# SPDX-License-Identifier: MIT
# Sourced by the play and test scripts: installs the Debian packages they name
# that are not installed yet, as root or through sudo.

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# What it takes to build the game and to run it.
build_packages=(g++ cmake make qt6-base-dev qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core)
# What the tests add: the format check, a private X server, a window manager
# and a player for it, a headless Wayland compositor with Qt's plugin for it,
# the accessibility bus and its Python client, a screen reader with its speech
# service, pictures, Debian's package tools and validators, its hardening
# check, and diffoscope to show where two builds differ.
test_packages=(clang-format git xvfb x11-utils xdotool openbox weston qt6-wayland imagemagick
    dbus-daemon at-spi2-core python3-pyatspi orca speech-dispatcher dpkg-dev file
    desktop-file-utils appstream lintian devscripts diffoscope-minimal)
# What the Windows build adds: the cross-compiler, Ninja and Qt's host tools
# for Qt itself, the installer's compiler, and Wine with Windows' fonts to
# test it all, played under openbox.
windows_packages=(g++-mingw-w64-x86-64-posix ninja-build qt6-base-dev-tools nsis unzip wine64 wine
    fonts-wine xvfb xdotool openbox x11-utils)
# What the browser build adds: Emscripten and Ninja, and brotli for the
# precompressed files; and to test it, Chromium, Firefox ESR and WebKitGTK
# (its WebDriver and MiniBrowser) driven from Node.js, OCR to read the page
# as it is drawn, Orca to read the page in Chromium on Xvfb, and the
# accessibility bus to read WebKit's tree.
web_packages=(cmake emscripten ninja-build python3 brotli)
web_test_packages=(chromium firefox-esr webkit2gtk-driver xvfb tesseract-ocr orca openbox xdotool
    dbus-daemon at-spi2-core python3-pyatspi speech-dispatcher)
