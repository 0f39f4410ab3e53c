# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the Windows build under Wine.

# Quiet, and kept off the host: no Wine debug chatter, no menu entries for
# what is installed in a prefix, no offer to fetch .NET or a browser engine.
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)

# Makes the prefix $WINEPREFIX and leaves its server running, so that the
# programs started next, side by side or not, find it up. With "desktop", its
# windows open inside one virtual desktop window, which Wine makes and maps
# many times faster than one X window each.
start_wine() {
    mkdir -p "$WINEPREFIX"
    wineserver -p >/dev/null 2>&1
    wineboot -i >/dev/null 2>&1
    if [ "${1:-}" = desktop ]; then
        "$wine64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
        # wineboot has already made a plain desktop; the virtual one replaces
        # it as the server starts afresh. It is made at once and waited for:
        # the first programs that race to make it can hang.
        wineserver -k
        wineserver -w
        wineserver -p >/dev/null 2>&1
        "$wine64" explorer /desktop=Default,1024x768 >/dev/null 2>&1 &
        timeout 30 xdotool search --sync --name 'Wine desktop' >/dev/null
    fi
}
