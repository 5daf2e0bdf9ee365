#!/usr/bin/env bash
# Time of the calculation document as PDF: karumoa-calc --format pdf over
# COUNT copies of ROOM (default: the example room, 100 copies), best of
# three runs, and the size of one room's PDF (fonts embedded).
#   bench/pdf_throughput.sh [BIN [ROOM [COUNT]]]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin/karumoa-calc}
room=${2:-$here/../examples/example-room.kmd}
count=${3:-100}
[ -x "$bin" ] || { echo "no karumoa-calc at $bin (build first)" >&2; exit 1; }
bin=$(realpath "$bin")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ((i = 1; i <= count; ++i)); do
    cp "$room" "$work/room$i.kmd"
done

best=""
for _ in 1 2 3; do
    /usr/bin/time -f %e -o "$work/time" "$bin" --format pdf --output "$work/all.pdf" "$work"/room*.kmd
    t=$(tail -1 "$work/time")
    if [ -z "$best" ] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then
        best=$t
    fi
done
"$bin" --format pdf --output "$work/one.pdf" "$room"
pages=$(pdfinfo "$work/all.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
printf '%d rooms (%s pages): %s s, %s bytes; one room: %s bytes\n' "$count" "${pages:-?}" "$best" \
    "$(stat -c %s "$work/all.pdf")" "$(stat -c %s "$work/one.pdf")"
