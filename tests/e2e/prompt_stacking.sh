#!/usr/bin/env bash
# A box asked for by a window that stays on top, under a real window manager
# (openbox): the e-mail window's Help > Send Mail Help box is stacked above
# the e-mail window, is what the pointer finds over the window, and its OK
# button takes a click. A box under the window looked like a frozen program.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

# The position of a window in the manager's stacking list, bottom first.
stack_index() {
    local i=0 w
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x'); do
        i=$((i + 1))
        if ((w == $1)); then echo $i; fi
    done
}

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
pids+=($!)
wait_for 20 window_up TabdeckV10 || fail "no strip"
sleep 0.5

open_email
xprop -id "$email" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "the E-mail window is not kept above"

# Help (the tool bar's fifth button) opens its menu; its first item is Send Mail Help.
xdotool mousemove $((ex + 420)) $((ey + 13))
sleep 0.2
xdotool click 1
sleep 0.5
xdotool key --delay 80 Down Return
wait_for 10 window_up 'E-mail Help' || fail "no 'E-mail Help' box"
box=$(box_wid 'E-mail Help')
sleep 0.5

b=$(stack_index "$box")
e=$(stack_index "$email")
[[ -n $b && -n $e ]] || fail "not in the stacking list: box '$b', window '$e'"
((b > e)) || fail "the box is stacked under the E-mail window ($b <= $e)"
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "window id" || fail "the box is not transient for a window"
echo "box stacked above the E-mail window ($b > $e)"

# The box lies over the e-mail window; the pointer over the box's middle
# finds the box (inside the manager's frame), and its OK button, bottom
# right, takes a click. Client origin from xwininfo: xdotool's is off by
# the frame.
bx=$(xwininfo -id "$box" | awk '/Absolute upper-left X/ {print $4}')
by=$(xwininfo -id "$box" | awk '/Absolute upper-left Y/ {print $4}')
bw=$(xwininfo -id "$box" | awk '/Width:/ {print $2}')
bh=$(xwininfo -id "$box" | awk '/Height:/ {print $2}')
xdotool mousemove $((bx + bw / 2)) $((by + bh / 2))
pointer_finds_box() {
    local under
    under=$(xdotool getmouselocation --shell | awk -F= '/WINDOW/ {print $2}')
    xwininfo -id "$under" -tree | grep -qi "$(printf '0x%x' "$box") "
}
wait_for 3 pointer_finds_box || fail "the pointer over the box does not find the box"
xdotool mousemove $((bx + bw - 52)) $((by + bh - 24))
sleep 0.2
xdotool click 1
wait_for 5 no_box 'E-mail Help' || fail "the box's OK button did not take a click"
echo "the box took a click on OK"
window_up E-mail || fail "the E-mail window went away"
echo "PASS"
