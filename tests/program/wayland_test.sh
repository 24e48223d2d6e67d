#!/usr/bin/env bash
# The built program on a Wayland display alone (a headless compositor, no X server): it opens its
# first box there, naming its desktop entry; and where Qt has no Wayland plugin, one line says so and
# blames no display.
# usage: wayland_test.sh PROGRAM
set -u
program=$1

fail() { echo "FAIL: $*"; exit 1; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-vesmol-test
weston_pid=""
program_pid=""
cleanup() { kill $program_pid $weston_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"; }
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$runtime/$socket" ] && break; sleep 0.05; done
[ -S "$runtime/$socket" ] || fail "the compositor did not start: $(tail -n 3 "$runtime/weston.log")"

on_wayland() { env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket "$@"; }

# The client's side of the protocol shows the first box: a window titled "vesmol" given a picture.
on_wayland WAYLAND_DEBUG=client "$program" >/dev/null 2>"$runtime/protocol" &
program_pid=$!
for _ in $(seq 200); do
    grep -q 'set_title("vesmol")' "$runtime/protocol" && grep -q '\.attach(wl_buffer' "$runtime/protocol" && break
    kill -0 $program_pid 2>/dev/null || break
    sleep 0.05
done
kill -0 $program_pid 2>/dev/null || fail "the program ended on the Wayland display: $(grep -v '^\[' "$runtime/protocol" | head -n 3)"
grep -q 'set_title("vesmol")' "$runtime/protocol" || fail "no box titled vesmol on the Wayland display"
grep -q '\.attach(wl_buffer' "$runtime/protocol" || fail "the box was never drawn"
# Wayland desktops take the window's icon from the desktop entry that its application id names.
grep -q 'set_app_id("vesmol")' "$runtime/protocol" || fail "the box's application id does not name vesmol.desktop"
kill $program_pid
wait $program_pid 2>/dev/null
program_pid=""

# The same program where Qt finds no platform plugin at all, as without qt6-wayland.
mkdir -p "$runtime/bare/plugins"
cp "$program" "$runtime/bare/"
printf '[Paths]\nPlugins = plugins\n' >"$runtime/bare/qt.conf"
stderr=$(on_wayland "$runtime/bare/$(basename "$program")" 2>&1 >/dev/null)
status=$?
lines=$(printf '%s\n' "$stderr" | grep -c .)
if [ $status -ne 1 ] || [ "$lines" -ne 1 ] || [[ "$stderr" != *"Qt has no plugin for the Wayland display $socket (Debian package qt6-wayland)"* ]] \
    || [[ "$stderr" == *"cannot open"* ]]; then
    fail "without the plugin: status $status, $lines line(s): $stderr"
fi
echo "ok: the first box on a Wayland display, and one line where Qt has no plugin for it"
