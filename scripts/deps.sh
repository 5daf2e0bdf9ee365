#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# skipping those already present. Sourced by run.sh and test.sh.
#   scripts/deps.sh [run|test]
set -euo pipefail

packages=(cmake g++ make pkg-config ccache python3
          qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
          libsqlite3-dev libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev)
if [ "${1:-}" = "run" ]; then
    packages+=(xvfb xauth)
fi
if [ "${1:-}" = "test" ]; then
    # clang-format for the format check; clang and its runtimes (libFuzzer,
    # the sanitizers) for the fuzz build; pdftotext, pdfinfo and pdffonts
    # read the calculation documents back.
    packages+=(clang-format clang libclang-rt-dev poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
