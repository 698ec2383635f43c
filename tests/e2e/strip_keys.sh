#!/usr/bin/env bash
# The strip from the keyboard alone, under openbox: once the strip is
# active, only key presses reach it. Ctrl+3 and the arrows select button 5
# of table 3, the Menu key opens its button menu; the document next to it,
# which the desktop refuses, gives a notice and the strip stays; Return on
# button 5 launches it; then
# typing part of a button's hint on table 7 lists it under the strip, and
# Return launches it.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
# Each target leaves its own mark.
for name in third-five zebra-notes; do
    printf '#!/bin/sh\ntouch "%s/%s.done"\n' "$work" "$name" >"$prog/$name.sh"
    chmod +x "$prog/$name.sh"
done
# A document the desktop has no application for: its opener says so.
printf 'plan\n' >"$prog/plan.zzz"
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "xdg-open: no method available for opening $1" >&2\nexit 3\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
# Button 29 is table 3's fifth, 30 its sixth; button 80 sits on table 7.
printf '[BUTTON]\r\n29=%s\r\n30=%s\r\n80=%s\r\n[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' \
    "$prog/third-five.sh" "$prog/plan.zzz" "$prog/zebra-notes.sh" >"$prog/TabdeckV10.INI"

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
strip_pid=$!
pids+=($strip_pid)
wait_for 10 strip_wid >/dev/null || fail "no strip; it said: $(cat "$work/strip.log")"
wid=$(strip_wid)
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$(strip_wid)" ]]; }
wait_for 5 active || fail "the strip did not become the active window"
# The table loader gives the buttons their hints after the show.
sleep 1

# A mapped window of the program, other than the strip, taller than MIN.
program_window() { # MIN
    local id h
    for id in $(xwininfo -root -tree | awk '/"TabdeckV10"|"Find a button"/ {print $1}'); do
        [[ $id == "$(printf '0x%x' "$wid")" ]] && continue
        xwininfo -id "$id" | grep -q IsViewable || continue
        h=$(xwininfo -id "$id" | awk '/Height:/ {print $2}')
        [[ $h -gt $1 ]] && return 0
    done
    return 1
}
menu_shown() { program_window 150; }
menu_gone() { ! menu_shown; }
find_list() { # the find list's window, when mapped
    local id
    for id in $(xwininfo -root -tree | awk '/"Find a button"/ {print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && echo "$id" && return 0
    done
    return 1
}
no_find_list() { ! find_list >/dev/null; }
done_mark() { [[ -e $work/$1.done ]]; }

xdotool key --delay 100 ctrl+3 Home Right Right Right Right
xdotool key Menu
wait_for 5 menu_shown || fail "the Menu key showed no button menu"
xdotool key Escape
wait_for 5 menu_gone || fail "Escape did not close the button menu"
xdotool key shift+F10
wait_for 5 menu_shown || fail "Shift+F10 showed no button menu"
xdotool key Escape
wait_for 5 menu_gone || fail "Escape did not close the button menu (Shift+F10)"
echo "button menu shown by Menu and by Shift+F10"

# The refused document: one notice, and the strip stays where it is.
notice() { # a window titled as the program besides the strip and its menus
    local w
    for w in $(xdotool search --onlyvisible --name '^TabdeckV10$' 2>/dev/null); do
        [[ $w == "$wid" ]] || return 0
    done
    return 1
}
no_notice() { ! notice; }
strip_x() { xwininfo -id "$wid" | awk '/Absolute upper-left X/ {print $4}'; }
xdotool key Right Return
wait_for 10 notice || fail "a refused document showed no notice"
[[ $(strip_x) -eq 200 ]] || fail "the strip moved to x=$(strip_x) after a refused launch"
xdotool key Return
wait_for 5 no_notice || fail "Return did not close the notice"
wait_for 5 active || fail "the strip did not get the keyboard back after the notice"
[[ $(strip_x) -eq 200 ]] || fail "the strip moved to x=$(strip_x) after the notice"
echo "a refused document gave a notice; the strip stayed"

! done_mark zebra-notes || fail "launched before any key asked for it"
xdotool key --delay 100 Home Right Right Right Right Return
wait_for 10 done_mark third-five || fail "Return did not launch button 5 of table 3"
echo "Return launched button 5 of table 3"

# In hide mode the strip hid after the launch; it keeps the keyboard.
wait_for 5 active || fail "the strip lost the keyboard after the launch"
xdotool key --delay 100 z e b r
wait_for 5 find_list >/dev/null || fail "typing showed no find list"
list=$(find_list)
eval "$(xwininfo -id "$list" | awk '/Absolute upper-left Y/ {print "ly=" $4} /Height:/ {print "lh=" $2}')"
strip_y=$(xwininfo -id "$wid" | awk '/Absolute upper-left Y/ {print $4}')
[[ $ly -eq $((strip_y + 51)) ]] || fail "the find list is at y=$ly, not just under the strip (y=$strip_y)"
active || fail "the find list took the keyboard from the strip"
xdotool key Return
wait_for 10 done_mark zebra-notes || fail "Return in the find list did not launch button 80 (table 7)"
wait_for 5 no_find_list || fail "the find list stayed after the launch"
echo "typing 'zebr' found button 80 of table 7 under the strip; Return launched it"
echo "PASS"
