#!/usr/bin/env bash
# Exec to the strip's window mapped, seen from a real X server (Xvfb, no
# window manager), against a bare Qt frameless window started the same way:
# first start in an empty folder, and a start with a full control file.
# Runs are interleaved so all three meet the same load; medians are printed.
# A desktop session has a session bus, which the accessibility bridge asks
# at start: the runs get one of their own, so no run pays for looking for a
# bus that is not there.
#   bench/bench_mapped.sh BUILD_DIR [BEFORE_DIR]   (RUNS=15 by default)
# With BEFORE_DIR (a folder holding an earlier build's TabdeckV10), its two
# starts are timed in the same rounds, for a before/after comparison.
set -euo pipefail
build=$(cd "${1:-build-bench}" && pwd)
before=${2:+$(cd "$2" && pwd)}
runs=${RUNS:-15}
if [[ -z ${BENCH_MAPPED_DISPLAY:-} ]]; then
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
        env BENCH_MAPPED_DISPLAY=1 RUNS="$runs" bash "$0" "$build" $before
fi
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
full=$work/full
mkdir -p "$full"
"$build/bin/bench_startup" --fill "$full"
cp "$build/bin/TabdeckV10" "$full/"

if [[ -n $before ]]; then
    mkdir -p "$work/before"
    cp "$full/TabdeckV10.INI" "$work/before/"
    cp -r "$full/Icons" "$work/before/" 2>/dev/null || true
    cp "$before/TabdeckV10" "$work/before/"
fi

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# Exec to mapped of a first start of that program binary, in a fresh folder.
firstStart() {
    local prog=$work/empty
    mkdir -p "$prog"
    cp "$1" "$prog/"
    "$build/bin/map_time" "$prog/TabdeckV10"
    rm -rf "$prog"
}
bare=() empty=() loaded=() emptyBefore=() loadedBefore=()
for ((i = 1; i <= runs; i++)); do
    bare+=("$("$build/bin/map_time" "$build/bin/bench_startup" --floor --stay)")
    empty+=("$(firstStart "$build/bin/TabdeckV10")")
    loaded+=("$("$build/bin/map_time" "$full/TabdeckV10")")
    if [[ -n $before ]]; then
        emptyBefore+=("$(firstStart "$before/TabdeckV10")")
        loadedBefore+=("$("$build/bin/map_time" "$work/before/TabdeckV10")")
    fi
done
report() {
    awk -v b="$(median "${bare[@]}")" -v e="$2" -v l="$3" -v n="$runs" -v who="$1" 'BEGIN {
        printf "exec to mapped, bare frameless Qt window: %.1f ms (median of %d)\n", b, n
        printf "exec to mapped, %s first start: %.1f ms = %.2f x bare (limit 1.1)\n", who, e, e / b
        printf "exec to mapped, %s full file:   %.1f ms = %.2f x bare\n", who, l, l / b
    }'
}
report "strip," "$(median "${empty[@]}")" "$(median "${loaded[@]}")"
if [[ -n $before ]]; then
    report "before," "$(median "${emptyBefore[@]}")" "$(median "${loadedBefore[@]}")" | tail -2
fi
