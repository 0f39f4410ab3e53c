# SPDX-License-Identifier: MIT
# Sourced by the scripts that run the game on a real X server.

# Starts a private X server on a display it picks itself, so that scripts
# running side by side never share one; exports DISPLAY and sets xvfb_pid.
# Usage: start_xvfb [WIDTHxHEIGHT]
start_xvfb() {
    local number_file
    number_file=$(mktemp)
    # -noreset: by default the server resets as its last client leaves, and
    # a client connecting just then is refused.
    Xvfb -displayfd 3 -screen 0 "${1:-800x600}x24" -nolisten tcp -noreset 3>"$number_file" \
        2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=:$(cat "$number_file")
            rm -f "$number_file"
            return 0
        fi
        sleep 0.1
    done
    rm -f "$number_file"
    echo "FAIL: Xvfb did not start" >&2
    return 1
}
