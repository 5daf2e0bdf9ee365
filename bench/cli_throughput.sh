#!/usr/bin/env bash
# Throughput of the karumoa-calc report against merely reading the files.
#   bench/cli_throughput.sh [BIN [ROOM [COUNT]]]
# Copies ROOM (default: the example room) COUNT times (default 20000) into
# a temporary folder, then times `cat` over the copies and karumoa-calc in
# both formats over them (output to /dev/null), each the best of three
# runs, and prints rooms per second and the ratio to cat. One process each:
# the report runs on one core.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:-$here/../build/bin/karumoa-calc}
room=${2:-$here/../examples/example-room.kmd}
count=${3:-20000}
[ -x "$bin" ] || { echo "no karumoa-calc at $bin (build first)" >&2; exit 1; }
# The runs below change to the folder of the copies.
bin=$(realpath "$bin")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# tee writes a thousand copies per process.
for ((i = 1; i <= count; ++i)); do
    printf '%s\0' "$work/room$i.kmd"
done | xargs -0 -n 1000 sh -c 'tee "$@" <"$0" >/dev/null' "$room"
cmp -s "$room" "$work/room$count.kmd" || { echo "copying failed" >&2; exit 1; }

# Best elapsed time of three runs of the command, in seconds.
best() {
    local t best_t=""
    for _ in 1 2 3; do
        /usr/bin/time -f %e -o "$work/time" "$@" >/dev/null 2>&1
        t=$(tail -1 "$work/time")
        if [ -z "$best_t" ] || awk -v a="$t" -v b="$best_t" 'BEGIN { exit !(a < b) }'; then
            best_t=$t
        fi
    done
    echo "$best_t"
}
run_cat() { cd "$work" && exec cat ./*.kmd; }
run_calc() { cd "$work" && exec "$bin" --format "$1" ./*.kmd; }
export -f run_cat run_calc
export work bin

# The command itself must succeed, or the figures mean nothing.
(cd "$work" && "$bin" --format json ./room1.kmd >/dev/null)

t_cat=$(best bash -c run_cat)
t_json=$(best bash -c 'run_calc json')
t_text=$(best bash -c 'run_calc text')
awk -v n="$count" -v c="$t_cat" -v j="$t_json" -v t="$t_text" 'BEGIN {
    printf "%-24s %8s %12s %8s\n", "", "seconds", "rooms/s", "x cat"
    printf "%-24s %8.3f %12.0f %8.2f\n", "cat", c, n / c, 1
    printf "%-24s %8.3f %12.0f %8.2f\n", "karumoa-calc --format json", j, n / j, j / c
    printf "%-24s %8.3f %12.0f %8.2f\n", "karumoa-calc --format text", t, n / t, t / c
}'
