#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command of Wine's in the prefix and on the X server that
# wine_session.sh started in DIR: the Windows build's CTest emulator, before
# wine64 itself.
# Usage: on_wine_desktop.sh DIR WINE64 PROGRAM [ARGUMENTS...]
set -euo pipefail
dir=$1
shift
source "$(dirname "$0")/wine.sh"
DISPLAY=$(cat "$dir/display")
WINEPATH=$(cat "$dir/winepath")
export DISPLAY WINEPATH WINEPREFIX=$dir/prefix
exec "$@"
