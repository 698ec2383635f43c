#!/usr/bin/env bash
# The strip under the desktops people run: mutter, KWin and sway headless
# with their XWayland, and openbox on Xvfb. On each, read back from the X
# server: the strip at its stored place; out of task bars (not in
# _NET_CLIENT_LIST, or marked skip-taskbar there); above an xterm opened over
# it while on top; hidden with only its 11-pixel end on screen (off screen,
# or the window narrowed to that end where the compositor keeps windows on
# screen) and back at POS on a touch; a drag that moves it and stores the
# place reached. Without any display: one line on stderr, status 1 and a
# desktop notification naming XWayland.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
source "$(dirname "$0")/compositor.bash"

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"

# strip_wid: the strip's window (titled TabdeckV10, 51 high, 622 or its 11-pixel end wide).
strip_wid() {
    local w
    for w in $(xdotool search --name '^TabdeckV10$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        if [[ ${HEIGHT:-0} -eq 51 && ($WIDTH -eq 622 || $WIDTH -eq 11) ]]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
# placed: sets SX SY SW from the X server's answer.
placed() {
    local w info
    w=$(strip_wid) || return 1
    info=$(xwininfo -id "$w" 2>/dev/null) || return 1
    SX=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    SY=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    SW=$(awk '/Width:/ {print $2}' <<<"$info")
}
at() { placed && [[ $SX -eq $1 && $SY -eq $2 && $SW -eq 622 ]]; } # X Y, whole
# Only the end shows: what of the window lies on the screen is 11 pixels at x = 0.
end_only() { placed && [[ $SY -eq $1 && $((SX + SW)) -eq 11 && ($SX -eq 0 || $SX -eq -611) ]]; }
hover() { xdotool mousemove $(($1 - 2)) $(($2 - 2)); xdotool mousemove "$1" "$2"; sleep 0.3; }
out_of_taskbar() {
    local w hex
    w=$(strip_wid) || return 1
    hex=$(printf '0x%x' "$w")
    ! xprop -root _NET_CLIENT_LIST | grep -qi "$hex[,]*\b" && return 0
    xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR
}
# above_xterm: the xterm opened over the strip later is below it: last in the
# window manager's stacking list or, for a strip the window manager does not
# manage (sway), in the compositor's own picture (grim).
above_xterm() {
    local w hex
    w=$(strip_wid) || return 1
    hex=$(printf '0x%x' "$w")
    if [[ $comp_name != sway ]]; then
        # Bottom to top; the strip's dialogs may stand above it.
        local order xterm_hex
        order=$(xprop -root _NET_CLIENT_LIST_STACKING | grep -oE '0x[0-9a-f]+')
        xterm_hex=$(printf '0x%x' "$(xdotool search --class xterm | head -1)")
        [[ $(grep -n "^$hex\$" <<<"$order" | cut -d: -f1) -gt $(grep -n "^$xterm_hex\$" <<<"$order" | cut -d: -f1) ]]
        return
    fi
    # sway's X11 window manager lists every window once made, the strip too,
    # which places itself there: the compositor's picture tells. The pixel at
    # (300, 320) lies on the strip and on the green xterm.
    pixel=$(screen_pixel 300 320) || return 1
    [[ -n $pixel && $pixel != " 0 255 0" ]]
}
# screen_row X Y W: " R G B" of each pixel of that row of the compositor's
# own picture (grim on sway, the screenshot interface of KWin, the root
# window on openbox's Xvfb), one a line; on mutter, the row of the strip's
# window picture (xwd) at the strip's height Y - SY.
screen_row() {
    case $comp_name in
    sway)
        "${comp_user[@]}" env XDG_RUNTIME_DIR="$comp_dir" WAYLAND_DISPLAY="$comp_wayland" \
            grim -g "$1,$2 ${3}x1" -t ppm -
        ;;
    kwin) DBUS_SESSION_BUS_ADDRESS=$comp_bus timeout 10 /usr/bin/python3 "$(dirname "$0")/kwin_shot.py" "$1" "$2" "$3" 1 ;;
    openbox) import -window root -crop "${3}x1+$1+$2" +repage ppm:- ;;
    mutter) xwd -silent -id "$(strip_wid)" | convert xwd:- -crop "${3}x1+$1+$(($2 - SY))" +repage ppm:- ;;
    esac 2>"$work/shot.err" | convert ppm:- -depth 8 rgb:- | od -An -v -tu1 -w3
}
# end_pixels Y: the hidden strip seen: the red end of its hide bar at x 3..8
# of the screen (strip x 614..619) and, right of the 11-pixel end, the
# desktop as above the strip, not the strip.
end_pixels() {
    local row above
    row=$(screen_row 0 $(($1 + 25)) 40) || return 1
    [[ $(sed -n 4,9p <<<"$row" | sort -u) == " 255   0   0" ]] || return 1
    [[ $comp_name == mutter ]] && return 0 # the window's own picture: 11 wide
    above=$(screen_row 0 $(($1 - 40)) 40) || return 1
    [[ -n $above && $(sed -n 12,40p <<<"$row") == "$(sed -n 12,40p <<<"$above")" ]]
}
# screen_pixel X Y: " R G B" of sway's picture there.
screen_pixel() {
    "${comp_user[@]}" env XDG_RUNTIME_DIR="$comp_dir" WAYLAND_DISPLAY="$comp_wayland" \
        grim -g "$1,$2 1x1" -t ppm - 2>"$work/grim.err" | tail -c 3 | od -An -tu1 | tr -s ' '
}

