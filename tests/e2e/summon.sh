#!/usr/bin/env bash
# Summoned from anywhere, under openbox: a first start with --find zebra
# shows the strip with the find list on the Zebra button; later starts
# with --show and --find zebra, made while another window has the keyboard,
# hand over and end, and the strip comes back from hiding as the active
# window (with the list, whose Return launches the Zebra button); the global
# shortcut stored in the control file, pressed in another window, does the
# same, and keys chosen in the capture box replace it; a second copy whose
# shortcut the first holds says so in one notice.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
command -v xterm >/dev/null || fail "xterm is not installed"

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '#!/bin/sh\ntouch "%s/zebra.done"\n' "$work" >"$prog/zebra-notes.sh"
chmod +x "$prog/zebra-notes.sh"
# Button 80 sits on table 7; Ctrl+Alt+Z (z is keysym 122; Control 4 + Mod1 8).
ini='[BUTTON]\r\n80=%s\r\n[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=300\r\nLeft=200\r\n[SHORTCUT]\r\nKeySym=122\r\nModifiers=12\r\nKeys=Ctrl+Alt+Z\r\n'
printf "$ini" "$prog/zebra-notes.sh" >"$prog/TabdeckV10.INI"
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

start_openbox
xterm -geometry 80x10+100+500 -T other &
pids+=($!)
wait_for 10 window_up other || fail "the xterm did not show"
other=$(box_wid other)

at() { local w; w=$(strip_wid) || return 1; eval "$(xdotool getwindowgeometry --shell "$w")"; [[ $X -eq $1 && $Y -eq $2 ]]; }
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$(strip_wid)" ]]; }
find_list() {
    local id
    for id in $(xwininfo -root -tree | awk '/"Find a button"/ {print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && echo "$id" && return 0
    done
    return 1
}
no_find_list() { ! find_list >/dev/null; }
zebra_launched() { [[ -e $work/zebra.done ]]; }
hidden() { at -611 300; }
to_other() { xdotool windowactivate --sync "$other" >/dev/null 2>&1 || true; wait_for 5 other_active; }
other_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$other" ]]; }
# The list picks the Zebra button: Return launches it and the strip hides.
return_launches_zebra() {
    rm -f "$work/zebra.done"
    xdotool key Return
    wait_for 10 zebra_launched || fail "$1: Return in the find list did not launch the Zebra button"
    wait_for 5 no_find_list || fail "$1: the find list stayed after the launch"
    wait_for 5 hidden || fail "$1: the strip did not hide after the launch"
}

# None runs: --find starts the program, then finds.
"$prog/TabdeckV10" --find zebra >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
wait_for 15 find_list >/dev/null || fail "a first start with --find showed no find list: $(cat "$work/first.log")"
wait_for 5 active || fail "the first start's strip is not active"
return_launches_zebra "first start"
echo "a first start with --find zebra found the Zebra button"

# --show from a second process while another window has the keyboard.
to_other || fail "the xterm did not take the keyboard"
took=$(date +%s%N)
status=0
# The desktop's startup id travels with the request to the strip's window.
DESKTOP_STARTUP_ID=e2e-summon-42 timeout 20 "$prog/TabdeckV10" --show >"$work/second.log" 2>&1 || status=$?
took=$((($(date +%s%N) - took) / 1000000))
[[ $status -eq 0 ]] || fail "--show ended with $status: $(cat "$work/second.log")"
wait_for 5 at 200 300 || fail "--show did not bring the strip back from hiding"
wait_for 5 active || fail "--show did not make the strip the active window"
no_find_list || fail "--show opened the find list"
startup_id=$(xprop -id "$(strip_wid)" _NET_STARTUP_ID)
[[ $startup_id == *'"e2e-summon-42"'* ]] || fail "the startup id did not reach the strip: $startup_id"
echo "--show: the hidden strip came back, active; the second process took $took ms"

# --find zebra from a second process.
to_other || fail "the xterm did not take the keyboard"
status=0
timeout 20 "$prog/TabdeckV10" --find zebra >"$work/third.log" 2>&1 || status=$?
[[ $status -eq 0 ]] || fail "--find ended with $status: $(cat "$work/third.log")"
wait_for 5 find_list >/dev/null || fail "--find zebra showed no find list"
wait_for 5 active || fail "--find did not make the strip the active window"
return_launches_zebra "--find zebra"
echo "--find zebra from a second process: the find list picked the Zebra button"

# The global shortcut, pressed in the xterm.
to_other || fail "the xterm did not take the keyboard"
xdotool key ctrl+alt+z
wait_for 5 at 200 300 || fail "the shortcut did not bring the strip back"
wait_for 5 active || fail "the shortcut did not make the strip the active window"
echo "Ctrl+Alt+Z in another window brought the strip forward"

# Chosen in the capture box (the Options item before the last): the new
# keys are stored and summon, the old ones are let go.
xdotool mousemove 275 326; sleep 0.3
xdotool click 3; sleep 0.5
for _ in 1 2 3 4 5 6; do xdotool key Down; sleep 0.1; done
xdotool key Right; sleep 0.3
xdotool key Up Up; sleep 0.1
xdotool key Return
wait_for 5 window_up "Global Shortcut" || fail "the Global Shortcut item showed no capture box"
xdotool key ctrl+alt+y
wait_for 5 no_box "Global Shortcut" || fail "the capture box stayed after Ctrl+Alt+Y"
wait_for 5 ini_is SHORTCUT KeySym 121 || fail "the keys were not stored: KeySym=$(ini_value SHORTCUT KeySym)"
ini_is SHORTCUT Modifiers 12 || fail "Modifiers=$(ini_value SHORTCUT Modifiers), not Ctrl+Alt"
ini_is SHORTCUT Keys Ctrl+Alt+Y || fail "Keys=$(ini_value SHORTCUT Keys)"
to_other || fail "the xterm did not take the keyboard"
xdotool key ctrl+alt+z
sleep 1
other_active || fail "the old keys Ctrl+Alt+Z still summon the strip"
xdotool key ctrl+alt+y
wait_for 5 active || fail "the new keys Ctrl+Alt+Y did not summon the strip"
echo "Ctrl+Alt+Y chosen in the capture box was stored and summons; Ctrl+Alt+Z was let go"
# The copy below holds the same keys as this one.
printf "$ini" "$prog/zebra-notes.sh" | sed 's/122/121/; s/+Z/+Y/' >"$work/copy.ini"

# Another copy with the same shortcut: the keys are held, it says so once.
copy=$work/copy
mkdir -p "$copy"
cp "$exe" "$copy/TabdeckV10"
sed 's/Top=300/Top=600/' "$work/copy.ini" >"$copy/TabdeckV10.INI"
"$copy/TabdeckV10" >"$work/copy.log" 2>&1 &
pids+=($!)
held_notice() {
    local w
    for w in $(xdotool search --onlyvisible --name '^TabdeckV10$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        [[ $WIDTH -ne 622 ]] && return 0
    done
    return 1
}
wait_for 15 held_notice || fail "the copy whose keys are held said nothing"
notices=$(for w in $(xdotool search --onlyvisible --name '^TabdeckV10$'); do
    eval "$(xdotool getwindowgeometry --shell "$w")"; [[ $WIDTH -ne 622 ]] && echo "$w"; done | wc -l)
[[ $notices -eq 1 ]] || fail "$notices notices for one held shortcut"
echo "a second copy with the held shortcut told it in one notice"
echo "PASS"
