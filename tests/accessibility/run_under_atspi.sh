#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game on a private display and a private D-Bus session with the
# accessibility bus, lets play_with_screen_reader.py play it through AT-SPI,
# and checks that its End menu item ended the game with status 0. The display
# is an X server, or with "wayland" a headless Weston, where the game must
# announce its desktop entry's id and write no warning to its log. With
# "orca", Orca reads the game on an X server under openbox, and
# play_with_orca.py plays it from the keyboard by what Orca says.
# Usage: run_under_atspi.sh ZAPGRID_BINARY [xcb|wayland|orca]
set -euo pipefail
shopt -s extglob
if [ "${ZAPGRID_OWN_BUS:-}" != 1 ]; then
    # The accessibility bus's socket lies in the runtime folder, or without
    # one in ~/.cache/at-spi: a folder of its own keeps plays side by side
    # from talking on each other's bus.
    XDG_RUNTIME_DIR=$(mktemp -d) ZAPGRID_OWN_BUS=1 exec dbus-run-session -- "$0" "$@" \
        2> >(grep -v 'fd limit' >&2)
fi
session_runtime=$XDG_RUNTIME_DIR
binary=$1
platform=${2:-xcb}
here=$(cd "$(dirname "$0")" && pwd)
# The plays share a module; its compiled form stays out of the source tree.
export PYTHONDONTWRITEBYTECODE=1
fail() { echo "FAIL: $*" >&2; exit 1; }

source "$here/../lib/xvfb.sh"
source "$here/../lib/weston.sh"
source "$here/../lib/orca.sh"

game= log=$(mktemp) player=("$here/play_with_screen_reader.py") helpers=() orca=
trap 'kill $game ${helpers[*]} $orca ${xvfb_pid:-} ${weston_pid:-} 2>/dev/null || true
      # Orca runs once per user: the next play must not find this one.
      [ -z "$orca" ] || timeout 10 tail --pid="$orca" -f /dev/null
      rm -rf "$log" "$session_runtime" ${XDG_RUNTIME_DIR:-} ${orca_home:-}' EXIT
if [ "$platform" = wayland ]; then
    start_weston
    # Headless Weston has no keyboard, so no window of it ever gets the focus.
    player+=(--no-keyboard)
    # Mesa's EGL, which Qt's Wayland plugin loads where Mesa is installed,
    # leaks from a driver it has unloaded by the end; only a full unwind
    # shows the leak's way through Mesa, which lsan.supp lets be.
    if [ -n "${LSAN_OPTIONS:-}" ]; then
        export LSAN_OPTIONS=$LSAN_OPTIONS:fast_unwind_on_malloc=0
    fi
else
    start_xvfb
fi
if [ "$platform" = orca ]; then
    platform=xcb
    openbox >/dev/null 2>&1 &
    helpers+=($!)
    start_orca || exit 1
    player=("$here/play_with_orca.py" "$orca_log")
    # Qt's AT-SPI bridge hands every key to the reader and waits 100 ms; when
    # Orca answers later, the bridge can lose track of its copy of the key
    # event, which it then never frees ("notifyKeyboardListenerCallback with
    # no queued key called"). Its frames have no symbols, so in this play
    # alone leaks that go through Qt GUI's own code are let be.
    if [ -n "${LSAN_OPTIONS:-}" ]; then
        suppressions=$orca_home/lsan.supp
        cat "$here/../lsan.supp" >"$suppressions"
        echo 'leak:libQt6Gui.so' >>"$suppressions"
        export LSAN_OPTIONS=${LSAN_OPTIONS/suppressions=+([^:])/suppressions=$suppressions}
    fi
fi

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=$platform "$binary" 2>"$log" &
game=$!
timeout 120 /usr/bin/python3 "${player[@]}" || {
    cat "$log"
    [ -z "${orca_log:-}" ] || { echo "== Orca said"; grep -a "SPEECH OUTPUT" "$orca_log"; }
    exit 1
}

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
