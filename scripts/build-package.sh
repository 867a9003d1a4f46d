#!/usr/bin/env bash
# Builds the Debian package of the program (Release, installed under /usr) and
# prints the path of the .deb it made.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly build=build/package

scripts/install-deps.sh --package >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVORMAK_TESTS=OFF -DVORMAK_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr >&2
cmake --build "$build" -j2 >&2
rm -f "$build"/vormak_*.deb
(cd "$build" && cpack -G DEB) >&2
deb=$(ls "$build"/vormak_*.deb)
echo "$deb"
