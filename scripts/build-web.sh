#!/usr/bin/env bash
# Builds the page: the core in WebAssembly (Debian's emscripten) with the page's HTML, CSS and
# JavaScript, into BUILD_DIR/site. Usage: scripts/build-web.sh [BUILD_DIR]  (default build/web,
# the web preset's; the tests pass a directory inside their own build tree)
set -euo pipefail
cd "$(dirname "$0")/.."
# Emscripten's optimizer runs on node and needs Debian's acorn, which a node from elsewhere misses.
export NODE_PATH=/usr/share/nodejs
dir=${1:-build/web}
if [ "$dir" = build/web ]; then
    [ -f build/web/build.ninja ] || cmake --preset web >/dev/null
    exec cmake --build --preset web
fi
# The same settings as the web preset, in a build tree of the caller's.
[ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja \
    --toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_BUILD_TYPE=Release -DVESK_WERROR=ON >/dev/null
cmake --build "$dir"
