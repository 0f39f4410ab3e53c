#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Serves the site and opens it in Chromium, with its accessibility on and a
# window on a private X server under openbox, in a private D-Bus session with
# the accessibility bus; Orca reads the page, and play_orca_in_chromium.py
# plays the game from the keyboard by what Orca says.
# Usage: orca_in_chromium.sh SITE_FOLDER SERVER_SCRIPT
set -euo pipefail
if [ "${ZAPGRID_OWN_BUS:-}" != 1 ]; then
    XDG_RUNTIME_DIR=$(mktemp -d) ZAPGRID_OWN_BUS=1 exec dbus-run-session -- "$0" "$@" \
        2> >(grep -v 'fd limit\|Activating service\|Successfully activated' >&2)
fi
session_runtime=$XDG_RUNTIME_DIR
site=$1 server_script=$2
here=$(cd "$(dirname "$0")" && pwd)
export PYTHONDONTWRITEBYTECODE=1
source "$here/../lib/xvfb.sh"
source "$here/../lib/orca.sh"

helpers=() orca= profile=$(mktemp -d) served=$(mktemp)
# Chromium's processes write its profile until the last of them has gone, so
# its folder is removed only then; Orca runs once per user, so the next play
# must not find this one.
clean_up() {
    kill "${helpers[@]}" $orca ${xvfb_pid:-} 2>/dev/null || true
    for pid in "${helpers[@]}" $orca; do timeout 10 tail --pid="$pid" -f /dev/null || true; done
    for _ in $(seq 100); do
        pgrep -f -- "--user-data-dir=$profile" >/dev/null || break
        sleep 0.1
    done
    rm -rf "$session_runtime" "$profile" "$served" ${orca_home:-}
}
trap clean_up EXIT
start_xvfb 1024x768
openbox >/dev/null 2>&1 &
helpers+=($!)
start_orca
python3 "$server_script" "$site" 0 >"$served" &
helpers+=($!)
for _ in $(seq 50); do
    url=$(grep -o 'http://[^ ]*/' "$served" || true)
    [ -n "$url" ] && break
    sleep 0.1
done
chromium --no-sandbox --no-first-run --user-data-dir="$profile" --force-renderer-accessibility \
    --disable-background-networking --disable-component-update --disable-sync \
    --use-angle=swiftshader --enable-unsafe-swiftshader --window-size=900,700 "$url" \
    >/dev/null 2>&1 &
helpers+=($!)
timeout 120 /usr/bin/python3 "$here/play_orca_in_chromium.py" "$orca_log" || {
    echo "== Orca said"
    grep -a "SPEECH OUTPUT" "$orca_log"
    exit 1
}
