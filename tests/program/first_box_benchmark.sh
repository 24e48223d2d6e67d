#!/usr/bin/env bash
# How long the built program takes from its start to its first box on screen, beside a bare Qt program
# that only opens one QMessageBox: runs taken in turns under a private X server, medians compared.
# usage: first_box_benchmark.sh [RUNS] [BUILD_DIR]   (defaults: 25 runs of each, the project's build/)
set -euo pipefail
runs=${1:-25}
build=${2:-"$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build"}

fail() { echo "first_box_benchmark: $*" >&2; exit 1; }

[[ "$runs" =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a whole number above 0, not '$runs'"
ours=$build/vesmol
bare=$build/tests/vesmol_bare_message_box
timer=$build/tests/vesmol_first_map_timer
for program in "$ours" "$bare" "$timer"; do
    [ -x "$program" ] || fail "$program is missing; build it with:
  cmake --build $build --target vesmol vesmol_bare_message_box vesmol_first_map_timer"
done

xvfb=""
runtime=$(mktemp -d)
cleanup() { [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"; }
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/private_x.sh"
start_private_x

# Both alike: no window manager, no session bus, Qt's own choice of platform, and a runtime
# folder of their own as a desktop session gives (without one Qt warns on every start).
export XDG_RUNTIME_DIR=$runtime
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset QT_QPA_PLATFORM

# Warm-up, so that neither pays alone for the first reading of libraries and fonts from disk.
"$timer" "$bare" >/dev/null
"$timer" "$ours" >/dev/null

bare_times=()
our_times=()
for _ in $(seq "$runs"); do
    bare_times+=("$("$timer" "$bare")")
    our_times+=("$("$timer" "$ours")")
done

source "$(dirname "${BASH_SOURCE[0]}")/stats.sh"
read -r our_median our_min our_max < <(stats "${our_times[@]}")
read -r bare_median bare_min bare_max < <(stats "${bare_times[@]}")
ratio=$(ratio "$our_median" "$bare_median")
echo "first box, $runs runs each: vesmol median $our_median ms (min $our_min, max $our_max)," \
    "bare QMessageBox median $bare_median ms (min $bare_min, max $bare_max); ratio $ratio"
