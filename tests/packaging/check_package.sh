#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build tree and checks it as Debian would:
# the menu entry, the AppStream metadata and the package itself through their
# validators and its binary through Debian's hardening check, then the package
# unpacked into a scratch root and its game played under Xvfb.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
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

echo "== hardening-check"
# Its status counts every line; the lines are judged one by one below.
hardening-check --verbose "$root/usr/games/zapgrid" >"$scratch/hardening" || true
cat "$scratch/hardening"
for line in "Position Independent Executable" "Stack protected" "Read-only relocations" \
    "Immediate binding"; do
    grep -q "^ $line: yes" "$scratch/hardening" || fail "not hardened: $line"
done
# The check sees the rest only where there is something to protect: no
# function of ours has a frame beyond a page (stack clash), Debian 12's C
# library startup files carry no CET note, so the linked program cannot
# (control flow), and the fortifiable calls are memcpy and memmove, of sizes
# only known at run time (fortify). That they are built in, every unit of ours
# says: its compiler options, and its CET note.
grep -q "^ Fortify Source functions: yes" "$scratch/hardening" ||
    [ "$(sed -n 's/^\tunprotected: //p' "$scratch/hardening" | grep -vx -e memcpy -e memmove)" = "" ] ||
    fail "fortifiable calls left unprotected"
producers=$(readelf --debug-dump=info "$build/app/zapgrid" | grep -a 'DW_AT_producer.*GNU C++')
for option in -fstack-protector-strong -fstack-clash-protection -fcf-protection=full; do
    ! grep -qv -- "$option" <<<"$producers" || fail "a unit is built without $option"
done
# Each library apart: two of them have a dialogs.cpp.o.
for archive in "$build"/rules/librules.a "$build"/runtime/libruntime.a \
    "$build"/runtime/qt/libruntime_qt.a "$build"/window/libwindow.a; do
    mkdir -p "$scratch/units/$(basename "$archive")"
    (cd "$scratch/units/$(basename "$archive")" && ar x "$archive")
done
for object in "$scratch"/units/*/*.o $(find "$build/app/CMakeFiles/zapgrid.dir" -name '*.o'); do
    readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK' || fail "$object has no CET note"
done
echo "ok: hardened, and all $(wc -l <<<"$producers") units built so"

echo "== the installed game"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$app.svg" ]
"$here/../blackbox/play_under_xvfb.sh" "$root/usr/games/zapgrid"
