#!/usr/bin/env bash
# End-to-end checks of the CSV report and of the calculation document as
# PDF (karumoa-calc --format pdf, which runs karumoa-doc), run by CTest.
#   document_test.sh CHECK BIN SOURCE_DIR
set -u
check=$1 bin=$2 root=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
example="$root/examples/example-room.kmd"
one_wall="$root/tests/data/rooms/one-wall.kmd"

run() {
    "$bin" "$@" >"$work/out" 2>"$work/err"
    status=$?
}
expect_status() { [ "$status" -eq "$1" ] || fail "exit $status for '${*:2}', expected $1: $(cat "$work/err")"; }
# The load total of a room as the text report prints it, "5279.88".
text_sum() { "$bin" "$1" | sed -n 's/^ *\([0-9.]*\)kcal\/h$/\1/p'; }

case $check in
csv-matches-json)
    # Every qw, qgr, qgc, qp, qe, qv and the sum of the CSV, read back, is
    # the JSON report's number; the file opens as UTF-8 with CR LF lines.
    rooms=("$example" "$root"/tests/data/rooms/{one-wall,diagonal-room,attributes-blinds}.kmd
           "$root"/tests/data/golden/rooms/*.kmd)
    "$bin" --format csv "${rooms[@]}" >"$work/csv" || fail "csv report failed"
    "$bin" --format json --indoor-temp 26 "${rooms[@]}" >"$work/json" || fail "json report failed"
    python3 - "$work/csv" "$work/json" <<'PY' || fail "CSV and JSON disagree"
import csv, io, json, math, sys
raw = open(sys.argv[1], 'rb').read()
assert raw.startswith(b'\xef\xbb\xbf'), 'no byte-order mark'
lines = raw[3:].split(b'\r\n')
assert lines[-1] == b'' and all(b'\n' not in l and b'\r' not in l for l in lines), 'not CR LF'
rows = list(csv.reader(io.StringIO(raw[3:].decode('utf-8'), newline='')))
assert rows[0] == ['ファイル', '区分', '部位', '時刻', '記号', '値', '単位'], rows[0]
terms = {}
for f, section, element, hour, symbol, value, unit in rows[1:]:
    key = (f, section, element, hour, symbol, unit)
    assert key not in terms, key
    terms[key] = float(value)
checked = 0
def same(key, expected):
    global checked
    assert key in terms, key
    assert terms[key] == expected, (key, terms[key], expected)
    checked += 1
hours = ['10', '12', '14', '16']
reports = [json.loads(l) for l in open(sys.argv[2])]
assert len(reports) == len({k[0] for k in terms}), 'rooms'
for r in reports:
    f, s, i = r['file'], r['structural'], r['internal']
    for e in s['elements']:
        for h, q in zip(hours, e['qw']):
            same((f, '構造体', e['name'], h, 'qw', 'kcal/h'), q)
    for g in s['glass']:
        same((f, '窓', g['name'], '', 'qgc', 'kcal/h'), g['qgc'])
        for h, q in zip(hours, g['qgr']):
            same((f, '窓', g['name'], h, 'qgr', 'kcal/h'), q)
    same((f, '人体', '', '', 'qp', 'kcal/h'), i['qp'])
    same((f, '照明', '', '', 'qe', 'kcal/h'), i['lighting']['qe'])
    same((f, '換気', '', '', 'qv', 'kcal/h'), i['ventilation']['qv'])
    same((f, '負荷合計', '合計', '', '', 'kcal/h'), r['totals']['sum'])
    # The kW from the single, the JSON's decimal of it within its digits.
    kw = (f, '負荷合計', '合計', '', '', 'kW')
    assert math.isclose(terms[kw], r['totals']['sum'] * 1.163 / 1000, rel_tol=1e-7), kw
assert checked > 200, checked
PY
    ;;
pdf-two-rooms)
    # One PDF with both rooms' documents, each from a new page: both files,
    # both totals, the K derivation lines and the page numbers read back.
    run --format pdf --output "$work/two.pdf" "$example" "$one_wall"
    expect_status 0
    [ ! -s "$work/out" ] && [ ! -s "$work/err" ] || fail "output besides the PDF: $(cat "$work/err")"
    pdftotext -layout "$work/two.pdf" "$work/two.txt" || fail "pdftotext"
    [ "$(grep -c '冷房負荷計算書' "$work/two.txt")" -eq 2 ] || fail "two title blocks"
    for f in example-room.kmd one-wall.kmd; do
        grep -q "ファイル *$f" "$work/two.txt" || fail "no title of $f"
    done
    for room in "$example" "$one_wall"; do
        sum=$(text_sum "$room")
        [ -n "$sum" ] || fail "no sum of $room"
        grep -q "^合計 *$sum " "$work/two.txt" || fail "no sum $sum of $room"
    done
    grep -q 'R = Σ( t / λ ) + r *1.6114' "$work/two.txt" || fail "no R of the example's walls"
    grep -q 'K = 1 / R *0.62' "$work/two.txt" || fail "no K of the example's walls"
    pages=$(pdfinfo "$work/two.pdf" | sed -n 's/^Pages: *//p')
    # Each document numbers its own pages; they add up to the file's.
    total=0
    for f in example-room.kmd one-wall.kmd; do
        n=$(grep -o "$f *[0-9]* / [0-9]*" "$work/two.txt" | head -1 | sed 's/.*\/ //')
        [ -n "$n" ] || fail "no page numbers of $f"
        grep -q "$f *$n / $n" "$work/two.txt" || fail "no last page of $f"
        total=$((total + n))
    done
    [ "$pages" -eq "$total" ] || fail "$pages pages, $total numbered"
    # The font is embedded, and one room's document stays small.
    pdffonts "$work/two.pdf" | grep -q 'IPAGothic.* yes ' || fail "font not embedded"
    run --format pdf --output "$work/one.pdf" "$example"
    expect_status 0
    size=$(stat -c %s "$work/one.pdf")
    [ "$size" -lt 307200 ] || fail "one room's PDF is $size bytes"
    ;;
pdf-arguments)
    run --format pdf "$example"
    expect_status 2
    grep -q -- '--output' "$work/err" || fail "no word of --output"
    # The indoor temperature reaches the document.
    run --format pdf --indoor-temp 28 --output "$work/28.pdf" "$example"
    expect_status 0
    pdftotext -layout "$work/28.pdf" - | grep -q '^室内条件 *28℃' || fail "not at 28 C"
    run --format pdf --indoor-temp 40 --output "$work/40.pdf" "$example"
    expect_status 2
    [ ! -e "$work/40.pdf" ] || fail "a PDF at a refused temperature"
    # A file that does not read is named; the others are written.
    run --format pdf --output "$work/some.pdf" "$example" "$root/tests/data/broken/truncated.kmd"
    expect_status 1
    grep -q 'truncated.kmd: ' "$work/err" || fail "the broken file is not named"
    pdftotext "$work/some.pdf" - | grep -q 'example-room.kmd' || fail "the good room is missing"
    # No room to write: no file.
    run --format pdf --output "$work/none.pdf" "$root/tests/data/broken/truncated.kmd"
    expect_status 1
    [ ! -e "$work/none.pdf" ] || fail "a PDF without rooms"
    # A folder that does not exist.
    run --format pdf --output "$work/no/such/dir/x.pdf" "$example"
    expect_status 1
    grep -q 'x.pdf' "$work/err" || fail "the PDF that could not be written is not named"
    # karumoa-calc alone, without karumoa-doc beside it, says what is missing.
    mkdir "$work/alone"
    cp "$bin" "$work/alone/"
    "$work/alone/$(basename "$bin")" --format pdf --output "$work/a.pdf" --data-dir "$(dirname "$bin")" \
        "$example" >"$work/out" 2>"$work/err"
    status=$?
    expect_status 1
    grep -q 'karumoa-doc' "$work/err" || fail "karumoa-doc is not named: $(cat "$work/err")"
    ;;
output-file)
    # --output writes what standard output would show.
    "$bin" --format csv "$example" >"$work/stdout.csv"
    run --format csv --output "$work/file.csv" "$example"
    expect_status 0
    cmp -s "$work/stdout.csv" "$work/file.csv" || fail "--output differs from standard output"
    run --format json --output "$work/no/such/dir/x.json" "$example"
    expect_status 1
    grep -q 'x.json' "$work/err" || fail "the file is not named"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