# popup_at WIDTH: the top-left "X Y" of the shown popup menu that wide.
popup_at() {
    local w info
    for w in $(xdotool search --class TabdeckV10 2>/dev/null); do
        info=$(xwininfo -id "$w" 2>/dev/null) || continue
        grep -q IsViewable <<<"$info" || continue
        [[ $(awk '/Width:/ {print $2}' <<<"$info") -eq $1 ]] || continue
        awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}' <<<"$info"
        return 0
    done
    return 1
}
# menu_item X Y DY [SUB_DY]: a right click at (X, Y), then a click on the
# button menu's item DY pixels below the menu's top (rows of 22 pixels), or,
# with SUB_DY, on that item's submenu's item.
menu_item() {
    local mx my sx sy
    xdotool mousemove "$1" "$2"
    xdotool mousemove $(($1 + 7)) $(($2 + 6))
    sleep 0.3
    xdotool click 3
    wait_for 5 popup_at 157 >/dev/null || fail "$c: the button menu did not open: $(for w in $(xdotool search --class TabdeckV10); do xwininfo -id $w | grep -q IsViewable && xdotool getwindowgeometry $w | tr "\n" " "; done)"
    read -r mx my < <(popup_at 157)
    xdotool mousemove $((mx + 40)) $((my + $3 - 3))
    xdotool mousemove $((mx + 40)) $((my + $3))
    sleep 0.3
    if [[ -z ${4:-} ]]; then
        xdotool click 1
        return
    fi
    wait_for 5 popup_at 185 >/dev/null || fail "$c: the Options submenu did not open"
    read -r sx sy < <(popup_at 185)
    xdotool mousemove $((sx + 40)) $((my + $3))
    xdotool mousemove $((sx + 40)) $((sy + $4))
    sleep 0.3
    xdotool click 1
}
# tool_windows_apart A B: both dialogs transient for the strip, at their own
# size (a tiling window manager would give them the output), apart and off
# the strip (read back after the first second, in which sway centres each).
tool_windows_apart() {
    local w strip info x y width height places=()
    strip=$(strip_wid) || fail "$c: no strip beside the tool windows"
    for w in "$@"; do
        [[ -n $w ]] || fail "$c: a tool window is missing"
        xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
            fail "$c: $(xdotool getwindowname "$w") is no dialog: $(xprop -id "$w" _NET_WM_WINDOW_TYPE)"
        [[ $(xprop -id "$w" WM_TRANSIENT_FOR | grep -oE '0x[0-9a-f]+') == "$(printf '0x%x' "$strip")" ]] ||
            fail "$c: $(xdotool getwindowname "$w") is not transient for the strip: $(xprop -id "$w" WM_TRANSIENT_FOR)"
        info=$(xwininfo -id "$w")
        x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
        y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
        width=$(awk '/Width:/ {print $2}' <<<"$info")
        height=$(awk '/Height:/ {print $2}' <<<"$info")
        [[ $width -lt 1900 && $height -lt 1000 ]] || fail "$c: $(xdotool getwindowname "$w") is tiled: ${width}x$height"
        placed
        [[ $((x + width)) -le $SX || $x -ge $((SX + 622)) || $((y + height)) -le $SY || $y -ge $((SY + 51)) ]] ||
            fail "$c: $(xdotool getwindowname "$w") covers the strip: $x,$y ${width}x$height"
        places+=("$x,$y")
    done
    [[ ${places[0]} != "${places[1]}" ]] || fail "$c: both tool windows opened at ${places[0]}"
    echo "$c: tool windows at ${places[*]}"
}

