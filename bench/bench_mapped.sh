#!/usr/bin/env bash
# Exec to the strip's window mapped, seen from a real X server (Xvfb, no
# window manager), against a bare Qt frameless window started the same way:
# first start in an empty folder, and a start with a full control file.
# Runs are interleaved so all three meet the same load; medians are printed.
#   bench/bench_mapped.sh BUILD_DIR     (RUNS=15 by default)
set -euo pipefail
build=$(cd "${1:-build-bench}" && pwd)
runs=${RUNS:-15}
if [[ -z ${BENCH_MAPPED_DISPLAY:-} ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env BENCH_MAPPED_DISPLAY=1 RUNS="$runs" \
        bash "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
full=$work/full
mkdir -p "$full"
"$build/bin/bench_startup" --fill "$full"
cp "$build/bin/TabdeckV10" "$full/"

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
bare=() empty=() loaded=()
for ((i = 1; i <= runs; i++)); do
    bare+=("$("$build/bin/map_time" "$build/bin/bench_startup" --floor --stay)")
    prog=$work/empty$i
    mkdir -p "$prog"
    cp "$build/bin/TabdeckV10" "$prog/"
    empty+=("$("$build/bin/map_time" "$prog/TabdeckV10")")
    rm -rf "$prog"
    loaded+=("$("$build/bin/map_time" "$full/TabdeckV10")")
done
b=$(median "${bare[@]}")
e=$(median "${empty[@]}")
l=$(median "${loaded[@]}")
awk -v b="$b" -v e="$e" -v l="$l" -v n="$runs" 'BEGIN {
    printf "exec to mapped, bare frameless Qt window: %.1f ms (median of %d)\n", b, n
    printf "exec to mapped, strip, first start:      %.1f ms = %.2f x bare (limit 1.1)\n", e, e / b
    printf "exec to mapped, strip, full file:        %.1f ms = %.2f x bare\n", l, l / b
}'
