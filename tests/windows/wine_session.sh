#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts or stops what the Windows test suites run in: a private X server and
# a private Wine prefix with a virtual desktop on it, kept in DIR, where the
# programs find their DLLs in the folders given. The suites reach them through
# on_wine_desktop.sh.
# Usage: wine_session.sh start|stop DIR [DLL_FOLDER...]
set -euo pipefail
action=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib/xvfb.sh"
source "$here/wine.sh"
export WINEPREFIX=$dir/prefix

stop() {
    wineserver -k 2>/dev/null || true
    [ -f "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid" "$dir/display" "$dir/winepath"
}

stop
if [ "$action" = start ]; then
    # What starts here outlives the script; left holding its output, it would
    # keep CTest waiting for the end of it.
    {
        start_xvfb 1024x768
        echo "$xvfb_pid" >"$dir/xvfb.pid"
        echo "$DISPLAY" >"$dir/display"
        (IFS=';' && echo "$*") >"$dir/winepath"
        start_wine desktop
    } >"$dir/session.log" 2>&1
    echo "Wine $("$wine64" --version) in $WINEPREFIX on $DISPLAY"
fi
