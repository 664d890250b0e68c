#!/usr/bin/env bash
# Builds the page into build/web/site: the core in WebAssembly (Debian's emscripten, the web
# preset) with the page's HTML, CSS and JavaScript.
set -euo pipefail
cd "$(dirname "$0")/.."
# Emscripten's optimizer runs on node and needs Debian's acorn, which a node from elsewhere misses.
export NODE_PATH=/usr/share/nodejs
[ -f build/web/build.ninja ] || cmake --preset web >/dev/null
cmake --build --preset web
