#!/usr/bin/env bash
# Installs what is missing, builds, and computes the bundled example room
# with the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
scripts/build.sh
exec build/bin/karumoa-calc --resave /tmp/karumoa-example.kmd examples/example-room.kmd
