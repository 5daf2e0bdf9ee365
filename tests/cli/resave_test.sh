#!/usr/bin/env bash
# End-to-end checks of karumoa-calc --resave, run by CTest.
#   resave_test.sh identical BIN IN   OUT is byte-identical to IN
#   resave_test.sh broken BIN IN      exit 1, message names IN, OUT untouched
#   resave_test.sh usage BIN ARGS...  exit 2
set -u
mode=$1 bin=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

case $mode in
identical)
    in=$1
    "$bin" --resave "$work/out.kmd" "$in" 2>"$work/err" || fail "exit $? for $in: $(cat "$work/err")"
    cmp "$in" "$work/out.kmd" || fail "$work/out.kmd differs from $in"
    [ ! -s "$work/err" ] || fail "unexpected output: $(cat "$work/err")"
    ;;
broken)
    in=$1
    printf 'keep' >"$work/out.kmd"
    "$bin" --resave "$work/out.kmd" "$in" 2>"$work/err"
    status=$?
    [ $status -eq 1 ] || fail "exit $status for $in, expected 1"
    grep -qF -- "$in" "$work/err" || fail "message does not name $in: $(cat "$work/err")"
    grep -q '行目\|ファイル' "$work/err" || fail "message is not the reader's: $(cat "$work/err")"
    [ "$(cat "$work/out.kmd")" = keep ] || fail "OUT was changed"
    [ "$(ls -A "$work" | wc -l)" -eq 2 ] || fail "files left behind: $(ls -A "$work")"
    cat "$work/err"
    ;;
usage)
    (cd "$work" && "$bin" "$@") >/dev/null 2>"$work/err"
    status=$?
    [ $status -eq 2 ] || fail "exit $status for arguments '$*', expected 2: $(cat "$work/err")"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo ok
