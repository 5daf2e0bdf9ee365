#!/usr/bin/env bash
# End-to-end checks of the karumoa-calc report, run by CTest.
#   report_test.sh CHECK BIN SOURCE_DIR
set -u
check=$1 bin=$2 root=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
example="$root/examples/example-room.kmd"
rooms="$root/tests/data/rooms"

# Runs the binary with the given arguments; stdout, stderr and the exit
# status end up in $work/out, $work/err and $status.
run() {
    "$bin" "$@" >"$work/out" 2>"$work/err"
    status=$?
}
expect_status() { [ "$status" -eq "$1" ] || fail "exit $status for '${*:2}', expected $1: $(cat "$work/err")"; }
expect_err() { grep -qF -- "$1" "$work/err" || fail "stderr does not name '$1': $(cat "$work/err")"; }
json_field() {  # LINE KEY.PATH -> value of the JSON line's field
    python3 -c 'import json,sys
v = json.loads(sys.argv[1])
for k in sys.argv[2].split("."):
    v = v[int(k)] if isinstance(v, list) else v[k]
print(json.dumps(v, ensure_ascii=False))' "$1" "$2"
}

case $check in
several-files-one-broken)
    # A file that does not read and one the tables refuse, between good
    # ones: both are reported by name, the others still computed.
    run "$example" "$root/tests/data/broken/truncated.kmd" "$rooms/one-wall.kmd" \
        "$rooms/conditions-only.kmd" "$root/tests/data/no-such-file.kmd" "$rooms/diagonal-room.kmd"
    expect_status 1
    expect_err "tests/data/broken/truncated.kmd: "
    expect_err "rooms/conditions-only.kmd: "
    expect_err "Syoudo.sqlite"
    expect_err "no-such-file.kmd: "
    [ "$(wc -l <"$work/err")" -eq 3 ] || fail "expected three messages: $(cat "$work/err")"
    [ "$(grep -c '^==== ' "$work/out")" -eq 3 ] || fail "expected three reports"
    for f in examples/example-room.kmd rooms/one-wall.kmd rooms/diagonal-room.kmd; do
        grep -q "^==== .*$f ====" "$work/out" || fail "no report of $f"
    done
    grep -q "broken\|conditions-only\|no-such" "$work/out" && fail "a failed file was reported on stdout"
    run --format json "$example" "$rooms/conditions-only.kmd" "$rooms/one-wall.kmd"
    expect_status 1
    [ "$(wc -l <"$work/out")" -eq 2 ] || fail "expected two JSON lines"
    # All good: exit 0, nothing on stderr.
    run "$example" "$rooms/one-wall.kmd"
    expect_status 0
    [ ! -s "$work/err" ] || fail "unexpected messages: $(cat "$work/err")"
    ;;
bad-arguments)
    for args in "--indoor-temp abc $example" "--indoor-temp 21.9 $example" \
                "--indoor-temp 32.5 $example" "--indoor-temp 26x $example" \
                "--indoor-temp= $example" "--format xml $example" "--no-such-option $example" \
                "--indoor-temp 26" "--data-dir"; do
        # shellcheck disable=SC2086
        run $args
        expect_status 2 $args
        [ ! -s "$work/out" ] || fail "output for bad arguments '$args'"
    done
    run --indoor-temp nan "$example"
    expect_status 2
    run --help
    expect_status 0
    grep -q -- "--indoor-temp" "$work/out" || fail "--help does not list --indoor-temp"
    ;;
indoor-temp)
    # 28 C: one degree moves 4 kcal/h per person from sensible to latent
    # heat (office 54/47 at 26 C) and the glass difference is 32.6 - 28.
    run --format json --indoor-temp 28 "$example"
    expect_status 0
    line=$(cat "$work/out")
    [ "$(json_field "$line" indoor_temp)" = 28 ] || fail "indoor_temp $(json_field "$line" indoor_temp)"
    [ "$(json_field "$line" internal.qps)" = 46 ] || fail "qps at 28 C"
    [ "$(json_field "$line" internal.qpl)" = 55 ] || fail "qpl at 28 C"
    [ "$(json_field "$line" structural.glass.0.dt)" = 4.6 ] || fail "glass dt at 28 C"
    run --format json "$example"
    [ "$(json_field "$(cat "$work/out")" internal.qps)" = 54 ] || fail "qps at the default 26 C"
    # Tenths rounded halves to even: 26.25 is 262, 26.35 is 264; 22 and 32 are allowed.
    for t in "26.25 26.2" "26.35 26.4" "22 22" "32.0 32"; do
        set -- $t
        run --format json --indoor-temp "$1" "$example"
        expect_status 0
        [ "$(json_field "$(cat "$work/out")" indoor_temp)" = "$2" ] || fail "--indoor-temp $1"
    done
    run --indoor-temp 28 "$example"
    grep -qF "室内温度: 28.0℃" "$work/out" || fail "text header at 28 C"
    ;;
