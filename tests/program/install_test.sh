#!/usr/bin/env bash
# The program installed as a desktop program, into a prefix of the test's own with a space in it: one
# desktop entry that desktop-file-validate accepts, whose Exec and Icon name what was installed, the
# form's icon at 16 and 32 pixels and scalable, and the installed program, started as the entry says
# under a private X server, through its three boxes to its window (its pictures travel inside it),
# with the entry's name as its window class.
# usage: install_test.sh BUILD_DIR
set -u
build=$1

fail() { echo "FAIL: $*"; exit 1; }

scratch=$(mktemp -d)
prefix="$scratch/a prefix"
xvfb=""
program_pid=""
cleanup() { kill $program_pid $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT

log=$(cmake --install "$build" --prefix "$prefix" 2>&1) || fail "cmake --install: $log"

entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry: ${entries[*]}"
entry=${entries[0]}
name=$(basename "$entry" .desktop)
verdict=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $verdict"
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = "Cambio de vesmol" ] || fail "Name is '$(value Name)'"
[[ ";$(value Categories)" == *";Education;"* ]] || fail "Categories are '$(value Categories)'"
eval "started=($(value Exec))"
[ "${started[*]}" = "$prefix/bin/vesmol" ] || fail "Exec is '$(value Exec)', not the installed program"

icons="$prefix/share/icons/hicolor"
icon=$(value Icon)
for side in 16 32; do
    found=$(identify -format '%m %wx%h' "$icons/${side}x$side/apps/$icon.png" 2>&1)
    [ "$found" = "PNG ${side}x$side" ] || fail "the ${side}px icon $icon.png is '$found'"
done
[ -f "$icons/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"

source "$(dirname "${BASH_SOURCE[0]}")/private_x.sh"
start_private_x
"${started[@]}" >/dev/null 2>&1 &
program_pid=$!

window=$(pass_start_boxes) || fail "the installed program did not show its window"
kill -0 $program_pid 2>/dev/null || fail "the installed program ended"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[ "$class" = "$name" ] && [ "$(value StartupWMClass)" = "$name" ] \
    || fail "window class '$class', StartupWMClass '$(value StartupWMClass)', entry $name.desktop"
echo "ok: $name.desktop, icons at 16, 32 and scalable, the installed program's window of class $class"
