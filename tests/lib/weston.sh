# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the game on a Wayland compositor.

# Starts Weston headless on a socket of its own in a fresh runtime folder,
# logging every protocol request to $weston_log; exports XDG_RUNTIME_DIR and
# WAYLAND_DISPLAY and sets weston_pid.
start_weston() {
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR WAYLAND_DISPLAY=zapgrid-test
    weston_log=$XDG_RUNTIME_DIR/weston.log
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --logger-scopes=log,proto --log="$weston_log" &
    weston_pid=$!
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && return 0
        sleep 0.1
    done
    echo "FAIL: Weston did not start" >&2
    return 1
}
