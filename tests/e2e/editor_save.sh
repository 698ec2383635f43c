#!/usr/bin/env bash
# The control file editor opened from the strip's button menu: text typed
# with the keyboard, Save Changes pressed and confirmed; the file on disk then
# holds the typed line and, byte for byte, everything it held before.
set -euo pipefail
own_session_bus=1 source "$(dirname "$0")/common.bash" "$1"
here=$(cd "$(dirname "$0")" && pwd)

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n[TABLENAME]\r\n1=Caf\xc3\xa9\t\xc2\xa0tabs\r\n' >"$prog/TabdeckV10.INI"
cp "$prog/TabdeckV10.INI" "$work/before.INI"

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox

# The accessibility bus lets the script press the editor's tool buttons.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
pids+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^TabdeckV10$' >/dev/null || fail "no strip"
sleep 1

# Button 1's menu, then Edit (*.ini)..., the eighth item.
xdotool mousemove 270 320
xdotool mousemove 277 326
sleep 0.3
xdotool click 3
sleep 0.6
xdotool key --delay 80 Down Down Down Down Down Down Down Down Return
editor=$(timeout 20 xdotool search --sync --onlyvisible --name '^Edit the Control' | head -1)
[[ -n $editor ]] || fail "the editor did not open"
eval "$(xdotool getwindowgeometry --shell "$editor")"
# Into the text, to its end, then a new line typed by hand.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
sleep 0.3
xdotool key ctrl+End
xdotool type --delay 30 '[TYPED]'
xdotool key Return
xdotool type --delay 30 'Key=by hand'
sleep 0.3
# The press returns when its slot does, after the boxes it opens are closed.
/usr/bin/python3 "$here/atspi.py" press "Save Changes" >"$work/press.log" 2>&1 &
press=$!
pids+=($press)
# "Are you sure ...?" Yes, then the notice's OK.
question() { xdotool search --onlyvisible --name '^Save Changes\?' 2>/dev/null | head -1 | grep .; }
no_question() { ! question >/dev/null; }
wait_for 10 question >/dev/null || fail "no question"
xdotool windowactivate --sync "$(question)"
sleep 0.3
xdotool key Return
wait_for 10 no_question || fail "the question stayed"
# The notice "The changes ... were saved." has the focus now.
sleep 0.8
xdotool key Return
expected=$work/expected.INI
{ cat "$work/before.INI"; printf '[TYPED]\r\nKey=by hand\r\n'; } >"$expected"
saved() { cmp -s "$expected" "$prog/TabdeckV10.INI"; }
wait_for 10 saved || { od -c "$prog/TabdeckV10.INI" | tail -5; fail "the file is not the old bytes plus the typed lines"; }
wait "$press" || fail "pressing Save Changes failed: $(tail -3 "$work/press.log")"
echo "saved: $(wc -c <"$prog/TabdeckV10.INI") bytes, the old ones unchanged"
