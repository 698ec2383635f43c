#!/usr/bin/env bash
# The picture viewer in a real X server: the clipboard round trip with
# another X client (the viewer's clipboard test class on the xcb platform);
# the viewer opened from the strip's Options menu; a JPEG dropped from
# another client is loaded and lands in PicFile.lst; after a restart the
# list is read back, so the next drop rewrites it with both entries.
set -euo pipefail
source "$(dirname "$0")/common.bash" "$1"

QT_QPA_PLATFORM=xcb timeout 120 "$build/bin/tst_viewer_window" -class ViewerClipboardTest \
    >"$work/clipboard.log" 2>&1 || { tail -30 "$work/clipboard.log"; fail "clipboard round trip"; }
grep -q "Totals: .* 0 failed, 0 skipped" "$work/clipboard.log" || fail "clipboard test did not run whole"
echo "clipboard round trip with xclip"

prog=$work/prog
mkdir -p "$prog"
cp "$exe" "$prog/TabdeckV10"
printf '[POS]\r\nTop=900\r\nLeft=200\r\n' >"$prog/TabdeckV10.INI"
# Two solid pictures, 64 x 48, as JPEG files.
for c in red:255,0,0 blue:0,0,255; do
    name=${c%%:*}
    python3 -c "import sys; r,g,b=map(int,sys.argv[1].split(',')); sys.stdout.buffer.write(b'P6\n64 48\n255\n'+bytes([r,g,b])*3072)" \
        "${c#*:}" | cjpeg -quality 95 >"$work/$name.jpg"
done

start_program() {
    "$prog/TabdeckV10" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    xdotool search --sync --onlyvisible --name '^TabdeckV10$' >/dev/null
    sleep 0.5
}
# Right click on button 1, then Options (sixth item) > View Pictures... (sixth;
# a submenu opened by key starts on its first item).
open_viewer() {
    xdotool mousemove 270 920
    xdotool mousemove 277 926
    sleep 0.3
    xdotool click 3
    sleep 0.6
    xdotool key --delay 80 Down Down Down Down Down Down Right
    sleep 0.3
    xdotool key --delay 80 Down Down Down Down Down Return
    viewer=$(timeout 10 xdotool search --sync --onlyvisible --name '^TabdeckV10 View Pictures$' | head -1)
    [[ -n $viewer ]] || fail "View Pictures... did not show the viewer"
    eval "$(xdotool getwindowgeometry --shell "$viewer")"
    vx=$X vy=$Y
}
# Drags FILE from the drag source into the viewer's picture area.
drop_on_viewer() {
    start_drag_source "$1"
    xdotool mousemove 360 640
    sleep 0.3
    xdotool mousedown 1
    for p in "400 600" "500 500" "$((vx + 300)) $((vy + 200))" "$((vx + 310)) $((vy + 210))"; do
        xdotool mousemove $p
        sleep 0.15
    done
    sleep 0.3
    xdotool mouseup 1
    wait_for 10 test -s "$work/drag.out" || fail "the drag did not end"
}
# The source must outlive the drop: the viewer reads the dragged data from it.
end_drag_source() { kill "$drag_pid" 2>/dev/null || true; wait "$drag_pid" 2>/dev/null || true; }
list_is() { [[ -f $prog/PicFile.lst && $(cat "$prog/PicFile.lst") == "$1" ]]; }

start_program
open_viewer
echo "viewer shown at $vx,$vy"
drop_on_viewer "$work/red.jpg"
wait_for 10 list_is "$work/red.jpg"$'\r' || fail "the drop did not load red.jpg: $(cat -A "$prog/PicFile.lst" 2>&1)"
echo "dropped red.jpg ($(cat "$work/drag.out"))"
end_drag_source
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true

start_program
open_viewer
drop_on_viewer "$work/blue.jpg"
wait_for 10 list_is "$work/red.jpg"$'\r\n'"$work/blue.jpg"$'\r' ||
    fail "the list after a restart: $(cat -A "$prog/PicFile.lst")"
echo "recent list kept across the restart"
end_drag_source
kill "$program_pid"; wait "$program_pid" 2>/dev/null || true
echo "PASS"
