# Shared by the end-to-end scripts (sourced, not run): the build folder's
# programs, a work folder removed on exit, and waiting on conditions.
build=$1
exe=$build/bin/TabdeckV10
source_tool=$build/bin/dragsource
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [[ -n ${KEEP:-} ]] && echo "kept $work" || rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
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
