#!/usr/bin/env bash
# The strip's buttons with a real pointer: a press launches the button's
# target; hide mode on leaves the strip at x = -611 and touching its red end
# brings it back; dragging the move handle moves the window and POS; a file
# dragged from another X client fills the selected button; hide mode off
# ends the program after the launch.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
geometry() { # sets X and Y of the strip window
    eval "$(xdotool getwindowgeometry --shell "$wid")"
}
at() { geometry; [[ $X -eq $1 && $Y -eq $2 ]]; }
at_x() { geometry; [[ $X -eq $1 ]]; }

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
cat >"$prog/target.sh" <<'SH'
#!/bin/sh
date +%s%N > "$(dirname "$0")/launched"
SH
chmod +x "$prog/target.sh"
printf '[BUTTON]\r\n1=%s\r\n[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' \
    "$prog/target.sh" >"$prog/TabdeckV10.INI"

# No window manager: the X server alone takes the strip's own placement.
# (Openbox keeps part of every window on screen and would not let the
# strip reach x = -611.)

start_strip() {
    "$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
    strip_pid=$!
    pids+=($strip_pid)
    wid=$(xdotool search --sync --onlyvisible --name '^TabdeckV10$' | head -1)
    [[ -n $wid ]] || fail "no strip window"
}

# --- run 1: hide mode on ---------------------------------------------------
start_strip
wait_for 10 at 200 300 || fail "strip not at POS (200,300): $X,$Y"

# Button 1 sits at x 51+8, y 8 of the strip, 36 x 36.
xdotool mousemove 270 320
xdotool mousemove 277 326
sleep 0.3
xdotool click 1
wait_for 10 test -s "$prog/launched" || fail "pressing button 1 did not start its target"
echo "launched"
wait_for 5 at_x -611 || fail "strip not hidden at -611: X=$X"
echo "hidden at -611"

# The red end of the hide bar is at screen x 3..8 while hidden.
xdotool mousemove 5 310
xdotool mousemove 6 312
wait_for 5 at 200 300 || fail "touching the red end did not bring the strip back: $X,$Y"
echo "returned to POS"

# Drag the move handle (x 1..49, y 14..49 of the strip) 100 pixels right.
xdotool mousemove 400 600
sleep 0.2
drag_move_handle 225 330 100
wait_for 5 at 300 300 || fail "dragging by 100 did not move the strip to 300: $X,$Y"
wait_for 5 ini_is POS Left 300 || fail "POS Left is $(ini_value POS Left), not 300"
[[ $(ini_value POS Top) == 300 ]] || fail "POS Top changed to $(ini_value POS Top)"
echo "dragged by 100, POS Left=300"

# A drop from another X client fills the selected button (the one the
# pointer crossed last: button 2), not the button under the drop point.
entry=$work/app.desktop
printf '[Desktop Entry]\nType=Application\nName=App\nExec=/bin/true\n' >"$entry"
start_drag_source "$entry" "$work/second.txt"
# Button 2: slot x 50 of the table at strip x 300 + 51.
xdotool mousemove 410 320
xdotool mousemove 412 322
sleep 0.2
drag_to_strip
wait_for 10 ini_is BUTTON 2 "$entry" || fail "the drop did not fill button 2: '$(ini_value BUTTON 2)'"
[[ $(ini_value ICON 2) == "$entry" ]] || fail "ICON 2 is '$(ini_value ICON 2)'"
[[ -z $(ini_value BUTTON 5) ]] || fail "the button under the drop point was filled"
wait_for 5 test -s "$work/drag.out" || fail "the drag source did not finish"
echo "dropped onto button 2 ($(cat "$work/drag.out"))"
kill "$strip_pid"
wait "$strip_pid" 2>/dev/null || true

# --- run 2: hide mode off: the program ends after the launch -----------------
rm -f "$prog/launched"
printf '[BUTTON]\r\n1=%s\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' "$prog/target.sh" >"$prog/TabdeckV10.INI"
start_strip
wait_for 10 at 200 300 || fail "strip not at POS (200,300): $X,$Y"
xdotool mousemove 270 320
xdotool mousemove 277 326
sleep 0.3
xdotool click 1
wait_for 10 test -s "$prog/launched" || fail "pressing button 1 did not start its target (run 2)"
wait_for 10 bash -c "! kill -0 $strip_pid 2>/dev/null" || fail "the program did not end with hide mode off"
echo "closed after the launch"
echo "PASS"
