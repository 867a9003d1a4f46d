#!/usr/bin/env bash
# Checks the layout of every source file against .clang-format, then runs
# clang-tidy over the project's own sources, using the compile commands of a
# configured build directory (default: build/test). Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
if ! command -v clang-tidy >/dev/null; then
    echo "static checks: clang-tidy is not installed" >&2
    exit 1
fi
if ! command -v clang-format >/dev/null; then
    echo "static checks: clang-format is not installed" >&2
    exit 1
fi
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "static checks: the files above are not laid out as .clang-format says" >&2
    exit 1
fi
echo "static checks: clang-format clean over ${#sources[@]} files"

mapfile -t files < <(git ls-files 'core/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'cli/*.cpp')
[ ${#files[@]} -gt 0 ] || exit 0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet \
    --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1 || status=$?
grep -v -E '^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Error while processing' "$log" || true
if [ "$status" -ne 0 ] || grep -q -E ': (error|warning): ' "$log"; then
    echo "static checks: clang-tidy found problems" >&2
    exit 1
fi
echo "static checks: clang-tidy clean over ${#files[@]} files"
