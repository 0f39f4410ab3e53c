#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game on a private X server and a private D-Bus session with the
# accessibility bus, lets play_with_screen_reader.py play it through AT-SPI,
# and checks that its End menu item ended the game with status 0.
# Usage: run_under_atspi.sh ZAPGRID_BINARY
set -euo pipefail
if [ "${ZAPGRID_OWN_BUS:-}" != 1 ]; then
    ZAPGRID_OWN_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
binary=$1
here=$(cd "$(dirname "$0")" && pwd)

source "$here/../lib/xvfb.sh"

game=
trap 'kill $game ${xvfb_pid:-} 2>/dev/null || true' EXIT
start_xvfb

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$binary" &
game=$!
timeout 60 /usr/bin/python3 "$here/play_with_screen_reader.py"

status=0
timeout 10 tail --pid="$game" -f /dev/null || { echo "FAIL: End did not end the game" >&2; exit 1; }
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status after End" >&2; exit 1; }
echo "End ended the game with status 0"