# keyboard_launch Y: Home selects button 1 and Return launches it, typed as
# the compositor's own keyboard where it has one for tests (sway: wtype; the
# keys of XTEST reach XWayland alone), and the strip hides (hide mode on)
# and comes back on a touch.
keyboard_launch() {
    if [[ $c == sway ]]; then
        # Its virtual keyboard needs a moment before XWayland takes its keys.
        "${comp_user[@]}" env XDG_RUNTIME_DIR="$comp_dir" WAYLAND_DISPLAY="$comp_wayland" \
            timeout 10 wtype -s 1000 -k Home -s 100 -k Return
    else
        xdotool key --delay 100 Home Return
    fi
    wait_for 5 test -e "$work/key-$c.done" || fail "$c: Home and Return did not launch button 1"
    rm -f "$work/key-$c.done"
    wait_for 5 end_only "$1" || fail "$c: the launch did not hide the strip: $SX,$SY, $SW wide"
    hover 6 $(($1 + 22))
    wait_for 5 at 300 "$1" || fail "$c: touching the end did not bring the strip back: $SX,$SY"
    echo "$c: keyboard selection and launch, hidden after it"
}
# hint_place: "X Y WIDTHxHEIGHT" of the shown hint strip.
hint_place() {
    local h info
    h=$(xdotool search --onlyvisible --name '^TabdeckV10 Hint$' 2>/dev/null | head -1)
    [[ -n $h ]] || return 1
    info=$(xwininfo -id "$h")
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w "x" h}' <<<"$info"
}
sway_output() {
    "${comp_user[@]}" env XDG_RUNTIME_DIR="$comp_dir" timeout 10 swaymsg -s "$SWAYSOCK" output HEADLESS-1 "$@" >/dev/null
}
work_area_top() { [[ $(xprop -root _NET_WORKAREA | grep -oE '[0-9]+' | sed -n 2p) -eq $1 ]]; }
hint_at() { [[ $(hint_place) == "$1 $2 622x19" ]]; }

