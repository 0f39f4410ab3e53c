# SPDX-License-Identifier: MIT
# Sourced by the scripts that build for the browser. Qt's CMake looks for
# Emscripten where its SDK puts it ($EMSDK/.emscripten naming
# upstream/emscripten, with emcc in there), when Qt is built and when a
# program is configured against it. Debian's emscripten lies elsewhere, so a
# folder laid out as the SDK is, of links to Debian's files, stands in.
# Usage: use_debian_emscripten DIR (exports EMSDK=DIR)
use_debian_emscripten() {
    local sdk=$1 root=/usr/share/emscripten entry tool
    local upstream=$sdk/upstream/emscripten
    mkdir -p "$upstream"
    for entry in "$root"/* "$root"/.emscripten; do
        ln -sfn "$entry" "$upstream/$(basename "$entry")"
    done
    for tool in emcc em++ emar emranlib; do
        ln -sfn "/usr/bin/$tool" "$upstream/$tool"
    done
    echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$sdk/.emscripten"
    export EMSDK=$sdk
    # emcc's JavaScript tools need Debian's node modules (acorn) and its
    # Python where other ones come first on PATH.
    export NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
}
