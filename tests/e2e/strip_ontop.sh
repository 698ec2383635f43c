#!/usr/bin/env bash
# The strip's window style under a real window manager: after App Style >
# Stay On Top the window manager keeps the strip above (_NET_WM_STATE_ABOVE)
# and after Normal it does not; STYLE OnTop is written, the strip stays where
# it was, and a file dragged from another X client still fills the selected
# button after each change. Also: right clicks on a table and on the door
# icon open the tools menus.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

net_state() { xprop -id "$(strip_wid)" _NET_WM_STATE 2>/dev/null || true; }
above() { net_state | grep -q _NET_WM_STATE_ABOVE; }
not_above() { local s; s=$(net_state); [[ -n $s ]] && ! grep -q _NET_WM_STATE_ABOVE <<<"$s"; }
at() { # X Y
    local w; w=$(strip_wid) || return 1
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [[ $X -eq $1 && $Y -eq $2 ]]
}

# Right click on button 1, then Options > App Style > the item by keys:
# Options is the sixth item, App Style the eighth of Options.
choose_style() { # 0 = Stay On Top, 1 = Normal
    xdotool mousemove 270 320
    xdotool mousemove 277 326
    sleep 0.3
    xdotool click 3
    sleep 0.6
    xdotool key --delay 80 Down Down Down Down Down Down Right
    sleep 0.3
    xdotool key --delay 80 Down Down Down Down Down Down Down Right
    sleep 0.3
    [[ $1 -eq 1 ]] && xdotool key Down
    xdotool key Return
}

# Drags a file from another client onto the strip with button N selected
# (the pointer crosses it first), then closes the notice the drop shows.
drop_on_button() { # N FILE
    local n=$1 file=$2
    start_drag_source "$file"
    local x=$((200 + 51 + $(slot_x "$n") + 18))
    xdotool mousemove $((x - 2)) 324
    xdotool mousemove "$x" 326
    sleep 0.2
    drag_to_strip
    wait_for 10 ini_is BUTTON "$n" "$file" || fail "the drop did not fill button $n: '$(ini_value BUTTON "$n")'"
    # The notice "The Program was Setup on Button N" waits for OK.
    # A window another client destroys meanwhile (the drag icon) can fail one
    # search, so the notice's id is taken by the same retried look-up.
    wait_for 10 find_notice || fail "no notice after the drop on button $n"
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    sleep 0.3
    xdotool key Return
    wait_for 5 no_notice || fail "the notice did not close"
    wait "$drag_pid" 2>/dev/null || true
}
notice_wid() {
    local s w
    s=$(strip_wid) || return 1
    for w in $(xdotool search --onlyvisible --name '^TabdeckV10$' 2>/dev/null); do
        [[ $w == "$s" ]] || { echo "$w"; return 0; }
    done
    return 1
}
find_notice() { box=$(notice_wid); }
no_notice() { strip_wid >/dev/null && ! notice_wid >/dev/null; }
slot_x() { local xs=(8 50 93 135 178 221 264 307 350 392 434 477); echo "${xs[$(($1 - 1))]}"; }

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"
entry=$work/app.desktop
printf '[Desktop Entry]\nType=Application\nName=App\nExec=/bin/true\n' >"$entry"

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox

start_strip() {
    "$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
    strip_pid=$!
    pids+=($strip_pid)
}
start_strip
wait_for 10 strip_wid >/dev/null || fail "no strip window"
wait_for 10 at 200 300 || fail "strip not at POS (200,300)"
wait_for 5 not_above || fail "a normal strip is kept above: $(net_state)"
echo "normal at start: $(net_state)"

# A right click on a table's free area opens the table menu, on the door
# icon the services menu: a pop-up window at the pointer (14 or 15 items).
popup_at() { # X Y: a mapped window of the program, taller than 300, there
    local id
    for id in $(xwininfo -root -tree | grep -E "\"TabdeckV10\".* [0-9]+x[0-9]+\+$1\+$2 " |
        awk '{split($(NF-1), g, "[x+]"); if (g[2] > 300) print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && return 0
    done
    return 1
}
no_popup_at() { ! popup_at "$@"; }
for place in "254 302" "796 330"; do
    set -- $place
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool click 3
    wait_for 5 popup_at "$1" "$2" || fail "no tools menu on a right click at $1,$2"
    xdotool key Escape
    wait_for 5 no_popup_at "$1" "$2" || fail "the tools menu at $1,$2 did not close"
done
echo "tools menus open on the table and on the door icon"

choose_style 0
wait_for 10 ini_is STYLE OnTop True || fail "Stay On Top did not write STYLE OnTop=True: '$(ini_value STYLE OnTop)'"
wait_for 10 above || fail "after Stay On Top the window manager does not keep it above: $(net_state)"
wait_for 5 at 200 300 || fail "Stay On Top moved the strip"
echo "stay on top: $(net_state)"
drop_on_button 2 "$entry"
echo "drop after Stay On Top filled button 2"

choose_style 1
wait_for 10 ini_is STYLE OnTop "" || fail "Normal did not empty STYLE OnTop: '$(ini_value STYLE OnTop)'"
wait_for 10 not_above || fail "after Normal the strip is still kept above: $(net_state)"
wait_for 5 at 200 300 || fail "Normal moved the strip"
echo "normal: $(net_state)"
drop_on_button 3 "$entry"
echo "drop after Normal filled button 3"

# The stored style comes back at the next start.
choose_style 0
wait_for 10 ini_is STYLE OnTop True || fail "Stay On Top (again) did not write STYLE OnTop=True"
kill "$strip_pid"
wait "$strip_pid" 2>/dev/null || true
wait_for 5 bash -c '! xdotool search --onlyvisible --name "^TabdeckV10$" >/dev/null 2>&1' \
    || fail "the strip did not go away"
start_strip
wait_for 10 strip_wid >/dev/null || fail "no strip window after the restart"
wait_for 10 above || fail "after a restart with STYLE OnTop=True the strip is not kept above: $(net_state)"
echo "restarted on top: $(net_state)"
echo "PASS"
