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
