#!/usr/bin/env bash
# How long from letting go of a drag on storage box 1 to the empty pail shown, over an X display far
# away (its traffic held back both ways, as over a thin client or ssh -X), for the built program and
# for the program as it was at an earlier commit, runs taken in turns, medians compared.
# usage: pointer_latency_benchmark.sh [DELAY_MS] [RUNS] [COMMIT] [BUILD_DIR]
#        (defaults: 20 ms each way, 5 runs of each, cf711df, the project's build/)
set -euo pipefail
delay=${1:-20}
runs=${2:-5}
commit=${3:-cf711df}
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${4:-"$top/build"}

fail() { echo "pointer_latency_benchmark: $*" >&2; exit 1; }

[[ "$delay" =~ ^[0-9]+$ ]] || fail "DELAY_MS must be a whole number, not '$delay'"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a whole number above 0, not '$runs'"
ours=$build/vesmol
proxy=$build/tests/vesmol_x_delay_proxy
timer=$build/tests/vesmol_drop_timer
for program in "$ours" "$proxy" "$timer"; do
    [ -x "$program" ] || fail "$program is missing; build it with:
  cmake --build $build --target vesmol vesmol_x_delay_proxy vesmol_drop_timer"
done

# The earlier program, built from its own checkout beside the project's build folders.
earlier_source=$top/build-benchmark/$commit
if [ ! -x "$earlier_source/build/vesmol" ]; then
    git -C "$top" rev-parse --verify --quiet "$commit^{commit}" >/dev/null || fail "no commit $commit"
    rm -rf "$earlier_source"
    git -C "$top" worktree prune
    git -C "$top" worktree add --detach "$earlier_source" "$commit" >/dev/null
    cmake -S "$earlier_source" -B "$earlier_source/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$earlier_source/build" --target vesmol >/dev/null
fi
earlier=$earlier_source/build/vesmol

xvfb=""
wm=""
proxy_pid=""
program_pid=""
scratch=$(mktemp -d)
cleanup() {
    kill $program_pid $proxy_pid $wm $xvfb 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
source "$top/tests/program/private_x.sh"
start_private_x
start_window_manager

"$proxy" "${DISPLAY#:}" "$delay" >"$scratch/proxy" &
proxy_pid=$!
for _ in $(seq 100); do [ -s "$scratch/proxy" ] && break; sleep 0.05; done
far_display=127.0.0.1:$(head -n 1 "$scratch/proxy")

# Both alike: no session bus, and pictures sent over the wire as to a display on another machine.
export XDG_RUNTIME_DIR=$scratch
export DBUS_SESSION_BUS_ADDRESS=disabled:
export QT_XCB_NO_MITSHM=1
unset QT_QPA_PLATFORM

# measure PROGRAM: one drag of the bin onto storage box 1, timed from its release to the empty pail.
measure() {
    DISPLAY=$far_display "$1" >/dev/null 2>&1 &
    program_pid=$!
    local window
    window=$(pass_start_boxes) || fail "the start-up boxes of $1 did not pass"
    sleep 1
    xdotool mousemove --window "$window" 111 301 mousedown 1
    sleep 0.5
    xdotool mousemove --window "$window" 60 290
    sleep 0.5
    xdotool mousemove --window "$window" 12 276
    # Every move read and answered before the release, however slowly the program does it.
    sleep 3
    "$timer" "$window" 584 288 41 49 || fail "no drop measured for $1"
    kill $program_pid
    wait $program_pid 2>/dev/null || true
    program_pid=""
}

our_times=()
earlier_times=()
for _ in $(seq "$runs"); do
    earlier_times+=("$(measure "$earlier")")
    our_times+=("$(measure "$ours")")
done

source "$(dirname "${BASH_SOURCE[0]}")/stats.sh"
read -r our_median our_min our_max < <(stats "${our_times[@]}")
read -r earlier_median earlier_min earlier_max < <(stats "${earlier_times[@]}")
ratio=$(ratio "$our_median" "$earlier_median")
echo "release to drop, $delay ms each way, $runs runs each: vesmol median $our_median ms" \
    "(min $our_min, max $our_max), at $commit median $earlier_median ms (min $earlier_min," \
    "max $earlier_max); ratio $ratio"
