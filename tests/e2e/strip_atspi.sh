#!/usr/bin/env bash
# The strip through a screen reader's eyes (AT-SPI): 360 push buttons named
# "Button N, table T: hint" (Button 1 ... Button 360, each with its own
# table), each described by its target's hint, and pressing "Button 1"
# through AT-SPI starts its target as a click does.
set -euo pipefail
own_session_bus=1 source "$(dirname "$0")/common.bash" "$1"
here=$(cd "$(dirname "$0")" && pwd)
atspi() { /usr/bin/python3 "$here/atspi.py" "$@"; }

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
marker=$work/started
target=$work/mark.sh
printf '#!/bin/sh\ntouch "%s"\n' "$marker" >"$target"
chmod +x "$target"
cp "$(dirname "$0")/../../resources/Icons/gear.bmp" "$prog/gear.bmp"
printf '[BUTTON]\r\n1=%s\r\n[ICON]\r\n1=%s\r\n' "$target" "$prog/gear.bmp" >"$prog/TabdeckV10.INI"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
pids+=($!)
timeout 20 xdotool search --sync --onlyvisible --name '^TabdeckV10$' >/dev/null || fail "no strip"

count=$(atspi count Button) || fail "no buttons on the accessibility bus"
[[ $count -eq 360 ]] || fail "$count buttons named Button N, table T, not 360"
# The hint follows the table loading, which runs after the window shows.
described() { description=$(atspi describe "Button 1"); [[ $description == mark.sh ]]; }
wait_for 10 described || fail "Button 1 is described as '$description'"
named() { name=$(atspi name "Button 1"); [[ $name == "Button 1, table 1: mark.sh" ]]; }
wait_for 10 named || fail "Button 1 is named '$name'"
# The door and the hide bar are named buttons too.
[[ $(atspi describe Exit) == *Exit* && $(atspi describe Hide) == "Click to Hide" ]] ||
    fail "the door or the hide bar has no name"
[[ ! -e $marker ]] || fail "started before the press"
atspi press "Button 1" || fail "the press action failed"
exists() { [[ -e $marker ]]; }
wait_for 10 exists || fail "pressing Button 1 did not start its target"
echo "360 buttons; Button 1 described as '$description' and started by its press action"
