#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVORMAK_SANITIZE=ON -DVORMAK_WERROR=ON -DVORMAK_BENCH=ON
cmake --build build/test
# As root: build the .deb, install it, start it, remove it (skipped otherwise).
scripts/package-test.sh
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
scripts/static-checks.sh build/test
scripts/fuzz.sh 30
