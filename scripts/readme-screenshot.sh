#!/usr/bin/env bash
# Renders docs/screenshot.png, the README's picture: the real window after a
# check over the sample files in examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORMAK_TESTS=OFF >/dev/null
cmake --build build/release -j2 --target readme_screenshot
tool=$PWD/build/release/packaging/readme_screenshot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A folder of its own: no conversion table of an earlier run, short paths in the picture.
cp -r examples "$work/"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$tool" screenshot.png)
mkdir -p docs
cp "$work/screenshot.png" docs/screenshot.png
echo "docs/screenshot.png"
