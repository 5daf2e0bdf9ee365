#!/usr/bin/env bash
# Runs one fuzz target for CTest and keeps its whole log; prints the
# target's final line and statistics (executions, coverage), or the end of
# the log with the finding when the run fails.
#   run_fuzz.sh LOG TARGET [libFuzzer arguments and corpus folders...]
set -u
log=$1
shift
mkdir -p "$(dirname "$log")"
"$@" >"$log" 2>&1
status=$?
if [ $status -ne 0 ]; then
    tail -n 60 "$log"
    echo "FAIL: $(basename "$2") exited with $status; the input is kept as $(grep -o 'Test unit written to .*' "$log" | head -1)"
    exit $status
fi
grep -E 'INFO: Loaded 1 modules|^#[0-9]+[[:space:]]+DONE|^stat::' "$log"
