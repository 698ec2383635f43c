#!/usr/bin/env bash
# The first start in a folder that holds only the program and its help file
# shows the extensive help in the program's own help window; a later start,
# with the control file in place, does not.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
help_shown() { [[ -n $(xdotool search --onlyvisible --name '^TabdeckV10 Help$' 2>/dev/null) ]]; }

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
cp "$build/bin/ExtensiveHelp.hlp" "$prog/"

start() {
    "$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
    strip_pid=$!
    pids+=($strip_pid)
    xdotool search --sync --onlyvisible --name '^TabdeckV10$' >/dev/null
}
start
wait_for 10 test -s "$prog/TabdeckV10.INI" || fail "no control file made"
wait_for 10 help_shown || fail "the first start showed no help window"
grep -q 'Unable to detect a launcher' "$work/strip.log" && fail "the help file went to the desktop"
kill -0 "$strip_pid" || fail "the program ended"
echo "first start shows the help window"
kill "$strip_pid"
wait "$strip_pid" 2>/dev/null || true

start
sleep 3
help_shown && fail "a later start showed the help window again"
echo "later start shows no help"
echo "PASS"
