#!/usr/bin/env bash
# The built program under a private X server with a window manager, driven by real input where the
# pointer is not simply over the window: a drop over another program's window that covers ours, a
# drop past the edge of a shrunk window, a drag whose release comes while the window is minimized,
# double-clicks whose two clicks fell on two things or had a box or another window between them, and
# a click on a label's caption where it shows over the truck. Some input is made while the program is
# held (stopped), so that it reads the events only afterwards, when the pointer is elsewhere already,
# as a busy machine or a slow display makes it do by chance. What the learner would see is read off
# the window's pixels.
# usage: pointer_edges_test.sh PROGRAM COVER_WINDOW_PROGRAM SCREENSHOT_DIR
set -u
program=$1
cover_program=$2
shots=$3
mkdir -p "$shots"

fail() { echo "FAIL: $*"; import -window root "$shots/failed.png" 2>/dev/null; exit 1; }

source "$(dirname "${BASH_SOURCE[0]}")/private_x.sh"
start_private_x
start_window_manager
program_pid=""
cover_pid=""
cleanup() { kill $cover_pid $program_pid $wm $xvfb 2>/dev/null; wait 2>/dev/null; }
trap cleanup EXIT

"$program" >/dev/null 2>&1 &
program_pid=$!
window=$(pass_start_boxes) || exit 1
sleep 0.3

# Places in the window, in pixels (the design's twips over 15).
bin="111 301"                  # the waste bin's middle: a drag from it drops on whatever it is let go on
storage_box_1="12 276"         # a drop there shows the empty pail; a double-click there ends the run
pail_place="316 272"           # where the pail's place lies (296, 248, 41 x 49), shown with the empty pail
over_truck="250 150"
empty_pail_area="584 288 41 49"
hood_area="152 24 160 109"
simular="432 392"              # the middle of the Simular button
truck_area="150 50 200 200"

# area_looks AREA: a digest of the window's pixels there, as they show now.
area_looks() {
    local x y w h
    read -r x y w h <<<"$1"
    import -window "$window" "$shots/now.png" || fail "no screenshot"
    convert "$shots/now.png" -crop "${w}x${h}+${x}+${y}" +repage -format '%#' info:
}

# drag FROM TO: presses at FROM, moves to TO in steps, holding the button (the caller lets go).
drag() {
    local x0 y0 x1 y1
    read -r x0 y0 <<<"$1"
    read -r x1 y1 <<<"$2"
    xdotool mousemove --window "$window" "$x0" "$y0" mousedown 1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove --window "$window" $((x0 + (x1 - x0) * step / 6)) $((y0 + (y1 - y0) * step / 6))
        sleep 0.05
    done
}

let_go() { xdotool mouseup 1; sleep 0.4; }

# no_box_opens: no box has opened, and none does for a while.
no_box_opens() {
    sleep 0.5
    [ -z "$(xdotool search --onlyvisible --name '^vesmol$' 2>/dev/null)" ]
}

activate() { xdotool windowactivate "$window" >/dev/null 2>&1; sleep 0.3; }

# held XDOTOOL_ARGS...: the input made while the program is stopped; it reads all of it afterwards.
held() {
    sleep 0.3
    kill -STOP $program_pid
    xdotool "$@"
    sleep 0.2
    kill -CONT $program_pid
    sleep 0.5
}

# 1. Another window above ours covers storage box 1: a drop there lands on that window, not on the box.
read -r bx by <<<"$storage_box_1"
eval "$(xwininfo -id "$window" | sed -n 's/ *Absolute upper-left \([XY\]\): *\(-\?[0-9]*\)/origin_\1=\2/p')"
"$cover_program" $((origin_X - 10)) $((origin_Y + by - 14)) 50 30 >"$shots/cover.out" &
cover_pid=$!
for _ in $(seq 100); do grep -q mapped "$shots/cover.out" && break; sleep 0.05; done
grep -q mapped "$shots/cover.out" || fail "the covering window did not show"
pail_before=$(area_looks "$empty_pail_area")
drag "$bin" "$storage_box_1"
let_go
[ "$(area_looks "$empty_pail_area")" = "$pail_before" ] || fail "a drop over the window above storage box 1 reached the box: the empty pail shows"
# The same drop read late, when the pointer has come back onto the bin, on our window.
drag "$bin" "$storage_box_1"
held mouseup 1 mousemove --window "$window" $bin
[ "$(area_looks "$empty_pail_area")" = "$pail_before" ] || fail "a drop over the window above storage box 1, read once the pointer was back on ours, reached the box"
kill $cover_pid
wait $cover_pid 2>/dev/null
cover_pid=""
sleep 0.2
# Uncovered, let go on the box and read only once the pointer has gone off the window's left edge.
drag "$bin" "$storage_box_1"
held mouseup 1 mousemove $((origin_X - 30)) $((origin_Y + by))
[ "$(area_looks "$empty_pail_area")" != "$pail_before" ] || fail "the drop on storage box 1, read once the pointer had left, did not show the empty pail"

