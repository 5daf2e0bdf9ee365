#!/usr/bin/env bash
# Installs what is missing, checks the formatting of every tracked C++
# source, builds everything and runs every test through CTest: the normal
# build (warnings as errors), then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/check_format.sh

export QT_QPA_PLATFORM=offscreen
runtime_dir=$(mktemp -d)
chmod 700 "$runtime_dir"
export XDG_RUNTIME_DIR="$runtime_dir"
trap 'rm -rf "$runtime_dir"' EXIT

scripts/build.sh -DKARUMOA_WERROR=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKARUMOA_SANITIZE=ON -DKARUMOA_WERROR=ON \
      -DKARUMOA_BUILD_GUI=OFF -DKARUMOA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -L core
