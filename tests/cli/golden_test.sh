#!/usr/bin/env bash
# Golden outputs of karumoa-calc, run by CTest: the report of each case of
# tests/data/golden/cases.txt, in both formats, must equal the file kept
# for it byte for byte.
#
#   golden_test.sh check BIN SOURCE_DIR NAME FORMAT   compare one case
#   golden_test.sh update BIN SOURCE_DIR              rewrite every golden file
#
# Updating. The golden files are the reference for every number the report
# prints. After a deliberate change of the report, of a calculation or of a
# fixture room, build, run
#   tests/cli/golden_test.sh update build/bin/karumoa-calc .
# from the source folder, and review `git diff tests/data/golden` line by
# line against the worked values (hand-checked terms of the calculation)
# before committing. A new case is a line in cases.txt (and, for a new
# room, a project file written by the program, e.g. with --resave).
set -u
mode=$1 bin=$2 root=$3
shift 3
golden="$root/tests/data/golden"
fail() { echo "FAIL: $*" >&2; exit 1; }

# Arguments of case $1: the room file, then any options.
case_line() {
    grep -v '^#' "$golden/cases.txt" | awk -v n="$1" '$1 == n { $1 = ""; print substr($0, 2) }'
}

run_case() {  # NAME FORMAT -> report on stdout, as run from the source folder
    local line
    line=$(case_line "$1")
    [ -n "$line" ] || fail "no case $1 in cases.txt"
    # shellcheck disable=SC2086  # the options are words
    set -- $line
    local room=$1
    shift
    (cd "$root" && "$bin" --format "$FORMAT" "$@" "$room")
}

case $mode in
check)
    name=$1 FORMAT=$2
    ext=$([ "$FORMAT" = json ] && echo jsonl || echo txt)
    expected="$golden/$name.$ext"
    [ -f "$expected" ] || fail "no golden file $expected"
    actual=$(mktemp)
    trap 'rm -f "$actual"' EXIT
    run_case "$name" >"$actual" || fail "karumoa-calc failed on case $name"
    if ! cmp -s "$expected" "$actual"; then
        diff -u "$expected" "$actual" | head -40 >&2
        fail "$name ($FORMAT) differs from $expected"
    fi
    echo ok
    ;;
update)
    grep -v '^#' "$golden/cases.txt" | while read -r name _; do
        [ -n "$name" ] || continue
        FORMAT=text run_case "$name" >"$golden/$name.txt" || fail "case $name (text)"
        FORMAT=json run_case "$name" >"$golden/$name.jsonl" || fail "case $name (json)"
        echo "updated $name"
    done
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
