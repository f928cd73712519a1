#!/usr/bin/env bash
# clang-tidy's bugprone and performance checks (.clang-tidy) over the project's own sources,
# with the compile commands of the build in build/ (or BUILD_DIR); any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang-tidy
build=${BUILD_DIR:-build}
mapfile -t sources < <(git ls-files '*.cpp' | grep -v '^fuzz/')
run-clang-tidy -p "$build" -quiet -j"$(nproc)" "${sources[@]}" >"$build/tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/tidy.log" | sort -u
    exit 1
}
