#!/usr/bin/env bash
# End-to-end tests: the built program in a real X server (Xvfb) with a window
# manager, driven by xdotool. Each tests/e2e/*.sh gets the build folder.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
shopt -s nullglob
scripts=("$root"/tests/e2e/*.sh)
if [[ ${#scripts[@]} -eq 0 ]]; then
    echo "0 passed, 0 failed"
    exit 0
fi
pass=0; fail=0
for s in "${scripts[@]}"; do
    name=$(basename "$s" .sh)
    if xvfb-run -a -s "-screen 0 1280x1024x24" bash "$s" "$build" >"$build/e2e-$name.log" 2>&1; then
        echo "e2e $name: passed"; pass=$((pass+1))
    else
        echo "e2e $name: FAILED"; sed 's/^/    /' "$build/e2e-$name.log" | tail -40; fail=$((fail+1))
    fi
done
echo "e2e: $pass passed, $fail failed"
[[ $fail -eq 0 ]]
