# Shared by the end-to-end scripts that run the program under the desktops
# people use (sourced after common.bash, not run): each compositor headless
# at 1920 x 1080 with its XWayland, or openbox on an Xvfb of the same size.
#   start_compositor NAME   NAME: mutter, kwin, sway or openbox. Exports
#                           DISPLAY (and XAUTHORITY where the compositor
#                           made one, SWAYSOCK under sway) for the program; fails the script when
#                           the compositor does not come up within seconds.
#   stop_compositor         ends it and what it started.
# mutter and KWin run as the tests do; sway refuses root, so a root test runs
# it as the user tabdecksway, made here when missing, whose XWayland lets in
# only that user until it admits root (xhost).
comp_pid=
comp_name=
comp_dir=
comp_wayland= # the compositor's Wayland socket, for screenshots
comp_bus=     # its session bus (mutter, KWin), for screenshots
comp_user=()  # runs a command as the user sway runs as
trap 'stop_compositor; cleanup' EXIT

# comp_env_written: the compositor's first client wrote its environment.
comp_env_written() { [[ -s $comp_dir/env ]] && grep -q '^DISPLAY=:' "$comp_dir/env"; }
comp_x_answers() { xdpyinfo >/dev/null 2>&1; }

start_compositor() {
    comp_name=$1
    # Outside the work folder: sway's user must reach it.
    comp_dir=$(mktemp -d "/tmp/tabdeck-$1.XXXX")
    chmod 700 "$comp_dir"
    comp_locks=$(x_locks)
    # The first client the compositor starts writes the environment it was
    # given: DISPLAY and XAUTHORITY of its XWayland.
    local tell='echo "DISPLAY=$DISPLAY"; echo "XAUTHORITY=$XAUTHORITY"; echo "WAYLAND_DISPLAY=$WAYLAND_DISPLAY"; echo "SWAYSOCK=$SWAYSOCK"; echo "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS"'
    case $1 in
    mutter)
        command -v mutter >/dev/null || fail "mutter is not installed"
        XDG_RUNTIME_DIR=$comp_dir setsid dbus-run-session -- \
            mutter --headless --wayland --virtual-monitor 1920x1080 -- \
            sh -c "{ $tell; } >$comp_dir/env.tmp; mv $comp_dir/env.tmp $comp_dir/env; exec sleep 3600" \
            >"$comp_dir/log" 2>&1 &
        ;;
    kwin)
        command -v kwin_wayland >/dev/null || fail "kwin_wayland is not installed"
        # The packaged binary carries a file capability that a container may
        # refuse to grant; a copy without it runs. Its own platform plugin
        # only loads in a program named kwin_wayland.
        mkdir -p "$comp_dir/bin"
        cp /usr/bin/kwin_wayland "$comp_dir/bin/kwin_wayland"
        XDG_RUNTIME_DIR=$comp_dir KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 setsid dbus-run-session -- \
            "$comp_dir/bin/kwin_wayland" --virtual --xwayland --width 1920 --height 1080 \
            "sh -c '{ $tell; } >$comp_dir/env.tmp; mv $comp_dir/env.tmp $comp_dir/env; exec sleep 3600'" \
            >"$comp_dir/log" 2>&1 &
        ;;
    sway)
        command -v sway >/dev/null || fail "sway is not installed"
        if [[ $(id -u) -eq 0 ]]; then
            id tabdecksway >/dev/null 2>&1 ||
                useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
                    tabdecksway || fail "cannot make the user sway runs as"
            chown tabdecksway "$comp_dir"
            comp_user=(runuser -u tabdecksway --)
        else
            comp_user=()
        fi
        cat >"$comp_dir/config" <<EOF
output HEADLESS-1 resolution 1920x1080 position 0 0
xwayland enable
default_border none
exec sh -c 'xhost +si:localuser:root >/dev/null; { $tell; } >$comp_dir/env.tmp; mv $comp_dir/env.tmp $comp_dir/env'
EOF
        setsid "${comp_user[@]}" env -i PATH=/usr/bin:/bin HOME="$comp_dir" \
            XDG_RUNTIME_DIR="$comp_dir" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
            sway -c "$comp_dir/config" >"$comp_dir/log" 2>&1 &
        ;;
    openbox)
        command -v openbox >/dev/null || fail "openbox is not installed"
        # Its own X server at the compositors' size, so the checks compare alike.
        setsid sh -c "Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>$comp_dir/display.tmp &
            until [ -s $comp_dir/display.tmp ]; do sleep 0.1; done
            echo DISPLAY=:\$(cat $comp_dir/display.tmp) >$comp_dir/env.tmp; mv $comp_dir/env.tmp $comp_dir/env
            DISPLAY=:\$(cat $comp_dir/display.tmp) exec openbox --sm-disable" >"$comp_dir/log" 2>&1 &
        ;;
    *) fail "no compositor named $1" ;;
    esac
    comp_pid=$!
    wait_for 30 comp_env_written || fail "$1 did not start within 30 s: $(tail -5 "$comp_dir/log")"
    local line
    unset XAUTHORITY SWAYSOCK
    while IFS= read -r line; do
        case $line in
        DISPLAY=*) export DISPLAY=${line#DISPLAY=} ;;
        XAUTHORITY=?*) export XAUTHORITY=${line#XAUTHORITY=} ;;
        WAYLAND_DISPLAY=*) comp_wayland=${line#WAYLAND_DISPLAY=} ;;
        DBUS_SESSION_BUS_ADDRESS=*) comp_bus=${line#DBUS_SESSION_BUS_ADDRESS=} ;;
        SWAYSOCK=?*) export SWAYSOCK=${line#SWAYSOCK=} ;; # sway's commands, as in its session
        esac
    done <"$comp_dir/env"
    # sway starts its XWayland on the first connection.
    wait_for 20 comp_x_answers || fail "$1: its X server $DISPLAY does not answer: $(tail -5 "$comp_dir/log")"
    if [[ $1 == openbox ]]; then
        wait_for 10 openbox_manages || fail "openbox did not take the display"
    else
        sleep 1 # the window manager of XWayland takes over its root window
    fi
    echo "$1: up on $DISPLAY"
}
openbox_manages() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

stop_compositor() {
    [[ -n $comp_pid ]] || return 0
    kill -TERM -- "-$comp_pid" 2>/dev/null || true
    local end=$((SECONDS + 5))
    while kill -0 -- "-$comp_pid" 2>/dev/null && [[ $SECONDS -lt $end ]]; do sleep 0.1; done
    kill -KILL -- "-$comp_pid" 2>/dev/null || true
    wait "$comp_pid" 2>/dev/null || true
    # An X server ended before it could tidy up leaves its socket and lock;
    # only those that came with this compositor and whose server is gone go.
    local lock n owner
    for lock in $(x_locks); do
        grep -qxF "$lock" <<<"$comp_locks" && continue
        owner=$(tr -d ' \n' <"$lock" 2>/dev/null) || continue
        [[ -n $owner ]] && kill -0 "$owner" 2>/dev/null && continue
        n=${lock#/tmp/.X}
        rm -f "$lock" "/tmp/.X11-unix/X${n%-lock}"
    done
    rm -rf "$comp_dir"
    comp_pid=
    unset SWAYSOCK
}
x_locks() { ls /tmp/.X*-lock 2>/dev/null || true; }
