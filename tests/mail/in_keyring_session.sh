#!/bin/sh
# Runs a command on a private session bus that has a Secret Service of its
# own (gnome-keyring, login keyring unlocked), with a throwaway home folder,
# so a test of the keyring touches nothing of the user's.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
rc=0
dbus-run-session -- sh -c '
    printf "unlock" | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    daemon=
    for i in $(seq 50); do # the daemon takes its name on the bus soon after it forks
        daemon=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID string:org.freedesktop.secrets \
            2>/dev/null | awk "/uint32/ { print \$2 }")
        [ -n "$daemon" ] && break
        sleep 0.1
    done
    [ -n "$daemon" ] || { echo "no Secret Service on the test bus" >&2; exit 1; }
    rc=0
    "$@" || rc=$?
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null
    exit $rc' sh "$@" || rc=$?
exit $rc
