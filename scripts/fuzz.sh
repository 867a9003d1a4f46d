#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh            each target for 30 s (what ./test.sh runs)
#   scripts/fuzz.sh 3600       each target for an hour
#   scripts/fuzz.sh 600 check  one target only
# Fails on any finding; a crashing input is left in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
only=${2:-}
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; skipped"
    exit 0
fi
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVORMAK_FUZZ=ON -DVORMAK_GUI=OFF -DVORMAK_TESTS=OFF -DVORMAK_WERROR=ON >/dev/null
cmake --build build/fuzz
mkdir -p build/fuzz/findings
for target in build/fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target" | sed 's/^fuzz_//')
    [ -z "$only" ] || [ "$only" = "$name" ] || continue
    work=build/fuzz/corpus/$name
    mkdir -p "$work"
    [ -d "fuzz/corpus/$name" ] && cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
    echo "fuzz: $name for ${seconds}s"
    # Each target runs in a scratch folder of its own: some of them write files.
    scratch=$(mktemp -d)
    (cd "$scratch" && "$OLDPWD/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$OLDPWD/build/fuzz/findings/$name-" -print_final_stats=1 \
        "$OLDPWD/$work") 2>&1 | grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==|SUMMARY|.*ERROR)' || true
    rm -rf "$scratch"
    if ls build/fuzz/findings/"$name"-* >/dev/null 2>&1; then
        echo "fuzz: $name found a failing input: $(ls build/fuzz/findings/"$name"-*)" >&2
        exit 1
    fi
done
echo "fuzz: no findings"
