#!/usr/bin/env bash
# Builds what the window needs (vesk, and vesk-render beside it) when needed, and opens the window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev --target vesk vesk-render
exec build/dev/app/vesk "$@"
