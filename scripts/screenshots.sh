#!/usr/bin/env bash
# Takes screenshots of the desktop program's main states under Xvfb
# (start-up with the splash window, no room, a new room, a four-walled
# room with roof, floor, skylight and windows, a diagonal room, the
# unsaved-changes question, the two tool windows, the About window, the
# help viewer, the construction dialog for a wall, the roof and the
# floor, the window dialog for a wall and the skylight, the wall and the
# roof-and-floor context menus, the lighting dialog on every tab and the
# ventilation dialog in both methods, the two report windows of the example
# room, scrolled, arranged three ways and maximised) into a folder,
# default screenshots/.
#   scripts/screenshots.sh [folder]
# KARUMOA_BUILD_DIR may name an already configured build folder to use
# instead of build/; only the driver and the files beside it are built there.
# Xvfb has no window manager, so windows have no title bars.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-screenshots}"
scripts/deps.sh run
if ! dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q "install ok installed"; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends imagemagick
fi
build="${KARUMOA_BUILD_DIR:-}"
if [ -z "$build" ]; then
    build=build
    scripts/build.sh
fi
cmake --build "$build" --target karumoa_screenshots karumoa_reference_data karumoa_help -j"$(nproc)"
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bin/karumoa_screenshots" "$out"
