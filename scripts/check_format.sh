#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what clang-format
# makes of it (the rules are in .clang-format). `clang-format -i FILE`, or
# `cmake --build build --target format` for all of them, mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
else
    find src tests bench tools \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 clang-format --dry-run -Werror
fi
