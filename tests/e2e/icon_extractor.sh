#!/usr/bin/env bash
# The icon extractor with a real pointer and keyboard: opened from the
# strip's menu (it loads the system library, here a Wine-prefix stand-in);
# a PE file dropped from another X client (the first of two); the track bar
# moved with the keyboard and that icon saved; a folder made with Create and
# Save All into it.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"
root=$(cd "$(dirname "$0")/../.." && pwd)

prog=$work/prog
dest=$work/dest
home=$work/home
system=$home/.wine/drive_c/windows/system32
mkdir -p "$prog" "$dest" "$system"
cp "$exe" "$prog/TabdeckV10"
cp "$root/tests/data/platform/big.dll" "$system/shell32.dll"
cp "$root/tests/data/platform/pe32.exe" "$root/tests/data/platform/big.dll" "$work/"
printf '[POS]\r\nTop=100\r\nLeft=100\r\n' >"$prog/TabdeckV10.INI"

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
# The folder panel starts at the process's current folder.
(cd "$dest" && HOME=$home exec "$prog/TabdeckV10" >"$work/strip.log" 2>&1) &
pids+=($!)
xdotool search --sync --onlyvisible --name '^TabdeckV10$' >/dev/null

# Right click on button 1, then Options > Extract Icons... by keyboard.
xdotool mousemove 180 126
sleep 0.3
xdotool click 3
sleep 0.5
for _ in 1 2 3 4 5 6; do xdotool key Down; sleep 0.1; done
xdotool key Right
sleep 0.3
xdotool key Down Down Return
wid=$(timeout 10 xdotool search --sync --onlyvisible --name 'Extract Icons with Drag' | head -1)
[[ -n $wid ]] || fail "the menu did not show the extractor"
read -r cx cy < <(xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} END{print x, y}')
echo "extractor shown at $cx,$cy"
at() { xdotool mousemove $((cx + $1)) $((cy + $2)); sleep 0.2; }
press() { at "$1" "$2"; xdotool click 1; sleep 0.4; }
# answer: the box or dialog in front takes the keys.
answer() { sleep 0.8; xdotool key "$@"; sleep 0.5; }

# Drop two files: only the first is opened.
start_drag_source "$work/pe32.exe" "$work/big.dll"
xdotool mousemove 360 640
sleep 0.3
xdotool mousedown 1
for p in "380 620" "420 560" "$((cx + 200)) $((cy + 160))" "$((cx + 250)) $((cy + 150))"; do
    xdotool mousemove $p
    sleep 0.15
done
sleep 0.3
xdotool mouseup 1
wait_for 10 test -s "$work/drag.out" || fail "the drag source did not finish"
echo "dropped ($(cat "$work/drag.out"))"

# The track bar by keyboard: its thumb takes the focus, End goes to the
# last icon, four Lefts to icon 3. Save Current writes that icon.
press 48 127
xdotool key End Left Left Left Left
sleep 0.3
press 140 12
answer ctrl+a
xdotool type --delay 20 "$work/current.ico"
answer Return
answer Return # "Icon File ... was saved."
wait_for 5 test -s "$work/current.ico" || fail "Save Current wrote nothing"

# Folder..., a new folder named in the panel, then Save All into it.
press 325 12
press 429 73
xdotool type --delay 20 made
press 389 100
answer Return # "Folder ... was created."
[[ -d $dest/made ]] || fail "Create made no folder"
press 245 12
answer alt+y # "Are you sure you want to save all the Icons?"
wait_for 10 test -f "$dest/made/pe32_06.ICO" || fail "Save All wrote: $(ls "$dest/made")"
sleep 1
files=$(cd "$dest/made" && ls)
[[ $files == "$(printf 'pe32_%02d.ICO\n' 0 1 2 3 4 5 6)" ]] || fail "Save All wrote: $files"
cmp -s "$work/current.ico" "$dest/made/pe32_03.ICO" || fail "the saved icon is not icon 3"
cmp -s "$work/current.ico" "$dest/made/pe32_00.ICO" && fail "the bar did not move"
[[ $(icotool -l "$work/current.ico" | wc -l) -eq 1 ]] || fail "icotool does not read current.ico"
echo "Save Current = icon 3; Save All wrote $(echo "$files" | wc -l) files into made/"
echo "PASS"
