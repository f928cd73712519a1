#!/usr/bin/env bash
# Configures and builds Zorvel into build/ (or the folder given in BUILD_DIR). The configure
# step runs every time, so that a changed BUILD_TYPE or -D option takes effect; CMake keeps it
# cheap when nothing changed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build"
