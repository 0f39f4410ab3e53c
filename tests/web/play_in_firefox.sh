#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays the site in Firefox ESR on a private X server of its own.
# Usage: play_in_firefox.sh SITE_FOLDER SERVER_SCRIPT
set -euo pipefail
here=$(dirname "$0")
source "$here/../lib/xvfb.sh"
trap 'kill ${xvfb_pid:-} 2>/dev/null || true' EXIT
start_xvfb 1280x1024
node "$here/play_in_firefox.js" "$@"
