# SPDX-License-Identifier: MIT
# Sourced by the plays that Orca reads.

# Starts Orca with nothing of a user's: its settings and speech come from a
# scratch home, and every utterance goes to its debug log, which Orca
# flushes every 50 ms (a customization it loads at start-up) for the play to
# follow. Each line keeps the time it was written at. Needs the session's
# accessibility bus; sets orca (its pid), orca_home and orca_log.
# Usage: start_orca
start_orca() {
    ! pgrep -u "$(id -u)" -x orca >/dev/null ||
        { echo "FAIL: Orca already runs for this user, and Orca runs only once per user" >&2; return 1; }
    orca_home=$(mktemp -d) orca_log=$orca_home/orca-debug.log
    mkdir -p "$orca_home/.local/share/orca"
    printf '%s\n' 'from gi.repository import GLib' 'from orca import debug' \
        'GLib.timeout_add(50, lambda: debug.debugFile.flush() or True)' \
        >"$orca_home/.local/share/orca/orca-customizations.py"
    HOME=$orca_home XDG_RUNTIME_DIR=$orca_home orca --debug-file="$orca_log" >/dev/null 2>&1 &
    orca=$!
    for _ in $(seq 200); do
        grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$orca_log" && return 0
        sleep 0.1
    done
    echo "FAIL: Orca did not start" >&2
    return 1
}
