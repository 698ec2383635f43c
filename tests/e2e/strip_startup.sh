#!/usr/bin/env bash
# The built program started in a prepared program folder: a frameless
# 622 x 51 window centred on the screen whose table 1 shows the executables'
# icons and the chosen pictures, compared with what our readers make of them.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
strip_pid=
cleanup() {
    [[ -n $strip_pid ]] && kill "$strip_pid" 2>/dev/null || true
    [[ -n ${KEEP:-} ]] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

prog=$work/prog
mkdir -p "$prog/Icons"
cp "$build/bin/TabdeckV10" "$prog/"
cp "$root/tests/data/platform/pe32.exe" "$prog/Tool.EXE"
cp "$root/tests/data/graphics/core24.bmp" "$prog/Icons/one.bmp"
cp "$root/tests/data/graphics/depth32.ico" "$prog/Icons/two.ico"
cp "$root/tests/data/graphics/baseline.jpg" "$prog/Icons/three.jpg"
printf '[BUTTON]\r\n1=%s\r\n2=%s\r\n3=%s\r\n4=%s\r\n[ICON]\r\n1=%s\r\n2=%s\r\n3=%s\r\n4=%s\r\n' \
    "$prog/Tool.EXE" "$prog/notes.txt" "$prog/" "https://example.org/" \
    "$prog/Tool.EXE" "$prog/Icons/one.bmp" "$prog/Icons/two.ico" "$prog/Icons/three.jpg" \
    >"$prog/TabdeckV10.INI"

: >"$prog/notes.txt" # a document that exists: its button is drawn whole
"$prog/TabdeckV10" >"$work/strip.log" 2>&1 &
strip_pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^TabdeckV10$' | head -1)
[[ -n $wid ]] || fail "no strip window"

eval "$(xdotool getwindowgeometry --shell "$wid")"
[[ $WIDTH -eq 622 && $HEIGHT -eq 51 ]] || fail "size ${WIDTH}x${HEIGHT}"
read -r sw sh < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
[[ $X -eq $(((sw - 622) / 2)) ]] || fail "x $X on a screen $sw wide"
[[ $Y -eq $(((sh - 51) / 2)) || $Y -eq $(((sh - 51 + 1) / 2)) ]] || fail "y $Y on a screen $sh high"
# Frameless: the window asks the window manager for no decorations.
hints=$(xprop -id "$wid" _MOTIF_WM_HINTS 2>/dev/null || true)
# The hints are flags, functions, decorations, ...: decorations valid (0x2) and none.
deco=$(echo "$hints" | sed -n 's/.*= *\([^,]*\), *[^,]*, *\([^,]*\).*/\1 \2/p')
[[ $deco == "0x2 0x0" || $deco == "0x3 0x0" ]] || fail "decorations requested: $hints"

# Give the loader jobs and the first paint time, then take the picture.
sleep 2
"$build/bin/button_compare" --shot "$work/shot.png" || fail "no screenshot"
slot_x=(8 50 93 135)
check() { # BUTTON SOURCE...
    local n=$1; shift
    local x=$((X + 51 + ${slot_x[$((n - 1))]} + 1)) y=$((Y + 8 + 1))
    "$build/bin/button_compare" "$work/shot.png" "$x" "$y" "$@" || fail "button $n differs"
}
check 1 --icon "$prog/Tool.EXE"
check 2 "$prog/Icons/one.bmp"
check 3 "$prog/Icons/two.ico"
check 4 "$prog/Icons/three.jpg"
# An empty button shows nothing but its panel: button 5's centre is the face colour.
kill -0 "$strip_pid" || fail "the program ended"
echo "passed"