# 1b. A click on storage box 1, one on another program's window beside ours, one on the box again,
# 60 ms apart and read together: no double-click on the box, so no question to end the run.
"$cover_program" $((origin_X - 60)) $((origin_Y + by - 14)) 50 30 >"$shots/beside.out" &
cover_pid=$!
for _ in $(seq 100); do grep -q mapped "$shots/beside.out" && break; sleep 0.05; done
grep -q mapped "$shots/beside.out" || fail "the window beside ours did not show"
held mousemove --window "$window" $storage_box_1 click 1 sleep 0.06 mousemove $((origin_X - 35)) $((origin_Y + by)) \
    click 1 sleep 0.06 mousemove --window "$window" $storage_box_1 click 1
no_box_opens || fail "clicks on storage box 1 with one on another window between them made a double-click on the box"
kill $cover_pid
wait $cover_pid 2>/dev/null
cover_pid=""

# 2. The window shrunk to 250 pixels wide: a drop past its edge, where the pail's place would lie, is
# a drop on the desktop; widened again, the same drop places the pail and its box opens.
xdotool windowsize "$window" 250 419
sleep 0.4
drag "$bin" "$pail_place"
let_go
no_box_opens || fail "a drop past the edge of the shrunk window reached the pail's place"
xdotool windowsize "$window" 638 419
sleep 0.4
drag "$bin" "$pail_place"
let_go
box=$(window_named vesmol) || fail "the drop on the pail's place opened no box"
xdotool windowactivate --sync "$box" >/dev/null 2>&1
xdotool key Return
box_closes "$box" || fail "the pail's box did not close"
activate

# 3. A drag over the truck, the window minimized while the button is held, the button let go, the
# window restored and the pointer moved: the outline is gone.
scene=$(area_looks "$truck_area")
drag "$bin" "$over_truck"
[ "$(area_looks "$truck_area")" != "$scene" ] || fail "no outline while dragging over the truck"
xdotool windowminimize --sync "$window"
sleep 0.3
let_go
activate
read -r tx ty <<<"$over_truck"
xdotool mousemove --window "$window" $((tx + 10)) $((ty + 10))
sleep 0.1
xdotool mousemove --window "$window" $((tx + 20)) $((ty + 20))
sleep 0.3
[ "$(area_looks "$truck_area")" = "$scene" ] || fail "the drag's outline stayed after its release was lost"

# 4. A click on the label above storage box 1, then one on the box four pixels below within the
# double-click time: no double-click on the box, so the run does not end.
xdotool mousemove --window "$window" "$bx" 260 click 1 mousemove --window "$window" "$bx" 264 click 1
no_box_opens || fail "clicks on the label and on storage box 1 made a double-click on the box"

# 5. A click on the end of "Guardar Las Cosas", where the label's caption shows over the truck, is a
# click on the label: the hood stays shut.
hood=$(area_looks "$hood_area")
xdotool mousemove --window "$window" 100 254 click 1
sleep 0.4
[ "$(area_looks "$hood_area")" = "$hood" ] || fail "a click on the label's caption reached the truck behind it"

# 6. Simular clicked, its box closed with Return and Simular clicked again at once, within the
# double-click time: the second press fell on the same button as the first, but a box came between,
# so it is a click and the box opens again. The box opens away from the pointer, which so stays on
# the window all along.
activate
xdotool mousemove --window "$window" $simular click 1
box=$(window_named vesmol) || fail "Simular opened no box"
xdotool windowactivate --sync "$box" >/dev/null 2>&1
xdotool key Return click 1
box_closes "$box" || fail "Return did not close Simular's box"
box=$(window_named vesmol) || fail "the click on Simular right after its box was taken for a double-click: no box opened"
xdotool windowactivate --sync "$box" >/dev/null 2>&1
xdotool key Return
box_closes "$box" || fail "Return did not close Simular's second box"

activate
xdotool key Escape
for _ in $(seq 60); do kill -0 $program_pid 2>/dev/null || break; sleep 0.05; done
kill -0 $program_pid 2>/dev/null && fail "Esc did not end the program"
program_pid=""
echo "ok: drops under a covering window and past the window's edge, also read late, a lost release, double-clicks broken by another control, another window or a box, a label's whole caption"
