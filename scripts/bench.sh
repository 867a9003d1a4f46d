#!/usr/bin/env bash
# Builds the Release programs and prints every speed and memory figure:
# 999 x 999 in the engine, the window and vormak-check; 100,000 x 100,000 and
# 1,000,000 x 1,000,000 in vormak-check and 100,000 x 100,000 in the window,
# with and without the comparison folds; Miller on the same files when it is
# installed. The generated lists are kept in build/bench-data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORMAK_TESTS=OFF \
    -DVORMAK_BENCH=ON >/dev/null
cmake --build build/release
bin=build/release
data=build/bench-data
mkdir -p "$data"
export QT_QPA_PLATFORM=offscreen

for n in 100000 1000000; do
    [ -f "$data/m$n.csv" ] || "$bin/bench/generate_contacts" --seed 1 --count $n \
        --out-mobile "$data/m$n.csv" --out-address "$data/a$n.txt" --utf8-copies >/dev/null
done
check() { # RUNS SIZE [OPTIONS...]
    local runs=$1 n=$2
    shift 2
    "$bin/bench/timed_runs" "$runs" "$bin/cli/vormak-check" --format2 tab --name1 2 --tel1 5 \
        --name2 2 --tel2 5 "$@" "$data/m$n.csv" "$data/a$n.txt"
}

echo "== 999 x 999"
"$bin/bench/core_check_bench" --benchmark_min_time=0.2 | grep -E '_median|_mean'
"$bin/bench/gui_check_bench" | grep -E '_median'
"$bin/bench/cli_check_bench" "$bin/cli/vormak-check" 15
echo "== vormak-check, 100,000 x 100,000 (aim: 0.4 s, 250 MiB)"
ours=$(check 5 100000)
echo "$ours"
echo "   with both folds (aim: 1 s): $(check 5 100000 --fold-readings --fold-numbers)"
echo "== vormak-check, 1,000,000 x 1,000,000 (aim: 5 s, 2.5 GiB)"
check 5 1000000
echo "== the window, 100,000 x 100,000 (aims: 1 s to the end, 0.2 s to remove)"
"$bin/bench/large_window_check" "$data/m100000.csv" "$data/a100000.txt" 5
if command -v mlr >/dev/null; then
    echo "== Miller join on the same 100,000 x 100,000 (UTF-8 copies)"
    theirs=$("$bin/bench/timed_runs" 5 mlr --icsv --ocsv join --np --ul --ur -j 電話番号 \
        -f "$data/m100000.utf8.csv" "$data/a100000.utf8.csv")
    echo "$theirs"
    awk -v a="${ours%% s*}" -v b="${theirs%% s*}" \
        'BEGIN { printf "   Miller takes %.1f times as long as vormak-check\n", b / a }'
fi
