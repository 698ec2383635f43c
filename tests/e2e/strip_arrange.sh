#!/usr/bin/env bash
# Arranging buttons with a real pointer, under openbox: a button dragged
# onto another swaps with it; dragged onto the table label it moves, through
# the tables menu, to table 4's first empty button; dragged out to another
# X client it hands over its file's URI and stays. No drag launches, not
# even one just past the dead zone; a press moved less does. Then the same
# by keyboard: Ctrl+Shift+Right swaps with the neighbour, Ctrl+Shift+Page
# Down/Up move to the next and previous table's first empty button.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
cat >"$prog/target.sh" <<'SH'
#!/bin/sh
date +%s%N > "$(dirname "$0")/launched"
SH
chmod +x "$prog/target.sh"
notes=$work/notes.txt
other="$work/My File.txt"
printf 'n\n' >"$notes"
printf 'o\n' >"$other"
printf '[BUTTON]\r\n1=%s\r\n2=%s\r\n3=%s\r\n5=/usr/bin/true\r\n37=/usr/bin/env\r\n' \
    "$prog/target.sh" "$notes" "$other" >"$prog/TabdeckV10.INI"
printf '[ICON]\r\n2=%s\r\n3=%s\r\n5=/usr/bin/true\r\n37=/usr/bin/env\r\n' \
    "$work/notes.bmp" "$work/other.bmp" >>"$prog/TabdeckV10.INI"
printf '[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' >>"$prog/TabdeckV10.INI"

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
strip_pid=$!
pids+=($strip_pid)
wait_for 10 strip_wid >/dev/null || fail "no strip; it said: $(cat "$work/strip.log")"
eval "$(xdotool getwindowgeometry --shell "$(strip_wid)")"
sx=$X sy=$Y
echo "strip at $sx,$sy"
sleep 1 # the table loader gives the buttons their faces after the show

# Slot k's centre on the screen (the table at strip x 51, buttons at y 8, 36 px).
slot_x=(0 8 50 93 135 178 221 264 307 350 392 434 477)
bx() { echo $((sx + 51 + ${slot_x[$1]} + 18)); }
by=$((sy + 26))
# drag X1 Y1 X2 Y2: press, move in steps as a hand does, release.
drag() {
    xdotool mousemove "$1" "$2"
    xdotool mousemove $(($1 + 1)) "$2"
    sleep 0.3
    xdotool mousedown 1
    for step in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * step / 8)) $(($2 + ($4 - $2) * step / 8))
        sleep 0.1
    done
    sleep 0.4
    xdotool mouseup 1
    sleep 0.5
}
not_launched() { [[ ! -e $prog/launched ]] || fail "a drag launched button 1's target"; }

# --- a drag onto another button swaps the two, in one write ------------------
drag "$(bx 2)" "$by" "$(bx 5)" "$by"
wait_for 10 ini_is BUTTON 5 "$notes" || fail "button 5 holds '$(ini_value BUTTON 5)', not the notes"
[[ $(ini_value BUTTON 2) == /usr/bin/true ]] || fail "button 2 holds '$(ini_value BUTTON 2)'"
[[ $(ini_value ICON 5) == "$work/notes.bmp" && $(ini_value ICON 2) == /usr/bin/true ]] ||
    fail "the pictures did not swap: ICON 2 '$(ini_value ICON 2)', ICON 5 '$(ini_value ICON 5)'"
echo "buttons 2 and 5 swapped"

# --- a drag of button 1 launches nothing: to nowhere, or just past the dead
# zone (Qt's drag distance, 10 px without desktop settings) onto itself ----
drag "$(bx 1)" "$by" "$(bx 1)" $((sy + 200))
sleep 1
not_launched
press_move() { # DX: press on button 1, move DX pixels right, release
    xdotool mousemove "$(bx 1)" "$by"
    sleep 0.3
    xdotool mousedown 1
    for step in 1 2 3; do
        xdotool mousemove $(($(bx 1) + $1 * step / 3)) "$by"
        sleep 0.1
    done
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
}
press_move 10
sleep 1
not_launched
[[ $(ini_value BUTTON 1) == "$prog/target.sh" ]] || fail "button 1 changed: '$(ini_value BUTTON 1)'"
echo "a drag from button 1 launched nothing"

