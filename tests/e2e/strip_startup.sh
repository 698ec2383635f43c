#!/usr/bin/env bash
# The built program started in a prepared program folder: a frameless
# 622 x 51 window centred on the screen whose table 1 shows the executables'
# icons and the chosen pictures, compared with what our readers make of them;
# then again at scale factor 2, where every picture must still show whole and
# a place stored past the scaled screen's edge brings the whole strip onto it.
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
# 256 x 256: shrunk to show whole in the button.
cp "$root/tests/data/graphics/ico-multi_4_256x256x32.png" "$prog/Icons/four.png"
printf '[BUTTON]\r\n1=%s\r\n2=%s\r\n3=%s\r\n4=%s\r\n5=%s\r\n[ICON]\r\n1=%s\r\n2=%s\r\n3=%s\r\n4=%s\r\n5=%s\r\n' \
    "$prog/Tool.EXE" "$prog/notes.txt" "$prog/" "https://example.org/" "$prog/notes.txt" \
    "$prog/Tool.EXE" "$prog/Icons/one.bmp" "$prog/Icons/two.ico" "$prog/Icons/three.jpg" \
    "$prog/Icons/four.png" >"$prog/TabdeckV10.INI"

: >"$prog/notes.txt" # a document that exists: its button is drawn whole

# run_at SCALE: starts the strip at this scale factor, checks its size and
# table 1's pictures in a screenshot (device pixels), and ends it.
run_at() {
    local scale=$1
    QT_SCALE_FACTOR=$scale "$prog/TabdeckV10" >>"$work/strip.log" 2>&1 &
    strip_pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^TabdeckV10$' | head -1)
    [[ -n $wid ]] || fail "no strip window at scale $scale"

    eval "$(xdotool getwindowgeometry --shell "$wid")"
    [[ $WIDTH -eq $((622 * scale)) && $HEIGHT -eq $((51 * scale)) ]] ||
        fail "size ${WIDTH}x${HEIGHT} at scale $scale"
    read -r sw sh < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
    ((X >= 0 && Y >= 0 && X + WIDTH <= sw && Y + HEIGHT <= sh)) ||
        fail "the strip at $X,$Y (${WIDTH}x${HEIGHT}) is not whole on the ${sw}x${sh} screen at scale $scale"
    if [[ $scale -eq 1 ]]; then
        [[ $X -eq $(((sw - 622) / 2)) ]] || fail "x $X on a screen $sw wide"
        [[ $Y -eq $(((sh - 51) / 2)) || $Y -eq $(((sh - 51 + 1) / 2)) ]] ||
            fail "y $Y on a screen $sh high"
        # Frameless: the window asks the window manager for no decorations.
        hints=$(xprop -id "$wid" _MOTIF_WM_HINTS 2>/dev/null || true)
        # The hints are flags, functions, decorations, ...: decorations valid (0x2) and none.
        deco=$(echo "$hints" | sed -n 's/.*= *\([^,]*\), *[^,]*, *\([^,]*\).*/\1 \2/p')
        [[ $deco == "0x2 0x0" || $deco == "0x3 0x0" ]] || fail "decorations requested: $hints"
    fi

    # Give the loader jobs and the first paint time, then take the picture.
    sleep 2
    "$build/bin/button_compare" --shot "$work/shot$scale.png" || fail "no screenshot"
    local slot_x=(8 50 93 135 178)
    check() { # BUTTON SOURCE...
        local n=$1; shift
        local x=$((X + scale * (51 + ${slot_x[$((n - 1))]} + 1))) y=$((Y + scale * (8 + 1)))
        "$build/bin/button_compare" "$work/shot$scale.png" "$x" "$y" "$@" --scale "$scale" ||
            fail "button $n differs at scale $scale"
    }
    check 1 --icon "$prog/Tool.EXE"
    check 2 "$prog/Icons/one.bmp"
    check 3 "$prog/Icons/two.ico"
    check 4 "$prog/Icons/three.jpg"
    check 5 "$prog/Icons/four.png"
    kill -0 "$strip_pid" || fail "the program ended at scale $scale"
    kill "$strip_pid"
    wait "$strip_pid" 2>/dev/null || true
    strip_pid=
}

run_at 1
# At scale 2 the screen holds 640 x 512 of the toolkit's pixels: a place
# stored for a larger screen comes back with the whole strip on it.
printf '[POS]\r\nTop=486\r\nLeft=20\r\n' >>"$prog/TabdeckV10.INI"
run_at 2
echo "passed"
