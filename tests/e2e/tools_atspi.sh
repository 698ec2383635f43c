#!/usr/bin/env bash
# Every tool window through a screen reader's eyes (AT-SPI): each is opened
# from the strip's button menu with the keyboard, as a user who cannot use
# a mouse does, and walked; any control that takes focus but has no name
# fails, since a screen reader would read it as a bare "edit" or "button".
set -euo pipefail
own_session_bus=1 source "$(dirname "$0")/common.bash" "$1"
here=$(cd "$(dirname "$0")" && pwd)

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf 'notes\n' >"$prog/notes.txt"
printf '[POS]\r\nTop=100\r\nLeft=200\r\n[BUTTON]\r\n1=%s\r\n' "$prog/notes.txt" >"$prog/TabdeckV10.INI"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_openbox
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
pids+=($!)
wait_for 20 strip_wid >/dev/null || fail "no strip"
sleep 1

# check TITLE KEYS...: opens a window by keys and walks it; every window is
# walked before the script fails, so one run names every unnamed control.
failed=()
check() {
    local title=$1; shift
    button_menu 270 120 "$@"
    local out
    if out=$(/usr/bin/python3 "$here/atspi_walk.py" "$title"); then
        echo "$title: $out"
    else
        echo "$title: $(tr '\n' ';' <<<"$out")"
        failed+=("$title")
    fi
}

opt=(Down Down Down Down Down Down Right)
check "E-mail" "${opt[@]}" Down Return
check "TabdeckV10 - Extract Icons with Drag & Drop" "${opt[@]}" Down Down Return
check "Convert Icons to Bitmaps" "${opt[@]}" Down Down Down Return
check "Work with Drives, Folders and Files" "${opt[@]}" Down Down Down Down Return
check "TabdeckV10 View Pictures" "${opt[@]}" Down Down Down Down Down Return
check "File Properties" Down Down Down Down Down Return
check "Edit the Control (*.ini) File" Down Down Down Down Down Down Down Down Return
check "TabdeckV10 Help" Down Down Down Down Down Down Down Down Down Right \
    Down Down Down Down Down Down Down Down Down Return
[[ ${#failed[@]} -eq 0 ]] || fail "unnamed controls in: ${failed[*]}"
echo "tools_atspi: every tool window's controls are named"