# --- dragged out, a button hands its file's URI over and stays ---------------
"$build/bin/dragtarget" 300 600 >"$work/target.out" 2>"$work/target.log" &
pids+=($!)
wait_for 10 bash -c "xdotool search --onlyvisible --name '^dragtarget\$' >/dev/null 2>&1" ||
    fail "the drag target did not show"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^dragtarget$' | head -1)")"
drag "$(bx 3)" "$by" $((X + 80)) $((Y + 40))
wait_for 10 grep -q '^file://' "$work/target.out" || fail "the drag target received nothing: $(cat "$work/target.out")"
[[ $(head -1 "$work/target.out") == "file://$work/My%20File.txt" ]] ||
    fail "the drag target received '$(head -1 "$work/target.out")'"
grep -qx 'action: copy' "$work/target.out" || fail "not offered as a copy: $(cat "$work/target.out")"
[[ $(ini_value BUTTON 3) == "$other" ]] || fail "button 3 lost its target: '$(ini_value BUTTON 3)'"
not_launched
echo "button 3 dragged out: $(head -1 "$work/target.out")"

# --- onto the table label: the tables menu, Table 4, its first empty button --
drag "$(bx 5)" "$by" $((sx + 25)) $((sy + 7))
sleep 0.5
# The menu opens at the label: More, then Table 1 .. Table 10.
xdotool key --delay 120 Down Down Down Down Down Return
wait_for 10 ini_is BUTTON 38 "$notes" || fail "button 38 holds '$(ini_value BUTTON 38)', not the notes"
[[ -z $(ini_value BUTTON 5) && -z $(ini_value ICON 5) ]] || fail "button 5 still holds '$(ini_value BUTTON 5)'"
[[ $(ini_value ICON 38) == "$work/notes.bmp" ]] || fail "ICON 38 is '$(ini_value ICON 38)'"
[[ $(ini_value BUTTON 37) == /usr/bin/env ]] || fail "button 37 changed: '$(ini_value BUTTON 37)'"
not_launched
echo "button 5 moved to table 4, button 38"

# --- the same by keyboard (table 4 is shown now) ------------------------------
xdotool windowactivate --sync "$(strip_wid)" >/dev/null 2>&1 || true
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$(strip_wid)" ]]; }
wait_for 5 active || fail "the strip did not become the active window"
xdotool key --delay 150 ctrl+4 Home ctrl+shift+Right
wait_for 10 ini_is BUTTON 37 "$notes" || fail "Ctrl+Shift+Right: button 37 holds '$(ini_value BUTTON 37)'"
[[ $(ini_value BUTTON 38) == /usr/bin/env ]] || fail "Ctrl+Shift+Right: button 38 holds '$(ini_value BUTTON 38)'"
echo "Ctrl+Shift+Right swapped 37 and 38"
# The selection went along with the button: Home then Page Down carries button 37.
xdotool key --delay 150 Home ctrl+shift+Next
wait_for 10 ini_is BUTTON 49 "$notes" || fail "Ctrl+Shift+Page Down: button 49 holds '$(ini_value BUTTON 49)'"
[[ -z $(ini_value BUTTON 37) ]] || fail "button 37 still holds '$(ini_value BUTTON 37)'"
echo "Ctrl+Shift+Page Down moved it to table 5, button 49"
xdotool key --delay 150 ctrl+shift+Prior
wait_for 10 ini_is BUTTON 37 "$notes" || fail "Ctrl+Shift+Page Up: button 37 holds '$(ini_value BUTTON 37)'"
[[ -z $(ini_value BUTTON 49) ]] || fail "button 49 still holds '$(ini_value BUTTON 49)'"
echo "Ctrl+Shift+Page Up moved it back to table 4, button 37"
not_launched

# --- a press that stays inside the dead zone still launches -------------------
xdotool key ctrl+1
sleep 0.8 # the slide
press_move 9
wait_for 10 test -s "$prog/launched" || fail "a press on button 1 did not launch its target"
echo "a press moved 9 px launched button 1"
echo "PASS"
