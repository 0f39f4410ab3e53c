#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows installer and ZIP from a build tree and checks them as a
# Windows user would meet them, under Wine: the ZIP holds the game and what it
# loads, stripped; the installer, run silently into a scratch prefix, lays out
# the same files with a Start-menu entry and a registered uninstaller; the
# installed game plays as on Linux; the uninstaller leaves nothing behind.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
source "$here/../lib/xvfb.sh"
source "$here/wine.sh"
export WINEPREFIX=$scratch/prefix
trap 'wineserver -k 2>/dev/null || true; kill ${xvfb_pid:-} 2>/dev/null || true
      rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G "NSIS;ZIP" -B "$scratch/out" >/dev/null)
installer=$(ls "$scratch"/out/zapgrid-*-win64.exe)
zip=$(ls "$scratch"/out/zapgrid-*-win64.zip)
ls -l "$installer" "$zip" | awk '{print $5, $NF}'

echo "== the ZIP"
unzip -q "$zip" -d "$scratch/zip"
unpacked=$(ls -d "$scratch"/zip/*/)
listing() { (cd "$1" && find . -type f | sort); }
listing "$unpacked"
expected=(./LICENSE.txt ./Qt6Core.dll ./Qt6Gui.dll ./Qt6Widgets.dll ./libgcc_s_seh-1.dll
    ./libssp-0.dll ./libstdc++-6.dll ./libwinpthread-1.dll ./platforms/qwindows.dll
    ./styles/qwindowsvistastyle.dll ./zapgrid.exe)
[ "$(listing "$unpacked")" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
    fail "the ZIP does not hold exactly the game and what it loads"
for binary in $(cd "$unpacked" && find . -name '*.exe' -o -name '*.dll'); do
    ! x86_64-w64-mingw32-objdump -h "$unpacked/$binary" | grep -q '\.debug_' ||
        fail "$binary is not stripped"
done
# Resource types 3, 14 and 16: the icon's images, the icon, the version.
types=$(x86_64-w64-mingw32-objdump -p "$unpacked/zapgrid.exe" |
    sed -n 's/^[0-9a-f]*   Entry: ID: 0x0000\(03\|0e\|10\),.*/\1/p' | tr '\n' ' ')
[ "$types" = "03 0e 10 " ] || fail "zapgrid.exe has resources of types $types"
strings -el "$unpacked/zapgrid.exe" | grep -qx Zapgrid || fail "no product name in zapgrid.exe"
echo "ok: stripped, with its icon and version"
# Address-space randomisation with high entropy, no execution of data, and the
# stack protector (libssp's).
headers=$(x86_64-w64-mingw32-objdump -p "$unpacked/zapgrid.exe")
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    grep -q "^\s*$flag$" <<<"$headers" || fail "zapgrid.exe is not marked $flag"
done
grep -q '__stack_chk_fail' <<<"$headers" || fail "zapgrid.exe has no stack protector"
echo "ok: hardened: ASLR with high entropy, DEP, stack protector"

echo "== installed"
start_xvfb
start_wine
"$wine64" "$installer" /S
folder="$WINEPREFIX/drive_c/Program Files/Zapgrid"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zapgrid"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zapgrid'
[ "$(listing "$folder" | grep -v '^./Uninstall.exe$')" = "$(listing "$unpacked")" ] ||
    fail "the installer laid out other files than the ZIP holds"
[ -f "$menu/Zapgrid.lnk" ] || fail "no Start-menu entry"
"$wine64" reg query "$key" /v UninstallString | grep -q 'Uninstall.exe' ||
    fail "no uninstaller registered"
echo "ok: $folder, its Start-menu entry and its uninstaller"

echo "== the installed game"
wineserver -k
printf '#!/bin/sh\nexec "%s" "C:\\\\Program Files\\\\Zapgrid\\\\zapgrid.exe"\n' "$wine64" \
    >"$scratch/zapgrid"
chmod +x "$scratch/zapgrid"
"$here/../blackbox/play_under_xvfb.sh" "$scratch/zapgrid" openbox
wineserver -k

echo "== uninstalled"
# The uninstaller hands over to a copy of itself and returns: it is done when
# the server that it started on its own has nothing left to serve.
"$wine64" 'C:\Program Files\Zapgrid\Uninstall.exe' /S
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(listing "$folder" | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the Start-menu entry is left behind"
! "$wine64" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller is still registered"
echo "ok: no game files, Start-menu entry or registration left"
