#!/usr/bin/env bash
# The program among other desktop programs: a second start of the same copy
# hands over to the first (the hidden strip comes back, raised and active)
# and ends with 0, so one process is left; another copy in another folder is
# an instance of its own. The window's class matches the desktop entry's
# StartupWMClass. "Start with the desktop" writes an autostart entry that
# desktop-file-validate accepts, under $XDG_CONFIG_HOME, and removes it again.
# Without an X display the program says so in one line and ends with 1.
set -euo pipefail
own_session_bus=1 source "$(dirname "$0")/common.bash" "$1"
here=$(cd "$(dirname "$0")" && pwd)

prog=$work/prog
mkdir -p "$prog" "$work/config"
cp "$exe" "$prog/TabdeckV10"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"

start_openbox

at() { local w; w=$(strip_wid) || return 1; eval "$(xdotool getwindowgeometry --shell "$w")"; [[ $X -eq $1 && $Y -eq $2 ]]; }
count() { pgrep -c -f "^$1/TabdeckV10\$" || true; }
"$prog/TabdeckV10" >"$work/first.log" 2>&1 &
first=$!
pids+=($first)
wait_for 15 at 200 300 || fail "the first strip did not show at (200,300)"
sockets=("$XDG_RUNTIME_DIR"/tabdeckv10-*.sock)
[[ ${#sockets[@]} -eq 1 && -S ${sockets[0]} ]] || fail "not one socket: ${sockets[*]}"
socket=${sockets[0]}

wm_class=$(xprop -id "$(strip_wid)" WM_CLASS)
entry_class=$(grep '^StartupWMClass=' "$here/../../packaging/example.fernhollow.TabdeckV10.desktop" | cut -d= -f2)
[[ $wm_class == *"\"$entry_class\""* ]] || fail "WM_CLASS $wm_class does not match StartupWMClass=$entry_class"

# Hidden at the edge, then started again.
xdotool mousemove 815 328; sleep 0.2; xdotool mousemove 817 330; sleep 0.3
xdotool click 1
wait_for 5 at -611 300 || fail "the strip did not hide"
status=0
timeout 20 "$prog/TabdeckV10" >"$work/second.log" 2>&1 || status=$?
[[ $status -eq 0 ]] || fail "the second start ended with $status: $(cat "$work/second.log")"
wait_for 5 at 200 300 || fail "the first strip did not come back from hiding"
[[ $(count "$prog") -eq 1 ]] || fail "$(count "$prog") processes of the copy are running"
kill -0 "$first" || fail "the first instance ended"
active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$(strip_wid)" ]]; }
wait_for 5 active || fail "the first strip is not the active window"

# Another copy is another instance.
other=$work/other
mkdir -p "$other"
cp "$exe" "$other/TabdeckV10"
"$other/TabdeckV10" >"$work/other.log" 2>&1 &
pids+=($!)
two() { [[ $(count "$other") -eq 1 && $(count "$prog") -eq 1 ]]; }
sleep 2
two || fail "a copy in another folder did not start on its own"
kill "${pids[-1]}"

# A crash leaves the socket and the lock file, and something else may take
# the socket's place (here a folder): the next start takes the place over,
# and of two starts at the same moment one stays and shows its strip.
kill -9 "$first"
wait "$first" 2>/dev/null || true
[[ -S $socket ]] || fail "no socket left by the crash"
rm "$socket"
mkdir -p "$socket/inner"
"$prog/TabdeckV10" >"$work/third.log" 2>&1 &
a=$!
"$prog/TabdeckV10" >"$work/fourth.log" 2>&1 &
b=$!
pids+=($a $b)
wait_for 15 at 200 300 || fail "after a crash the next start did not show its strip"
one() { [[ $(count "$prog") -eq 1 ]]; }
wait_for 10 one || fail "two starts at once left $(count "$prog") processes"
sleep 1
third=$(pgrep -f "^$prog/TabdeckV10\$") || fail "after a crash both starts ended: $(cat "$work/third.log" "$work/fourth.log")"
handed=$a
[[ $third == "$a" ]] && handed=$b
status=0
wait "$handed" || status=$?
[[ $status -eq 0 ]] || fail "the start handed over ended with $status"
# A later start is answered at once (its whole run, the toolkit's start too).
started=$(date +%s%N)
status=0
timeout 10 "$prog/TabdeckV10" >"$work/fifth.log" 2>&1 || status=$?
ms=$((($(date +%s%N) - started) / 1000000))
[[ $status -eq 0 ]] && ((ms < 1000)) || fail "a later start ended with $status after $ms ms"
one || fail "a later start left $(count "$prog") processes"
echo "a later start handed over and ended after $ms ms"

# Start with the desktop: the options item writes and removes the entry.
# (Button menu on button 1, Options, its last item: Up from the first wraps there.)
autostart_file=$XDG_CONFIG_HOME/autostart/example.fernhollow.TabdeckV10.desktop
toggle_autostart() {
    xdotool mousemove 275 326; sleep 0.3
    xdotool click 3; sleep 0.5
    for _ in 1 2 3 4 5 6; do xdotool key Down; sleep 0.1; done
    xdotool key Right; sleep 0.3
    xdotool key Up; sleep 0.1
    xdotool key Return
}
toggle_autostart
written() { [[ -f $autostart_file ]]; }
wait_for 5 written || fail "no autostart entry at $autostart_file"
desktop-file-validate "$autostart_file" || fail "the autostart entry does not validate"
grep -qx "Exec=\"$prog/TabdeckV10\"" "$autostart_file" || fail "Exec is not this program: $(grep Exec "$autostart_file")"
toggle_autostart
removed() { [[ ! -e $autostart_file ]]; }
wait_for 5 removed || fail "the autostart entry was not removed"
kill "$third"

# No display at all: one line, status 1.
status=0
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prog/TabdeckV10" 2>&1 >/dev/null) || status=$?
[[ $status -eq 1 && $(wc -l <<<"$err") -eq 1 && $err == *X11* ]] || fail "without a display: status $status, '$err'"
status=0
err=$(env -u QT_QPA_PLATFORM DISPLAY=:4711 "$prog/TabdeckV10" 2>&1 >/dev/null) || status=$?
[[ $status -eq 1 && $(wc -l <<<"$err") -eq 1 && $err == *:4711* ]] || fail "with a dead display: status $status, '$err'"
echo "one instance per copy, handed over, taken over after a crash (a folder in the socket's place) by one of two starts; WM_CLASS $wm_class; autostart entry valid; no display said in one line"
