# An X server of the script's own, for the scripts that drive the built program on one; a window
# manager on it, and the program started there past its three start-up boxes.
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

# start_window_manager: openbox on the private display; sets `wm` to its process.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
}

# window_named NAME: waits until a visible window with exactly this name exists and prints its id.
window_named() {
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# box_closes ID: waits until the box with this id is no longer shown; fails quietly when it stays.
box_closes() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name '^vesmol$' 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.05
    done
    return 1
}

# pass_start_boxes: answers the program's three start-up boxes with Return, checking that its window
# waits for them, and prints the window's id once it shows (what fails is said on stderr, since the
# id is read from stdout).
pass_start_boxes() {
    local box
    for n in 1 2 3; do
        box=$(window_named vesmol) || fail "start-up box $n did not open" >&2
        xdotool search --onlyvisible --name "^Cambio de vesmol\$" >/dev/null 2>&1 && fail "the window showed before box $n was closed" >&2
        sleep 0.3
        # Without a window manager there is no activating, only the focus.
        xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus --sync "$box"
        xdotool key Return
        box_closes "$box"
    done
    window_named "Cambio de vesmol" || fail "the window did not open after the three boxes" >&2
}
