#!/usr/bin/env bash
# clang-tidy's bugprone and performance checks (.clang-tidy) over the project's own sources, as
# the build in build/ (or BUILD_DIR, inside the tree so that .clang-tidy applies) compiles them:
# each source, or each file of a unity build, which parses the headers once for several
# sources. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang-tidy
build=${BUILD_DIR:-build}
mapfile -t units < <(grep -o '"file": "[^"]*"' "$build/compile_commands.json" | cut -d'"' -f4 |
    grep -v -e '_autogen/' -e '/qrc_' -e '/fuzz/' | sort -u)
run-clang-tidy -p "$build" -quiet -j"$(nproc)" "${units[@]}" >"$build/tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/tidy.log" | sort -u
    exit 1
}
