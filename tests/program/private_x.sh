# An X server of the script's own, for the scripts that drive the built program on one.
# shellcheck shell=bash

# start_private_x: starts Xvfb on a free display, exports DISPLAY and sets `xvfb` to its process;
# calls the script's own `fail` when no display is free or the server does not come up.
start_private_x() {
    local n free=""
    for n in $(seq 120 170); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { free=$n; break; }
    done
    [ -n "$free" ] || fail "no free X display"
    Xvfb :$free -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=:$free
    for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$free ] && return 0; sleep 0.05; done
    fail "Xvfb did not start on :$free"
}
