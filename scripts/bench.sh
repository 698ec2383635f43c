#!/usr/bin/env bash
# Runs every benchmark program of the bench build; each prints its figures
# with the baseline it measured in the same run.
set -uo pipefail
build=$(cd "${1:-build-bench}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
status=0
for b in "$build"/bin/bench_*; do
    echo "== $(basename "$b")"
    "$b" || status=1
done
for s in "$root"/bench/*.sh; do
    echo "== $(basename "$s")"
    bash "$s" "$build" || status=1
done
exit $status
