#!/usr/bin/env bash
# The program installed as a desktop program, into a prefix of the test's own with a space in it: one
# desktop entry that desktop-file-validate accepts, whose Exec and Icon name what was installed, the
# form's icon at 16 and 32 pixels and scalable, and the installed program, stripped, started as the
# entry says under a private X server, through its three boxes to its window (its pictures travel
# inside it), with the entry's name as its window class, and the system's Qt though a library of the
# same name lies beside it. Prefixes the desktop's launchers could not start are refused before
# anything is made; an absolute bin folder is named as it stands; a staged install (DESTDIR) names
# the prefix alone.
# usage: install_test.sh BUILD_DIR
set -u
build=$1
sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

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

installed="$prefix/bin/vesmol"
debug=$(readelf -S --wide "$installed" | grep -E '\.debug_|\.symtab')
[ -z "$debug" ] || fail "the installed program is not stripped: $debug"

# Refused as given, with a line naming the character, before any folder is made.
mkdir "$scratch/refused"
for character in '\' '%'; do
    log=$(cmake --install "$build" --prefix "$scratch/refused/a${character}b" 2>&1) && fail "a prefix with $character was taken"
    grep -F "($character)" <<<"$log" | grep -q 'cannot install to' || fail "the refusal of a prefix with $character does not name it: $log"
    [ -z "$(ls -A "$scratch/refused")" ] || fail "the refused prefix with $character made $(ls -A "$scratch/refused")"
done

# Staged as packagers do: the files under DESTDIR, the entry naming the prefix alone; an absolute bin
# folder stands as it is, not below the prefix.
stage="$scratch/stage"
log=$(DESTDIR=$stage cmake --install "$build" --prefix /usr 2>&1) || fail "cmake --install with DESTDIR: $log"
[ -x "$stage/usr/bin/vesmol" ] || fail "DESTDIR: no $stage/usr/bin/vesmol"
grep -qx 'Exec=/usr/bin/vesmol' "$stage/usr/share/applications/$name.desktop" \
    || fail "DESTDIR: $(grep Exec= "$stage/usr/share/applications/$name.desktop")"
DESTDIR=$stage cmake -D template="$sources/install/vesmol.desktop.in" -D entry_file="$scratch/opt.desktop" \
    -D entry="$name" -D program=/opt/vesmol/bin/vesmol -D CMAKE_INSTALL_PREFIX=/usr \
    -P "$sources/install/write_desktop_entry.cmake" || fail "no entry for an absolute bin folder"
grep -qx 'Exec=/opt/vesmol/bin/vesmol' "$scratch/opt.desktop" || fail "absolute bin folder: $(grep Exec= "$scratch/opt.desktop")"

# A library of the system's name beside the installed program, where a program with its own library
# path would take it instead of the system's.
mkdir -p "$prefix/lib"
: >"$prefix/lib/libQt6Svg.so.6"

source "$(dirname "${BASH_SOURCE[0]}")/private_x.sh"
start_private_x
"${started[@]}" >/dev/null 2>&1 &
program_pid=$!

window=$(pass_start_boxes) || fail "the installed program did not show its window"
sleep 0.5
kill -0 $program_pid 2>/dev/null || fail "the installed program ended"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[ "$class" = "$name" ] && [ "$(value StartupWMClass)" = "$name" ] \
    || fail "window class '$class', StartupWMClass '$(value StartupWMClass)', entry $name.desktop"
echo "ok: $name.desktop, icons at 16, 32 and scalable, the installed program stripped, of window class $class" \
    "and with the system's Qt; bad prefixes refused, DESTDIR and an absolute bin folder named right"
