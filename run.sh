#!/usr/bin/env bash
# Sets up what is missing, builds, and starts Zorvel.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh
exec build/bin/zorvel "$@"
