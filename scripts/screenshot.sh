#!/usr/bin/env bash
# Photographs the vesk window on a virtual display: scripts/screenshot.sh [OUT.png] [xdotool keys...]
# The keys are typed into the window first, e.g. "Tab Tab space" or "space". VESK_ARGS are passed
# to vesk, e.g. VESK_ARGS=--explore for the explorer (scripts/explorer-screenshot.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
shift || true
scripts/deps.sh
[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev --target vesk >/dev/null

display=""
for n in $(seq 50 99); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "screenshot: no free display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=""
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# shellcheck disable=SC2086 # VESK_ARGS is a list of words
build/dev/app/vesk ${VESK_ARGS:-} 2>/dev/null &
app=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app" | tail -n 1)
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 1
if [ $# -gt 0 ]; then
    xdotool windowfocus --sync "$window"
    xdotool key --delay 150 "$@"
    sleep 0.5
fi
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "$out"
