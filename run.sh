#!/usr/bin/env bash
# Builds vesk when needed and opens its window; with --web, builds the page and serves it on
# http://localhost:8080/ until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
if [ "${1:-}" = "--web" ]; then
    scripts/build-web.sh
    exec node web/serve_site.mjs build/web/site 8080
fi
[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev
exec build/dev/app/vesk "$@"
