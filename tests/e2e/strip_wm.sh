#!/usr/bin/env bash
# The strip as a user meets it under a window manager. Under openbox and
# icewm: hiding puts the strip at x = -611 (the visible end reserves its 11
# pixels with _NET_WM_STRUT(_PARTIAL), which the window manager exempts from
# keeping windows on screen), the strip stays kept above with Stay On Top,
# and touching the red end brings it back with the struts gone. Under
# openbox also: a tooltip over the strip while another window is active; a
# drag source that proposes Move sees Copy; "/" is refused and writes
# nothing; boxes have exact captions and take Return without a click, also
# at start-up; the door ends the process within 300 ms.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
entry=$work/app.desktop
printf '[Desktop Entry]\nType=Application\nName=App\nExec=/bin/true\n' >"$entry"

at() { # X Y
    local w; w=$(strip_wid) || return 1
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [[ $X -eq $1 && $Y -eq $2 ]]
}
struts() { xprop -id "$(strip_wid)" _NET_WM_STRUT _NET_WM_STRUT_PARTIAL 2>/dev/null || true; }
no_struts() { [[ $(struts | grep -c 'not found') -eq 2 ]]; }
above() { xprop -id "$(strip_wid)" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .; }
no_window_named() { ! window_named "$1" >/dev/null; }
gone() { ! kill -0 "$1" 2>/dev/null; }
start_strip() {
    "$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
    strip_pid=$!
    pids+=($strip_pid)
}
notice() { # a window of that title besides the strip
    local w s; s=$(strip_wid) || return 1
    for w in $(xdotool search --onlyvisible --name '^TabdeckV10$' 2>/dev/null); do
        [[ $w == "$s" ]] || return 0
    done
    return 1
}
no_notice() { ! notice; }
hover() { xdotool mousemove $(($1 - 2)) $(($2 - 2)); xdotool mousemove "$1" "$2"; sleep 0.3; }

for wm in openbox icewm; do
    command -v $wm >/dev/null || fail "$wm is not installed"
    if [[ $wm == openbox ]]; then openbox --sm-disable >/dev/null 2>&1 & else icewm >/dev/null 2>&1 & fi
    wm_pid=$!
    pids+=($wm_pid)
    sleep 1
    printf '[BUTTON]\r\n1=%s\r\n[ICON]\r\n1=%s\r\n[STYLE]\r\nOnTop=True\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' \
        "$entry" "$entry" >"$prog/TabdeckV10.INI"
    start_strip
    wait_for 10 at 200 300 || fail "$wm: strip not at POS (200,300)"

    # The hide bar is at strip x 614..619.
    hover 817 330
    xdotool click 1
    wait_for 5 at -611 300 || fail "$wm: hiding left the strip at $X,$Y, not -611"
    struts | grep -q '_NET_WM_STRUT_PARTIAL(CARDINAL) = 11, 0, 0, 0, 300, 350, 0, 0, 0, 0, 0, 0' ||
        fail "$wm: no strut for the visible end: $(struts)"
    above || fail "$wm: the hidden strip is no longer kept above"
    echo "$wm: hidden at -611 with $(struts | tr '\n' ' ')"
    hover 6 322
    wait_for 5 at 200 300 || fail "$wm: the red end did not bring the strip back: $X,$Y"
    wait_for 5 no_struts || fail "$wm: struts left after the return: $(struts)"
    above || fail "$wm: the returned strip is no longer kept above"
    echo "$wm: back at POS, struts cleared, still above"
    [[ $wm == openbox ]] || { kill "$strip_pid"; kill "$wm_pid"; break; }

    # Another window is active; the pointer rests on button 1 (strip x 59..95).
    start_drag_source "$entry"
    [[ $(xdotool getactivewindow) != "$(strip_wid)" ]] || fail "the strip is still the active window"
    before=$(xdotool search --onlyvisible --class TabdeckV10 | wc -l)
    hover 277 326
    more_windows() { [[ $(xdotool search --onlyvisible --class TabdeckV10 | wc -l) -gt $before ]]; }
    wait_for 5 more_windows || fail "no tooltip over the inactive strip"
    echo "tooltip over the inactive strip"

    # A source that proposes Move (Shift held) sees a copy; button 2 (x 301..337).
    kill "$drag_pid" 2>/dev/null || true
    drag_opts=--move start_drag_source "$entry"
    hover 320 326
    drag_to_strip
    wait_for 10 ini_is BUTTON 2 "$entry" || fail "the Move-proposing drop did not fill button 2"
    wait_for 5 test -s "$work/drag.out" || fail "the drag source did not finish"
    [[ $(cat "$work/drag.out") == copy ]] || fail "the source saw '$(cat "$work/drag.out")', not copy"
    # The notice takes Return without being clicked first.
    wait_for 5 notice || fail "no notice after the drop"
    sleep 0.3
    xdotool key Return
    wait_for 5 no_notice || fail "the notice did not take Return"
    echo "move proposed, copy taken; the notice took Return"

    # "/" onto button 3 (x 344..380): refused, nothing written, no notice.
    wait "$drag_pid" 2>/dev/null || true
    start_drag_source /
    hover 362 326
    drag_to_strip
    wait_for 5 test -s "$work/drag.out" || fail "the drag source of / did not finish"
    [[ $(cat "$work/drag.out") == ignore ]] || fail "dropping / was taken: $(cat "$work/drag.out")"
    sleep 0.5
    [[ -z $(ini_value BUTTON 3) ]] || fail "dropping / wrote BUTTON 3='$(ini_value BUTTON 3)'"
    notice && fail "dropping / showed a notice"
    echo "/ refused"

    # Delete on button 1: the box is captioned "Confirm" alone and takes Return.
    hover 277 326
    xdotool click 3
    sleep 0.6
    xdotool key --delay 80 Down Down Down Down Return
    wait_for 5 window_named Confirm >/dev/null || fail "no box captioned exactly Confirm"
    sleep 0.3
    xdotool key Return
    wait_for 5 ini_is BUTTON 1 "" || fail "Return did not answer the confirmation"
    echo "Confirm took Return"

    # The door (strip x 572..620, y 14..50) ends the process at once.
    hover 800 330
    t0=$(date +%s%N)
    xdotool click 1
    wait_for 5 gone "$strip_pid" || fail "the door did not end the program"
    ms=$((($(date +%s%N) - t0) / 1000000))
    [[ $ms -lt 300 ]] || fail "the process took $ms ms to end after the door"
    echo "door: process gone after $ms ms"

    # A box at start-up takes the keyboard too.
    printf '[POS]\r\nTop=abc\r\n' >"$prog/TabdeckV10.INI"
    start_strip
    wait_for 10 window_named TabdeckV10 >/dev/null || fail "no start-up box"
    sleep 0.5
    xdotool key Return
    wait_for 5 strip_wid >/dev/null || fail "no strip after the start-up box"
    only_strip() { [[ $(xdotool search --onlyvisible --name '^TabdeckV10$' | wc -l) -eq 1 ]]; }
    wait_for 5 only_strip || fail "the start-up box did not take Return"
    echo "start-up box took Return"
    kill "$strip_pid"
    kill "$wm_pid"
    wait "$wm_pid" 2>/dev/null || true
done
echo "PASS"
