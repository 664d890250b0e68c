#!/usr/bin/env bash
# Builds vesk and runs every test headless. Set VESK_PRESET=ci for warnings as errors, asan for sanitizers.
set -euo pipefail
cd "$(dirname "$0")"
preset=${VESK_PRESET:-dev}
scripts/deps.sh
[ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8
exec ctest --preset "$preset" -j2 "$@"
