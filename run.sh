#!/usr/bin/env bash
# Builds what the window needs (vesk, and vesk-render beside it) when needed, and opens the window;
# with --web, builds the page and serves it on http://localhost:8080/ until Ctrl+C.
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--web" ]; then
    scripts/deps.sh web
    scripts/build-web.sh
    exec node web/serve_site.mjs build/web/site 8080
fi
scripts/deps.sh run
[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev --target vesk vesk-render
exec build/dev/app/vesk "$@"
