#!/usr/bin/env bash
# The built program in a private X server, driven by real input: the three start-up boxes answered
# with Return, the window's size, a drag of the bin, and Esc ending the program. As under xvfb-run,
# there is no session bus: the program must not start one (nor any other process).
# usage: real_x_test.sh PROGRAM SCREENSHOT_DIR
set -u
program=$1
shots=$2
mkdir -p "$shots"

fail() { echo "FAIL: $*"; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/private_x.sh"
start_private_x
start_window_manager
program_pid=""
standins=$(mktemp -d)
cleanup() { kill $program_pid $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$standins"; }
trap cleanup EXIT

# A stand-in for the bus launcher, first on PATH, that notes any call.
printf '#!/bin/sh\necho "$0 $*" >> %s/called\nexit 1\n' "$standins" >"$standins/dbus-launch"
chmod +x "$standins/dbus-launch"
env -u DBUS_SESSION_BUS_ADDRESS PATH="$standins:$PATH" "$program" >/dev/null 2>&1 &
program_pid=$!

window=$(pass_start_boxes) || exit 1
[ -e "$standins/called" ] && fail "the program called the bus launcher: $(cat "$standins/called")"
children=$(pgrep -P $program_pid)
[ -z "$children" ] || fail "the program started other processes: $(ps -o pid=,args= -p "$children")"
geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "638x419" ] || fail "client area is $geometry, not 638x419"
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 0.3
import -window root "$shots/start.png" || fail "no screenshot"

# Drag the bin (its middle at 111, 301 in the window) some way up and to the right, then let go.
xdotool mousemove $((X + 111)) $((Y + 301)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((X + 111 + step * 20)) $((Y + 301 - step * 10)); sleep 0.05; done
import -window root "$shots/dragging-the-bin.png"
xdotool mouseup 1
sleep 0.3
kill -0 $program_pid 2>/dev/null || fail "the program ended after the drag"
[ -z "$(xdotool search --onlyvisible --name '^vesmol$' 2>/dev/null)" ] || fail "the drag opened a box"

xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key Escape
for _ in $(seq 60); do kill -0 $program_pid 2>/dev/null || break; sleep 0.05; done
kill -0 $program_pid 2>/dev/null && fail "Esc did not end the program"
wait $program_pid
status=$?
program_pid=""
[ $status -eq 0 ] || fail "the program ended with status $status"
echo "ok: boxes, window, drag and Esc; screenshots in $shots"