for c in ${COMPOSITORS:-openbox mutter kwin sway}; do
    start_compositor "$c"
    printf '#!/bin/sh\ntouch "%s/key-%s.done"\n' "$work" "$c" >"$prog/mark-$c.sh"
    chmod +x "$prog/mark-$c.sh"
    printf '[BUTTON]\r\n1=%s\r\n[HIDE]\r\nHideMe=true\r\n[STYLE]\r\nOnTop=True\r\n[POS]\r\nTop=300\r\nLeft=200\r\n' \
        "$prog/mark-$c.sh" >"$prog/TabdeckV10.INI"
    "$prog/TabdeckV10" >"$work/strip-$c.log" 2>&1 &
    strip_pid=$!
    pids+=("$strip_pid")
    wait_for 15 at 200 300 || fail "$c: the strip is not at its stored place (200,300): ${SX:-?},${SY:-?}"
    sleep 0.5 # the first place is confirmed after the window manager answered
    wait_for 5 at 200 300 || fail "$c: the strip left its stored place: $SX,$SY"
    echo "$c: at its stored place"
    out_of_taskbar || fail "$c: the strip shows in task bars: $(xprop -id "$(strip_wid)" _NET_WM_STATE)"
    echo "$c: out of task bars"

    xterm -bg '#00ff00' -geometry 80x24+100+250 -e sleep 60 &
    xterm_pid=$!
    pids+=("$xterm_pid")
    sleep 1.5
    pixel=
    above_xterm || fail "$c: the strip is not above the xterm opened over it (pixel:${pixel:-none} $(cat "$work/grim.err" 2>/dev/null))"
    echo "$c: above an xterm"
    kill "$xterm_pid"
    sleep 0.5

    # The hide bar is at strip x 614..619.
    hover 817 330
    xdotool click 1
    wait_for 5 end_only 300 || fail "$c: hiding left the strip at $SX,$SY, $SW wide"
    echo "$c: hidden, its end alone on screen ($SX,$SY, $SW wide)"
    wait_for 5 end_pixels 300 || fail "$c: the picture of the hidden strip is not its end alone: $(screen_row 0 325 40 | tr -s ' \n' ' ') $(cat "$work/shot.err")"
    echo "$c: its picture: the red end alone"
    hover 6 322
    wait_for 5 at 200 300 || fail "$c: touching the end did not bring the strip back: $SX,$SY, $SW wide"
    echo "$c: back at its place on a touch"

    drag_move_handle 225 330 100
    wait_for 5 at 300 300 || fail "$c: the drag did not move the strip: $SX,$SY"
    wait_for 5 ini_is POS Left 300 || fail "$c: POS Left is $(ini_value POS Left), not the 300 reached"
    ini_is POS Top 300 || fail "$c: POS Top is $(ini_value POS Top)"
    echo "$c: dragged to 300,300 and stored"

    if [[ $c == sway ]]; then
        # The screen made smaller under the strip: it comes wholly onto it,
        # where it is read back, and POS keeps the place the user chose.
        sway_output resolution 800x600
        wait_for 10 at 178 300 || fail "$c: the strip did not come onto the smaller screen: $SX,$SY"
        ini_is POS Left 300 || fail "$c: the screen's change stored POS Left $(ini_value POS Left)"
        sway_output resolution 1920x1080
        sleep 1
        echo "$c: onto a smaller screen at 178,300, POS kept"
    fi

    # A second start of the same copy hands over and ends at once.
    timeout 10 "$prog/TabdeckV10" >"$work/second-$c.log" 2>&1 || fail "$c: the second start did not hand over"
    kill -0 "$strip_pid" || fail "$c: the first strip ended"
    echo "$c: a second start handed over"

    # The hand-over made the strip active: Home selects button 1, Return
    # launches it, and the strip hides (hide mode on).
    keyboard_launch 300
    # A fresh start, which sway gives the keyboard as the strip maps (the
    # test's input reaches XWayland only, so nothing else would), then
    # button 1's menu (strip x 59..95): Edit (*.ini)..., then Options >
    # E-mail..., chosen with the mouse.
    kill "$strip_pid"
    wait "$strip_pid" 2>/dev/null || true
    "$prog/TabdeckV10" >>"$work/strip-$c.log" 2>&1 &
    strip_pid=$!
    pids+=("$strip_pid")
    wait_for 15 at 300 300 || fail "$c: the strip did not start again at 300,300: ${SX:-?},${SY:-?}"
    sleep 1
    menu_item 370 320 193
    wait_for 10 window_up 'Edit the Control \(\*\.ini\) File' || fail "$c: the editor did not open"
    menu_item 370 320 145 34
    wait_for 10 window_up E-mail || fail "$c: the E-mail window did not open"
    sleep 1
    tool_windows_apart "$(box_wid 'Edit the Control \(\*\.ini\) File')" "$(box_wid E-mail)"
    echo "$c: two tool windows: dialogs of the strip, floating, apart, neither over the strip"

    # Help > Open Hint...: the hint strip 18 pixels above the strip, not
    # tiled or centred.
    xdotool mousemove 370 320
    xdotool mousemove 377 326
    sleep 0.3
    xdotool click 3
    wait_for 5 popup_at 157 >/dev/null || fail "$c: the button menu did not open"
    xdotool key --delay 80 Down Down Down Down Down Down Down Down Down Down Right
    sleep 0.3
    xdotool key Return
    wait_for 5 hint_at 300 282 || fail "$c: the hint strip is not above the strip: $(hint_place)"
    echo "$c: the hint strip above the strip"

    kill "$strip_pid"
    wait "$strip_pid" 2>/dev/null || true

    if [[ $c == mutter ]]; then
        # A place stored under a desktop's top bar, which mutter keeps windows
        # below: the strip stays managed where mutter put it, and a drag
        # stores the place reached.
        /usr/bin/python3 "$(dirname "$0")/top_panel.py" 1920 32 &
        pids+=($!)
        wait_for 10 work_area_top 32 || fail "$c: the top panel reserved nothing: $(xprop -root _NET_WORKAREA)"
        printf '[POS]\r\nTop=0\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"
        "$prog/TabdeckV10" >>"$work/strip-$c.log" 2>&1 &
        strip_pid=$!
        pids+=("$strip_pid")
        wait_for 15 at 200 32 || fail "$c: the strip is not below the top bar at 200,32: ${SX:-?},${SY:-?}"
        sleep 1 # the first place is confirmed after the window manager answered
        at 200 32 || fail "$c: the strip left the place mutter gave it: $SX,$SY"
        xwininfo -id "$(strip_wid)" | grep -q 'Override Redirect State: no' ||
            fail "$c: the strip stopped being managed below the top bar"
        drag_move_handle 225 62 100
        wait_for 5 at 300 32 || fail "$c: the drag below the top bar did not move the strip: $SX,$SY"
        wait_for 5 ini_is POS Top 32 || fail "$c: POS Top is $(ini_value POS Top), not the 32 reached"
        ini_is POS Left 300 || fail "$c: POS Left is $(ini_value POS Left)"
        echo "$c: a place under the top bar: managed below it, the place reached stored"
        kill "$strip_pid"
        wait "$strip_pid" 2>/dev/null || true
    fi
    stop_compositor
done

# Started from a menu without any display: the desktop hears of it.
cat >"$work/nodisplay.sh" <<EOF
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications'" >"$work/notify.log" 2>&1 &
sleep 0.5
env -u DISPLAY -u WAYLAND_DISPLAY LANG=C "$prog/TabdeckV10" 2>"$work/nodisplay.err"
echo \$? >"$work/nodisplay.status"
sleep 0.5
kill %1
EOF
timeout 20 dbus-run-session -- bash "$work/nodisplay.sh" 2>/dev/null
[[ $(cat "$work/nodisplay.status") -eq 1 ]] || fail "without a display the status is $(cat "$work/nodisplay.status")"
[[ $(wc -l <"$work/nodisplay.err") -eq 1 ]] || fail "without a display stderr holds: $(cat "$work/nodisplay.err")"
grep -q 'string "TabdeckV10 needs XWayland"' "$work/notify.log" ||
    fail "no notification without a display: $(cat "$work/notify.log")"
grep -q 'xwayland enable' "$work/notify.log" || fail "the notification does not say how to get XWayland"
echo "without a display: one line, status 1, a notification naming XWayland"
echo "compositors: all checks passed"
