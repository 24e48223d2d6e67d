# An X server of the script's own, for the scripts that drive the built program on one.
# shellcheck shell=bash

# start_private_x: starts Xvfb on a display it finds free, exports DISPLAY once the server takes
# connections, and sets `xvfb` to its process; calls the script's own `fail` when it does not come up.
start_private_x() {
    local ready
    ready=$(mktemp)
    # Xvfb writes the display's number to fd 3 only when it is ready: no guessing, no race for a number.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 200); do [ -s "$ready" ] && break; sleep 0.05; done
    DISPLAY=:$(head -n 1 "$ready")
    rm -f "$ready"
    [ "$DISPLAY" != ":" ] || fail "Xvfb did not start"
    export DISPLAY
}
