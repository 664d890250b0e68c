#!/usr/bin/env bash
# Builds vesk when needed and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/app/vesk "$@"
