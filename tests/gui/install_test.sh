#!/usr/bin/env bash
# The install rules: into a temporary prefix, the program folder holds the
# executables, the seven databases and the help file together, bin/ links
# to the executables there, and the desktop entry, the MIME type of project
# files and the icons are in share/.
#   install_test.sh <build folder>
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
program="$prefix/lib/karumoa"
for f in karumoa karumoa-calc karumoa-doc Karumoa.hlp Gaiki.sqlite NetuDendou.sqlite Ondosa.sqlite \
         Nissya.sqlite Jintai.sqlite Syoudo.sqlite kanki.sqlite; do
    [ -f "$program/$f" ] || fail "missing $program/$f"
done
for exe in karumoa karumoa-calc; do
    [ -x "$program/$exe" ] || fail "$exe is not executable"
    [ -L "$prefix/bin/$exe" ] || fail "bin/$exe is not a link"
    [ "$(readlink -f "$prefix/bin/$exe")" = "$(readlink -f "$program/$exe")" ] \
        || fail "bin/$exe does not lead to the program folder"
done
# The link works from anywhere: the tool finds its own folder through it,
# and karumoa-doc there for the PDF.
(cd / && "$prefix/bin/karumoa-calc" --help > /dev/null) || fail "karumoa-calc --help through the link"
example="$(dirname "$0")/../../examples/example-room.kmd"
(cd / && "$prefix/bin/karumoa-calc" --format pdf --output "$prefix/example.pdf" "$(realpath "$example")") \
    || fail "karumoa-calc --format pdf through the link"
[ -s "$prefix/example.pdf" ] || fail "no PDF through the link"
cmp -s "$program/Karumoa.hlp" "$(dirname "$0")/../../data/help/Karumoa.hlp.txt" \
    || fail "the installed help file differs from its source"

desktop="$prefix/share/applications/karumoa.desktop"
[ -f "$desktop" ] || fail "missing $desktop"
for line in "Name=カルモア" "Exec=karumoa %f" "MimeType=application/x-karumoa;" "Icon=karumoa" \
            "Categories=Science;Engineering;" "Type=Application"; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
grep -q "^Comment=.*冷房負荷" "$desktop" || fail "desktop entry lacks its Japanese comment"
for icon in scalable/apps/karumoa.svg 64x64/apps/karumoa.png 128x128/apps/karumoa.png; do
    [ -f "$prefix/share/icons/hicolor/$icon" ] || fail "missing icon $icon"
done
# The MIME type that the desktop entry names: project files by their
# extension, under the name the file dialogs give them.
mime="$prefix/share/mime/packages/karumoa.xml"
[ -f "$mime" ] || fail "missing $mime"
if command -v xmllint > /dev/null; then
    xmllint --noout "$mime" || fail "$mime is not well-formed"
fi
grep -q '<mime-type type="application/x-karumoa">' "$mime" || fail "MIME file lacks its type"
grep -q '<glob pattern="\*\.kmd"/>' "$mime" || fail "MIME file does not name *.kmd"
grep -q '<comment>カルモア標準ファイル</comment>' "$mime" || fail "MIME file lacks its name"
# Where the MIME database tool is present, the install has run it.
if command -v update-mime-database > /dev/null; then
    grep -q ':application/x-karumoa:\*\.kmd' "$prefix/share/mime/globs2" \
        || fail "the MIME database of the prefix does not map *.kmd"
fi
echo "install layout ok"
