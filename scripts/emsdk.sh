# SPDX-License-Identifier: MIT
# Sourced by the scripts that build for the browser: Debian's emscripten, its
# JavaScript tools given Debian's node modules (acorn) and its Python where
# other ones come first on PATH.
# Usage: use_debian_emscripten
use_debian_emscripten() {
    export NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
}
