#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game on a private X server with no window manager, which would
# fill in an icon of its own, and checks what the name prompt and the game
# window tell a window manager about the program: its icon and its class.
# Usage: identity_under_xvfb.sh ZAPGRID_BINARY
set -euo pipefail
binary=$1
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
check() {
    python3 "$here/wm_identity.py" "$1" "$here/../../packaging/icons" \
        "$here/../../packaging/io.github.brevanno.zapgrid.desktop"
}

source "$here/../lib/xvfb.sh"

game=
trap 'kill $game ${xvfb_pid:-} 2>/dev/null || true' EXIT
start_xvfb

QT_QPA_PLATFORM=xcb "$binary" &
game=$!

prompt=$(find_window '^Your Identity$') || fail "no name prompt"
echo "== the name prompt"
check "$prompt"
xdotool windowfocus --sync "$prompt" key Return
window=$(find_window '^Zapgrid by Brevanno$') || fail "no game window after the prompt"
echo "== the game window"
check "$window"
