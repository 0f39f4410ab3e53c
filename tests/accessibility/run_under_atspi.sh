#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game on a private display and a private D-Bus session with the
# accessibility bus, lets play_with_screen_reader.py play it through AT-SPI,
# and checks that its End menu item ended the game with status 0. The display
# is an X server, or with "wayland" a headless Weston, where the game must
# announce its desktop entry's id and write no warning to its log.
# Usage: run_under_atspi.sh ZAPGRID_BINARY [xcb|wayland]
set -euo pipefail
if [ "${ZAPGRID_OWN_BUS:-}" != 1 ]; then
    ZAPGRID_OWN_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
binary=$1
platform=${2:-xcb}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

source "$here/../lib/xvfb.sh"
source "$here/../lib/weston.sh"

game= log=$(mktemp) player_options=()
trap 'kill $game ${xvfb_pid:-} ${weston_pid:-} 2>/dev/null || true
      rm -rf "$log" ${XDG_RUNTIME_DIR:-}' EXIT
if [ "$platform" = wayland ]; then
    start_weston
    # Headless Weston has no keyboard, so no window of it ever gets the focus.
    player_options=(--no-keyboard)
    # Mesa's EGL, which Qt's Wayland plugin loads where Mesa is installed,
    # leaks from a driver it has unloaded by the end; only a full unwind
    # shows the leak's way through Mesa, which lsan.supp lets be.
    if [ -n "${LSAN_OPTIONS:-}" ]; then
        export LSAN_OPTIONS=$LSAN_OPTIONS:fast_unwind_on_malloc=0
    fi
else
    start_xvfb
fi

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=$platform "$binary" 2>"$log" &
game=$!
timeout 60 /usr/bin/python3 "$here/play_with_screen_reader.py" "${player_options[@]}" ||
    { cat "$log"; exit 1; }

status=0
timeout 10 tail --pid="$game" -f /dev/null || fail "End did not end the game"
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || { cat "$log"; fail "exit status $status after End"; }
echo "End ended the game with status 0"

if [ "$platform" = wayland ]; then
    echo "== the game's log"
    cat "$log"
    [ ! -s "$log" ] || fail "the game wrote to its log on Wayland"
    app_id=$(grep -o 'set_app_id("[^"]*")' "$weston_log" | sort -u)
    echo "announced: $app_id"
    [ "$app_id" = 'set_app_id("io.github.brevanno.zapgrid")' ] ||
        fail "the application id is not the desktop entry's"
fi
