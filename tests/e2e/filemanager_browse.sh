#!/usr/bin/env bash
# The file manager with a real pointer and keyboard: opened from the strip's
# Options menu, a folder entered from the folder list (the process's own
# folder stays where it was), a program file opened from the file list's
# menu, a folder created with Create Folder and removed with Remove Folder.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

prog=$work/prog
browse=$work/browse
mkdir -p "$prog" "$browse/inner"
cp "$exe" "$prog/TabdeckV10"
printf '#!/bin/sh\ndate +%%s > "%s/opened"\n' "$work" >"$browse/inner/run.sh"
chmod +x "$browse/inner/run.sh"
printf '[POS]\r\nTop=300\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"
export XDG_CONFIG_HOME=$work/config

command -v openbox >/dev/null || fail "openbox is not installed"
start_openbox

cd "$browse"
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
strip_pid=$!
pids+=($strip_pid)
xdotool search --sync --onlyvisible --name '^TabdeckV10$' >/dev/null
sleep 1
cwd_is() { [[ $(readlink "/proc/$strip_pid/cwd") == "$1" ]]; }

# Right click on button 1: Options (sixth item) > Files/Folders (fifth).
xdotool mousemove 270 320
xdotool mousemove 277 326
sleep 0.3
xdotool click 3
sleep 0.6
xdotool key --delay 80 Down Down Down Down Down Down Right
sleep 0.3
xdotool key --delay 80 Down Down Down Down Return
fm=$(xdotool search --sync --onlyvisible --name '^Work with Drives, Folders and Files$' | head -1)
[[ -n $fm ]] || fail "Files/Folders did not show the file manager"
echo "file manager shown"
sleep 0.5

# at X Y [BUTTON]: a click at client coordinates of the file manager.
at() {
    xdotool mousemove --window "$fm" "$1" "$2"
    sleep 0.2
    xdotool click "${3:-1}"
    sleep 0.3
}
# The folder list (left) ends with the current folder's children.
enter_last_child() {
    at 100 200
    xdotool key End Return
}

enter_last_child
sleep 0.5
cwd_is "$browse" || fail "browsing moved the program to $(readlink /proc/$strip_pid/cwd)"
echo "entered inner; the process stayed in its folder"

# The file list (right) holds run.sh alone; its menu: Setup Window, Open File.
at 400 124
at 400 124 3
xdotool key --delay 80 Down Down Return
wait_for 10 test -s "$work/opened" || fail "Open File did not start run.sh"
echo "opened run.sh"

# Create Folder with the name typed into Edit2 (right of the header).
xdotool mousemove --window "$fm" 480 24
xdotool click --repeat 3 --delay 60 1
xdotool type --delay 40 Made
at 564 24
sleep 0.5
xdotool key Return
wait_for 5 test -d "$browse/inner/Made" || fail "Create Folder did not make inner/Made"
echo "created inner/Made"

enter_last_child
sleep 0.5
# The folder list's menu after entering: Setup Window, Open Folder, Remove Folder.
# Return answers No, the default before a removal; "y" presses Yes.
at 100 200 3
xdotool key --delay 80 Down Down Down Return
sleep 0.5
xdotool key Return
sleep 0.5
test -d "$browse/inner/Made" || fail "Return in the removal's question removed Made"
at 100 200 3
xdotool key --delay 80 Down Down Down Return
sleep 0.5
xdotool key y
wait_for 5 test ! -e "$browse/inner/Made" || fail "Remove Folder did not remove Made"
echo "removed inner/Made"

# The list is back in inner: Create Folder makes Made there again.
at 564 24
sleep 0.5
xdotool key Return
wait_for 5 test -d "$browse/inner/Made" || fail "after removing Made the list is not back in inner"
cwd_is "$browse" || fail "the program left its folder: $(readlink /proc/$strip_pid/cwd)"
echo "back in inner; the process never moved"
