#!/usr/bin/env bash
# The strip speaks the user's language: under LANG=de_DE.UTF-8 its door and
# its main menu are German; LANGUAGE=C keeps the English texts.
set -euo pipefail
own_session_bus=1 source "$(dirname "$0")/common.bash" "$1"
here=$(cd "$(dirname "$0")" && pwd)
atspi() { /usr/bin/python3 "$here/atspi.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# strip_menu DOOR VARIABLES...: starts a strip in a folder of its own with
# those variables, waits for its door button named DOOR, right-clicks
# button 1 and prints the main menu's items, one a line.
strip_menu() {
    local door=$1 prog=$work/prog$RANDOM
    shift
    mkdir -p "$prog"
    cp "$exe" "$prog/TabdeckV10"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@" "$prog/TabdeckV10" >"$prog/strip.log" 2>&1 &
    local pid=$! win
    pids+=("$pid")
    win=$(timeout 20 xdotool search --sync --onlyvisible --name '^TabdeckV10$' | head -1) ||
        fail "no strip"
    atspi describe "$door" >/dev/null || fail "no door named '$door' under $*"
    # Button 1 sits right of the move handle.
    xdotool mousemove --window "$win" 70 25 click 3
    atspi menu 12
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

german=$(strip_menu Beenden LANG=de_DE.UTF-8)
english=$(strip_menu Exit LANG=de_DE.UTF-8 LANGUAGE=C)
[[ $german == "$(printf '%s\n' Öffnen Ausschneiden Einfügen Löschen Dateieigenschaften... \
    Optionen Eigenschaften 'Bearbeiten (*.ini)...' Hilfe 'Menü schließen')" ]] ||
    fail "the main menu under LANG=de_DE.UTF-8 is not German: $german"
[[ $english == "$(printf '%s\n' Open Cut Paste Delete 'File Prop...' Options Properties \
    'Edit (*.ini)...' Help 'Close Menu')" ]] ||
    fail "the main menu under LANGUAGE=C is not English: $english"
echo "main menu German under LANG=de_DE.UTF-8 ($(tr '\n' ',' <<<"$german")), English under LANGUAGE=C"
