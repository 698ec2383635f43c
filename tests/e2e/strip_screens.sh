#!/usr/bin/env bash
# A place saved on a screen that is gone: the strip, started on a desktop
# without that screen, comes back on the nearest screen instead of off it.
# Each desktop is an X server of its own: first a wide one (two screens
# side by side), then the left screen alone. On it, a tool window opened
# from the strip stands clear of the strip, its title bar too, also in
# German, where the file manager grows as it shows.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

# start_x WIDTHxHEIGHT: a new X server; sets DISPLAY and x_pid.
start_x() {
    local fd_file=$work/display.$1
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    x_pid=$!
    pids+=("$x_pid")
    wait_for 10 test -s "$fd_file" || fail "Xvfb $1 did not start"
    export DISPLAY=:$(head -1 "$fd_file")
}
stop_x() { kill "$x_pid" 2>/dev/null || true; wait "$x_pid" 2>/dev/null || true; }

# run_strip: starts the program, sets strip_x and strip_y once the strip is
# shown, then closes the program.
run_strip() {
    "$prog/TabdeckV10" >>"$work/strip.log" 2>&1 &
    local pid=$! w
    pids+=("$pid")
    wait_for 30 strip_wid >/dev/null ||
        fail "no strip on $DISPLAY; the program said: $(tail -5 "$work/strip.log" | tr '\n' '|')"
    w=$(strip_wid)
    eval "$(xdotool getwindowgeometry --shell "$w")"
    strip_x=$X
    strip_y=$Y
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=900\r\nLeft=1900\r\n' >"$prog/TabdeckV10.INI"

start_x 2560x1024
run_strip
[[ $strip_x -eq 1900 && $strip_y -eq 900 ]] ||
    fail "on the wide desktop the strip stands at $strip_x,$strip_y, not at 1900,900"
stop_x

start_x 1280x1024
run_strip
[[ $strip_x -eq $((1280 - 622)) && $strip_y -eq 900 ]] ||
    fail "with the right screen gone the strip stands at $strip_x,$strip_y, not at $((1280 - 622)),900"

# The strip across the screen's middle; the E-mail window, centred, would cover it.
printf '[POS]\r\nTop=480\r\nLeft=329\r\n' >"$prog/TabdeckV10.INI"
start_openbox
"$prog/TabdeckV10" >>"$work/strip.log" 2>&1 &
pids+=($!)
wait_for 20 strip_wid >/dev/null || fail "no strip in the middle of the screen"
sleep 0.5
# Button 1's menu > Tools > E-mail, as a user opens it.
button_menu 400 500 Down Down Down Down Down Down Right
sleep 0.3
xdotool key --delay 80 Down Return
email_wid() { xdotool search --onlyvisible --name '^E-mail( — .*)?$' 2>/dev/null | head -1; }
wait_for 10 email_wid >/dev/null || fail "the E-mail window did not open"
sleep 0.5
frame() { # WID: left top right bottom of the window with the frame the window manager drew
    local ext l r t b
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${ext:-0,0,0,0}"
    xwininfo -id "$1" | awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2}
        END {print x - l, y - t, x + w + r - 1, y + h + b - 1}'
}
# clear_of_strip WID NAME: the window, title bar and borders too, covers no part of the strip.
clear_of_strip() {
    local sl st sr sb el et er eb
    read -r sl st sr sb < <(frame "$(strip_wid)")
    read -r el et er eb < <(frame "$1")
    if ((el <= sr && er >= sl && et <= sb && eb >= st)); then
        fail "the $2 ($el,$et)-($er,$eb) covers the strip ($sl,$st)-($sr,$sb)"
    fi
    ((et >= 0 && eb < 1024 && el >= 0 && er < 1280)) || fail "the $2 ($el,$et)-($er,$eb) is off the screen"
}
clear_of_strip "$(email_wid)" "E-mail window"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

# In German the file manager grows wider than it is made as it shows: it
# still stands clear of the strip, its title bar too.
printf '[POS]\r\nTop=300\r\nLeft=329\r\n' >"$prog/TabdeckV10.INI"
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 "$prog/TabdeckV10" >>"$work/strip.log" 2>&1 &
pids+=($!)
wait_for 20 strip_wid >/dev/null || fail "no German strip"
sleep 0.5
# Button 1's menu > Optionen > Dateien/Ordner (the fifth item).
button_menu 400 320 Down Down Down Down Down Down Right
sleep 0.3
xdotool key --delay 80 Down Down Down Down Return
files_wid() { xdotool search --onlyvisible --name '^Mit Laufwerken, Ordnern und Dateien arbeiten$' 2>/dev/null | head -1; }
wait_for 10 files_wid >/dev/null || fail "the German file manager did not open"
sleep 0.5
clear_of_strip "$(files_wid)" "German file manager"
stop_x

# Two screens of one desktop side by side, as a card with two monitors gives
# them (Xorg's dummy driver with two RandR monitors; Xvfb offers no such
# pair): a place on the right screen stays; with that monitor gone, the
# strip comes back on the left one. Xorg runs only as root here.
if [[ $(id -u) -eq 0 ]] && command -v Xorg >/dev/null && command -v xrandr >/dev/null; then
    cat >"$work/xorg.conf" <<'CONF'
Section "Device"
    Identifier "card"
    Driver "dummy"
    VideoRam 64000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "card"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 2560 1024
    EndSubSection
EndSection
CONF
    Xorg -displayfd 3 -config "$work/xorg.conf" -noreset -nolisten tcp -logfile "$work/xorg.log" \
        3>"$work/display.xorg" >/dev/null 2>&1 &
    x_pid=$!
    pids+=("$x_pid")
    wait_for 20 test -s "$work/display.xorg" || fail "Xorg did not start: $(tail -3 "$work/xorg.log")"
    export DISPLAY=:$(head -1 "$work/display.xorg")
    xrandr --output DUMMY0 --mode 1280x1024 --fb 2560x1024
    xrandr --setmonitor Left 1280/339x1024/271+0+0 DUMMY0 >/dev/null
    xrandr --setmonitor Right 1280/339x1024/271+1280+0 none >/dev/null
    printf '[POS]\r\nTop=900\r\nLeft=1900\r\n' >"$prog/TabdeckV10.INI"
    run_strip
    [[ $strip_x -eq 1900 && $strip_y -eq 900 ]] ||
        fail "on two monitors the strip stands at $strip_x,$strip_y, not at 1900,900"
    # The right monitor goes while the strip runs on it: the strip comes
    # over to the left one at once.
    "$prog/TabdeckV10" >>"$work/strip.log" 2>&1 &
    pids+=($!)
    wait_for 30 strip_wid >/dev/null || fail "no strip on two monitors"
    xrandr --delmonitor Right
    xrandr --fb 1280x1024
    strip_at() { eval "$(xdotool getwindowgeometry --shell "$(strip_wid)")" && [[ $X -eq $1 && $Y -eq $2 ]]; }
    wait_for 5 strip_at $((1280 - 622)) 900 ||
        fail "with the right monitor gone the running strip stands at $X,$Y, not at $((1280 - 622)),900"
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
    run_strip
    [[ $strip_x -eq $((1280 - 622)) && $strip_y -eq 900 ]] ||
        fail "with the right monitor gone the strip stands at $strip_x,$strip_y, not at $((1280 - 622)),900"
    stop_x
    echo "two monitors: the place on the right one stays; without it the strip comes back on the left, also while it runs"
else
    echo "two monitors of one X server: skipped (Xorg with the dummy driver needs root)"
fi
echo "strip_screens: passed"
