#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the site in WebKitGTK (play_in_webkit.js) on a private X server, in
# a private D-Bus session with the accessibility bus, over which the play
# reads what WebKit gives a screen reader.
# Usage: webkit_session.sh SITE_FOLDER SERVER_SCRIPT
set -euo pipefail
if [ "${ZAPGRID_OWN_BUS:-}" != 1 ]; then
    XDG_RUNTIME_DIR=$(mktemp -d) ZAPGRID_OWN_BUS=1 exec dbus-run-session -- "$0" "$@" \
        2> >(grep -v 'fd limit\|Activating service\|Successfully activated\|SpiRegistry' >&2)
fi
session_runtime=$XDG_RUNTIME_DIR
here=$(cd "$(dirname "$0")" && pwd)
export PYTHONDONTWRITEBYTECODE=1
source "$here/../lib/xvfb.sh"
trap 'kill ${xvfb_pid:-} 2>/dev/null || true; rm -rf "$session_runtime"' EXIT
start_xvfb 1024x768
node "$here/play_in_webkit.js" "$@"
