#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree and checks it as Debian would:
# the menu entry, the AppStream metadata and the package itself through their
# validators, then the package unpacked into a scratch root and its game
# played under Xvfb.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/zapgrid_*.deb)
echo "== $(basename "$deb")"
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Recommends\|Section\):/\1:/p'

root=$scratch/root
dpkg-deb -x "$deb" "$root"
app=io.github.brevanno.zapgrid

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/$app.desktop"
echo "ok"

echo "== appstreamcli validate --no-net --pedantic"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app.metainfo.xml"

echo "== lintian"
# Root is what CI runs as; lintian says so and carries on.
lintian --fail-on error --info --pedantic "$deb" 2> >(grep -v 'root privileges' >&2)
echo "ok: no errors"

echo "== the installed game"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$app.svg" ]
"$here/../blackbox/play_under_xvfb.sh" "$root/usr/games/zapgrid"
