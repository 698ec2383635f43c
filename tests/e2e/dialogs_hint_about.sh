#!/usr/bin/env bash
# The help submenu with a real pointer: Open Hint... shows the hint strip
# 18 pixels above the strip, and it goes along when the strip is dragged;
# About... opens the about box, and its OK button closes it.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
geometry_of() { # WINDOW: sets X, Y, WIDTH, HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
}
visible_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
strip_at() { geometry_of "$wid"; [[ $X -eq $1 && $Y -eq $2 ]]; }
hint_at() {
    local h; h=$(visible_named '^TabdeckV10 Hint$'); [[ -n $h ]] || return 1
    geometry_of "$h"; [[ $X -eq $1 && $Y -eq $2 && $WIDTH -eq 622 && $HEIGHT -eq 19 ]]
}
about_shown() { [[ -n $(visible_named '^About Fernhollow Freeware Software$') ]]; }
about_gone() { ! about_shown; }
# Right click on button 1 of a strip at LEFT, then Help (the ninth item) and
# the Nth item of the help submenu (1 Open Hint..., 2 About...).
help_item() { # LEFT N
    xdotool mousemove $(($1 + 70)) 320
    xdotool mousemove $(($1 + 77)) 326
    sleep 0.3
    xdotool click 3
    sleep 0.6
    xdotool key --delay 80 Down Down Down Down Down Down Down Down Down Right
    sleep 0.3
    for ((i = 1; i < $2; i++)); do xdotool key Down; done
    xdotool key Return
}

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"

# No window manager, as for the strip's own placement tests.
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
pids+=($!)
strip_pid=$!
wid=$(xdotool search --sync --onlyvisible --name '^TabdeckV10$' | head -1)
[[ -n $wid ]] || fail "no strip window"
wait_for 10 strip_at 200 300 || fail "strip not at POS (200,300): $X,$Y"

help_item 200 1
wait_for 10 hint_at 200 282 || fail "Open Hint... did not show the hint strip at (200,282)"
echo "hint strip at 200,282"

# Drag the move handle 100 pixels right: the hint strip follows.
drag_move_handle 225 330 100
wait_for 5 strip_at 300 300 || fail "the drag did not move the strip to 300: $X,$Y"
wait_for 5 hint_at 300 282 || fail "the hint strip did not follow the strip to (300,282)"
echo "hint strip followed to 300,282"

help_item 300 2
wait_for 10 about_shown || fail "About... did not open the about box"
box=$(visible_named '^About Fernhollow Freeware Software$')
geometry_of "$box"
# OK sits at (111, 200), 75 x 25, in the box's client area.
xdotool mousemove $((X + 148)) $((Y + 212))
sleep 0.3
xdotool click 1
wait_for 10 about_gone || fail "OK did not close the about box"
kill -0 "$strip_pid" || fail "the program ended"
echo "about box opened and closed"
echo "PASS"
