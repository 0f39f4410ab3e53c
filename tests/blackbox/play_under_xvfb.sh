#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the built game as a person would, on a private X server: types a name,
# clicks the three buttons, resets with Alt+R, plays from the keyboard, and
# quits with Alt+E, which must end the program with exit status 0. With a
# window manager named, it plays under that one, as on a desktop.
# Usage: play_under_xvfb.sh ZAPGRID_BINARY [WINDOW_MANAGER]
set -euo pipefail
binary=$1
window_manager=${2:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits up to 20 seconds for a window to show. xdotool dies of an X error
# when a window goes away while it searches, as the game's old window does
# after a reload, so each search that finds nothing is tried again.
find_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.2
    done
    return 1
}
# Waits up to five seconds for a window to hold the keyboard focus.
has_focus() {
    for _ in $(seq 50); do
        [ "$(xdotool getwindowfocus)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

source "$(dirname "$0")/../lib/xvfb.sh"

game= wm=
trap 'kill $game $wm ${xvfb_pid:-} 2>/dev/null || true' EXIT
start_xvfb
if [ -n "$window_manager" ]; then
    "$window_manager" >/dev/null 2>&1 &
    wm=$!
    # A window manager announces itself on the root window once it runs.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
        fail "$window_manager did not start"
fi

QT_QPA_PLATFORM=xcb "$binary" &
game=$!

prompt=$(find_window '^Your Identity$') || fail "no name prompt"
xdotool windowfocus --sync "$prompt"
xdotool key ctrl+a type --delay 20 'Tester'
xdotool key Return
window=$(find_window '^Zapgrid by Brevanno$') || fail "no game window after the prompt"

# The client area is 255 x 183 under the menu bar; click each button's centre.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 183))
for x in 56 124 196 56 124 196; do
    xdotool mousemove --window "$window" "$x" $((menu + 72)) click 1
    sleep 0.05
done
kill -0 "$game" 2>/dev/null || fail "the game died while clicking"

# From here on the keyboard alone, with no help to the focus: every window
# and dialog must take it by itself.
xdotool windowfocus --sync "$window" key alt+r
prompt=$(find_window '^Your Identity$') || fail "no new name prompt after Alt+R"
has_focus "$prompt" || fail "the new name prompt did not take the focus"
xdotool key Return
window=$(find_window '^Zapgrid by Brevanno$') || fail "no game window after the reset"
has_focus "$window" || fail "the game window did not take the focus back"
xdotool key space Tab space Tab space shift+Tab space
kill -0 "$game" 2>/dev/null || fail "the game died after the reset"

xdotool key alt+e
status=0
timeout 10 tail --pid="$game" -f /dev/null || fail "Alt+E did not end the game"
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "exit status $status after Alt+E"
echo "played: window shown, clicks and a reset survived, Alt+E ended with status 0"
