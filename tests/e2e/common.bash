# Shared by the end-to-end scripts (sourced, not run): the build folder's
# programs, a work folder removed on exit, waiting on conditions and drags
# from the test drag source.
# A script that sets own_session_bus=1 before sourcing runs again inside a
# session bus of its own, where the accessibility bus starts on demand; this
# comes first, before the work folder and its clean-up exist.
if [[ -n ${own_session_bus:-} && -z ${TABDECK_SESSION_BUS:-} ]]; then
    TABDECK_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
build=$1
exe=$build/bin/TabdeckV10
# The scripts look for the program's own texts (window titles, menu items),
# whatever language the machine running them speaks; a script about another
# language sets its own.
export LANGUAGE=C
source_tool=$build/bin/dragsource
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [[ -n ${KEEP:-} ]] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
# start_openbox: the window manager the scripts run under, given a second
# to take over the display.
start_openbox() {
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}
# wait_for SECONDS COMMAND...: retries the command until it succeeds.
wait_for() {
    local limit=$1; shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [[ $SECONDS -lt $end ]] || return 1
        sleep 0.1
    done
}
# ini_value SECTION KEY: the value in the program folder's control file ($prog).
ini_value() {
    tr -d '\r' <"$prog/TabdeckV10.INI" | awk -F= -v s="[$1]" -v k="$2" \
        '$0 ~ /^\[/ {in_s = (toupper($0) == toupper(s))} in_s && $1 == k {print substr($0, length(k) + 2)}'
}
ini_is() { [[ $(ini_value "$1" "$2") == "$3" ]]; } # SECTION KEY VALUE, read anew each try
# start_drag_source FILE...: the test drag source offering the files, its
# window at (300, 600); sets drag_pid.
start_drag_source() {
    # A previous source's window must be gone first: a search that meets a
    # window while it is destroyed fails with BadWindow.
    if [[ -n ${drag_pid:-} ]]; then
        kill "$drag_pid" 2>/dev/null || true
        wait "$drag_pid" 2>/dev/null || true
    fi
    "$source_tool" ${drag_opts:-} 300 600 "$@" >"$work/drag.out" 2>"$work/drag.log" &
    drag_pid=$!
    pids+=("$drag_pid")
    wait_for 10 drag_source_shown || fail "the drag source did not show"
    sleep 0.5
}
drag_source_shown() { xdotool search --onlyvisible --name '^dragsource$' >/dev/null 2>&1; }
# drag_to_strip: presses on the drag source's window and drops on the strip
# at (545, 326), moving in steps as a hand does so every client sees it.
drag_to_strip() {
    xdotool mousemove 360 640
    sleep 0.3
    xdotool mousedown 1
    for p in "370 600" "400 500" "450 400" "500 340" "540 326" "545 326"; do
        xdotool mousemove $p
        sleep 0.15
    done
    sleep 0.3
    xdotool mouseup 1
}
# drag_move_handle X Y DX: presses at (X, Y) on the strip's move handle and
# moves DX pixels right in five steps before releasing.
drag_move_handle() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove $(($1 + $3 * step / 5)) "$2"
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
}
# strip_wid: the strip's window (622 x 51, titled TabdeckV10); a style change
# may give it a new X window, so it is looked up anew each time.
strip_wid() {
    local w
    for w in $(xdotool search --onlyvisible --name '^TabdeckV10$' 2>/dev/null); do
        # A tooltip or menu may vanish between the search and this query.
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        if [[ ${WIDTH:-0} -eq 622 && $HEIGHT -eq 51 ]]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
# box_wid TITLE: the first visible window of that title (or "TITLE — …").
box_wid() { xdotool search --onlyvisible --name "^$1( — .*)?\$" 2>/dev/null | head -1; }
no_box() { [[ -z $(box_wid "$1") ]]; }
window_up() { [[ -n $(box_wid "$1") ]]; }
# button_menu X Y KEYS...: the pointer onto the button at (X, Y), moving so
# the strip sees it cross, a right click, then the menu walked by the keys.
button_menu() {
    local x=$1 y=$2
    shift 2
    xdotool mousemove "$x" "$y"
    xdotool mousemove $((x + 7)) $((y + 6))
    sleep 0.3
    xdotool click 3
    sleep 0.6
    xdotool key --delay 80 "$@"
}
# open_email: with the strip at Top=300 Left=200, a right click on button 1,
# Options (the sixth item), E-mail... (the one after the first, which the
# opening submenu highlights); sets email and its client origin ex, ey.
open_email() {
    button_menu 270 320 Down Down Down Down Down Down Right
    sleep 0.3
    xdotool key --delay 80 Down Return
    wait_for 10 window_up E-mail ||
        fail "the E-mail window did not open; windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
    email=$(box_wid E-mail)
    sleep 0.5
    # The client area's origin (xdotool reports it off by the frame here).
    ex=$(xwininfo -id "$email" | awk '/Absolute upper-left X/ {print $4}')
    ey=$(xwininfo -id "$email" | awk '/Absolute upper-left Y/ {print $4}')
}
