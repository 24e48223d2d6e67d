#!/usr/bin/env bash
# The built program where no window can be opened: each time one line on stderr that names the
# display and how to run under a virtual one, with the packages for it, and status 1 (never Qt's
# abort, status 134). Qt's own options on the command line are not read.
# usage: display_errors_test.sh PROGRAM
set -u
program=$1
failures=0

# A display number with no server behind it.
absent=""
for n in $(seq 200 260); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { absent=$n; break; }
done

# name | environment | arguments | words the line must hold
cases=(
    "no display at all|-u DISPLAY -u WAYLAND_DISPLAY||no display"
    "an X display with no server|-u WAYLAND_DISPLAY DISPLAY=:$absent||cannot open the X display :$absent"
    "an X display that is no name|-u WAYLAND_DISPLAY DISPLAY=nonsense||cannot open the X display nonsense"
    "a Wayland display that is not there|-u DISPLAY WAYLAND_DISPLAY=wayland-vesmol-absent||cannot open the Wayland display wayland-vesmol-absent"
    "Qt's options on the command line|-u WAYLAND_DISPLAY DISPLAY=:$absent|-platform offscreen|cannot open the X display :$absent"
)
for row in "${cases[@]}"; do
    IFS='|' read -r what environment arguments words <<<"$row"
    # shellcheck disable=SC2086 # the environment and arguments columns are lists
    stderr=$(timeout 10 env -u QT_QPA_PLATFORM $environment "$program" $arguments 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$stderr" | grep -c .)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [[ "$stderr" != *"$words"* ]] \
        || [[ "$stderr" != *"xvfb-run -a"*"xvfb xauth"* ]]; then
        echo "FAIL: $what: status $status, $lines line(s) on stderr:"
        printf '%s\n' "$stderr" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "ok: ${#cases[@]} environments without a usable display"
exit $((failures > 0))
