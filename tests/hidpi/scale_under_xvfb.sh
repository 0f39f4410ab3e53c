#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the game at Qt scale factors 1, 1.5 and 2 on a private X server and
# checks the window's size in physical pixels against the 1x one times the
# factor, and that the 2x window is drawn afresh, not a 1x bitmap blown up.
# Usage: scale_under_xvfb.sh ZAPGRID_BINARY
set -euo pipefail
binary=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
shots=$(mktemp -d)

source "$(dirname "$0")/../lib/xvfb.sh"

game=
trap 'kill $game ${xvfb_pid:-} 2>/dev/null || true; rm -rf "$shots"' EXIT
start_xvfb 1280x1024

# Prints the game window's width and height at a scale factor.
window_size() {
    QT_SCALE_FACTOR=$1 QT_QPA_PLATFORM=xcb "$binary" &
    game=$!
    local prompt window
    prompt=$(timeout 20 xdotool search --sync --onlyvisible --name '^Your Identity$' | head -n 1)
    xdotool windowfocus --sync "$prompt" key Return
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zapgrid by Brevanno$' |
        head -n 1)
    sleep 0.3
    import -window "$window" "$shots/$1.png"
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=
    identify -format '%w %h\n' "$shots/$1.png"
}

read -r width height < <(window_size 1)
[ "$width" -eq 255 ] || fail "the client area is 255 pixels wide at 1x, the window $width"
echo "1x: ${width}x${height}"
for factor in 1.5 2; do
    read -r w h < <(window_size "$factor")
    expect_w=$(awk "BEGIN { printf \"%d\", $width * $factor + 0.5 }")
    expect_h=$(awk "BEGIN { printf \"%d\", $height * $factor + 0.5 }")
    echo "${factor}x: ${w}x${h}, expected ${expect_w}x${expect_h}"
    [ $((w - expect_w)) -ge -1 ] && [ $((w - expect_w)) -le 1 ] || fail "width $w at ${factor}x"
    [ $((h - expect_h)) -ge -2 ] && [ $((h - expect_h)) -le 2 ] || fail "height $h at ${factor}x"
done

# A bitmap blown up twice over is made of 2x2 blocks; text drawn at 2x is not.
convert "$shots/1.png" -filter point -resize 200% "$shots/blown-up.png"
differ=$(compare -metric AE "$shots/2.png" "$shots/blown-up.png" null: 2>&1 || true)
echo "2x against the 1x bitmap blown up: $differ pixels differ"
[ "${differ%%.*}" -gt 1000 ] || fail "the 2x window looks like a scaled bitmap"
echo "ok"
