#!/usr/bin/env bash
# The built program where no window can be opened: each time one line on stderr that names the
# display and how to run under a virtual one, and status 1 (never Qt's abort, status 134).
# usage: display_errors_test.sh PROGRAM
set -u
program=$1
failures=0

# A display number with no server behind it.
absent=""
for n in $(seq 200 260); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { absent=$n; break; }
done

# name | environment | words the line must hold
cases=(
    "no display at all|-u DISPLAY -u WAYLAND_DISPLAY|no display"
    "an X display with no server|-u WAYLAND_DISPLAY DISPLAY=:$absent|the X display :$absent"
    "an X display that is no name|-u WAYLAND_DISPLAY DISPLAY=nonsense|the X display nonsense"
    "a Wayland display that is not there|-u DISPLAY WAYLAND_DISPLAY=wayland-vesmol-absent|the Wayland display wayland-vesmol-absent"
)
for row in "${cases[@]}"; do
    IFS='|' read -r what environment words <<<"$row"
    # shellcheck disable=SC2086 # the environment column is a list of env arguments
    stderr=$(env -u QT_QPA_PLATFORM $environment "$program" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$stderr" | grep -c .)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [[ "$stderr" != *"$words"* ]] || [[ "$stderr" != *"xvfb-run -a"* ]]; then
        echo "FAIL: $what: status $status, $lines line(s) on stderr:"
        printf '%s\n' "$stderr" | sed 's/^/    /'
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "ok: ${#cases[@]} environments without a usable display"
exit $((failures > 0))