empty-data-dir)
    mkdir "$work/empty"
    run --data-dir "$work/empty" "$example"
    expect_status 1
    expect_err "Gaiki.sqlite"
    [ ! -s "$work/out" ] || fail "output without databases"
    # The databases beside the binary are found without --data-dir, also
    # when the binary is called through a link from elsewhere.
    ln -s "$bin" "$work/calc-link"
    (cd "$work" && ./calc-link --format json "$example" >"$work/out" 2>"$work/err")
    status=$?
    expect_status 0
    ;;
unusable-inputs)
    # A K no construction gives (it made every load infinite and the total
    # print as 0.00) and a FIFO given as a project file: each is refused by
    # name at once, nothing is printed.
    run "$root/tests/data/broken/huge-k.kmd"
    expect_status 1
    expect_err "huge-k.kmd: 4 行目: 壁1 の「熱貫流率」の値「3.4E+38」は範囲外です"
    [ ! -s "$work/out" ] || fail "a refused room was reported"
    # Without a writer a FIFO would be waited on for ever; timeout ends
    # such a wait with 124.
    mkfifo "$work/room.kmd"
    timeout 10 "$bin" "$work/room.kmd" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -ne 124 ] || fail "karumoa-calc waits on a FIFO given as a project file"
    expect_status 1
    expect_err "room.kmd: 通常のファイルではありません"
    ;;
json-lines)
    run --format json "$example" "$rooms/one-wall.kmd" "$rooms/attributes-blinds.kmd"
    expect_status 0
    [ "$(wc -l <"$work/out")" -eq 3 ] || fail "expected one line per file"
    python3 - "$work/out" <<'PY' || fail "JSON lines lack keys"
import json, sys
keys = """file indoor_temp outdoor_temp city structural.elements structural.sums
structural.max.value structural.max.hour structural.glass structural.glass_conduction
structural.glass_sums structural.glass_max.value structural.glass_max.hour structural.total
structural.total_max.value structural.total_max.hour internal.area internal.qps internal.qpl
internal.np internal.qp internal.lighting.qe internal.lighting.mode internal.ventilation.v
internal.ventilation.di internal.ventilation.qv totals.occupant totals.lighting
totals.ventilation totals.structural totals.sum""".split()
element = "houi name width height area k group dte qw".split()
glass = "houi name dt area qgc igr qgr".split()
ok = True
for line in open(sys.argv[1], encoding="utf-8"):
    room = json.loads(line)
    for key in keys:
        v = room
        for k in key.split("."):
            if k not in v:
                print("missing", key, "in", room["file"]); ok = False; break
            v = v[k]
    for e in room["structural"]["elements"]:
        ok = ok and all(k in e for k in element) and len(e["dte"]) == 4 and len(e["qw"]) == 4
    for g in room["structural"]["glass"]:
        ok = ok and all(k in g for k in glass) and len(g["igr"]) == 4 and len(g["qgr"]) == 4
sys.exit(0 if ok else 1)
PY
    line=$(head -1 "$work/out")
    [ "$(json_field "$line" city)" = '"東京"' ] || fail "city"
    [ "$(json_field "$line" structural.elements.0.k)" = 0.6205618 ] || fail "k as a single"
    [ "$(json_field "$line" structural.total_max.hour)" = 10 ] || fail "hour"
    [ "$(json_field "$line" totals.sum)" = 5279.884 ] || fail "sum"
    ;;
text-layout)
    run "$example"
    expect_status 0
    for want in "構造体負荷計算" "人体、照明、換気負荷計算" "負荷合計" "  構造体熱量   2446.76" \
                "  5279.88kcal/h" "壁窓合計負荷 = 2446.76[kcal/h][10時]"; do
        grep -qF -- "$want" "$work/out" || fail "no '$want' in the text report"
    done
    # No line has trailing blanks.
    grep -q ' $' "$work/out" && fail "trailing blanks"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
echo ok
