#!/usr/bin/env bash
# Renders the README's pictures of the real window after a check over the
# sample files in examples/: docs/screenshot.png; docs/screenshot-200.png at
# twice the size (QT_SCALE_FACTOR=2); docs/screenshot-dark.png on an X server
# whose desktop sets a dark palette (KDE's Breeze Dark colours), which the
# window does not take over.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing: scripts/install-deps.sh --test" >&2; exit 1; }
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORMAK_TESTS=OFF >/dev/null
cmake --build build/release -j2 --target readme_screenshot
tool=$PWD/build/release/packaging/readme_screenshot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A folder of its own: no conversion table of an earlier run, short paths in the picture.
cp -r examples "$work/"
mkdir -p "$work/config"
cat >"$work/config/kdeglobals" <<'COLOURS'
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=239,240,241
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
COLOURS
(
    cd "$work"
    QT_QPA_PLATFORM=offscreen "$tool" screenshot.png
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$tool" screenshot-200.png
    XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/config" \
        QT_QPA_PLATFORM=xcb xvfb-run -a -s "-noreset" "$tool" screenshot-dark.png
)
mkdir -p docs
for picture in screenshot.png screenshot-200.png screenshot-dark.png; do
    cp "$work/$picture" "docs/$picture"
    echo "docs/$picture"
done
