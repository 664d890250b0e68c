#!/usr/bin/env bash
# Whole-process figures of a built tree, each against its goal:
#   vesk-render --all writing 73 PNG frames                          goal < 150 ms (Release)
#   vesk start-up to the first painted frame on a virtual X display  goal < 300 ms
#   vesk idle: CPU time as a share of one core                       goal < 0.1 %
#   vesk animating: CPU time as a share of one core, resident memory goals < 2 %, < 80 MB
#   vesk --explore animating at 200 ms a step: CPU time as a share of one core  goal < 3 %
#
# Usage: bench/whole_process.sh [BUILD_DIR]   (default build/perf; needs vesk, vesk-render and
#        bench/first_frame_probe built there)
# Environment: RUNS (timed runs of the first two, default 10, after one untimed warm-up run),
#              ANIMATE_SECONDS and IDLE_SECONDS (how long the animating and the idle window are
#              sampled, default 30 each).
# Prints the median and the range of each timing. Exit status 0 when everything could be
# measured (whether or not a goal was met), 1 otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/perf}
runs=${RUNS:-10}
animate_seconds=${ANIMATE_SECONDS:-30}
idle_seconds=${IDLE_SECONDS:-30}
render=$build/tools/vesk-render
app=$build/app/vesk
probe=$build/bench/first_frame_probe
for f in "$render" "$app" "$probe"; do
    [ -x "$f" ] || { echo "whole_process: $f is not built" >&2; exit 1; }
done
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "whole_process: $tool is missing (scripts/deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# "median MIN..MAX" of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "median %.0f ms (%.0f..%.0f, %d runs)", m, v[1], v[NR], NR }'
}
verdict() { awk -v value="$1" -v goal="$2" 'BEGIN { print (value < goal ? "met" : "MISSED") }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"

# --- vesk-render --all ------------------------------------------------------------------------
times=()
for ((i = 0; i <= runs; i++)); do
    rm -rf "$work/frames"
    start=$EPOCHREALTIME
    QT_QPA_PLATFORM=offscreen "$render" --all -o "$work/frames" 2>/dev/null
    end=$EPOCHREALTIME
    [ "$(find "$work/frames" -name 'frame-*.png' | wc -l)" -eq 73 ] || { echo "whole_process: vesk-render did not write 73 frames" >&2; exit 1; }
    ((i == 0)) || times+=("$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }')")
done
m=$(printf '%s\n' "${times[@]}" | median)
echo "vesk-render --all (73 PNG frames): $(printf '%s\n' "${times[@]}" | summary); goal < 150 ms: $(verdict "$m" 150)"

# --- a virtual display ------------------------------------------------------------------------
display=
for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && { display=":$n"; break; }
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done
[ -n "$display" ] || { echo "whole_process: no virtual X server could be started" >&2; exit 1; }
export DISPLAY=$display LANG=C.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# --- start-up to the first painted frame ------------------------------------------------------
times=()
for ((i = 0; i <= runs; i++)); do
    t=$("$probe" -- "$app" 2>/dev/null) || { echo "whole_process: vesk showed no frame" >&2; exit 1; }
    ((i == 0)) || times+=("$t")
done
m=$(printf '%s\n' "${times[@]}" | median)
echo "vesk start-up to the first painted frame: $(printf '%s\n' "${times[@]}" | summary); goal < 300 ms: $(verdict "$m" 300)"

# --- animating --------------------------------------------------------------------------------
out=$("$probe" --keep -- "$app" 2>/dev/null) || { echo "whole_process: vesk showed no frame" >&2; exit 1; }
app_pid=${out#* }
window=$(xdotool search --onlyvisible --pid "$app_pid" | tail -n 1)
canvas() { import -window "$window" -crop 513x624+11+11 rgb:- | md5sum; }
ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }  # utime + stime
hz=$(getconf CLK_TCK)
share() { awk -v t="$1" -v hz="$hz" -v s="$2" -v e="$3" 'BEGIN { printf "%.2f", 100 * t / hz / (e - s) }'; }
# Idle: shown, nothing to do.
sleep 1
idle0=$(ticks "$app_pid")
start=$EPOCHREALTIME
sleep "$idle_seconds"
idle1=$(ticks "$app_pid")
idle=$(share $((idle1 - idle0)) "$start" "$EPOCHREALTIME")
echo "vesk idle for ${idle_seconds} s: CPU ${idle} % of one core ($((idle1 - idle0)) ticks of 1/${hz} s); goal < 0.1 %: $(verdict "$idle" 0.1)"
# Start: the button lies at 540,275, 84 x 32 pixels, in the window.
xdotool mousemove --window "$window" 582 291 click 1
sleep 1
animating() {
    local a b
    a=$(canvas)
    sleep 0.5
    b=$(canvas)
    [ "$a" != "$b" ]
}
animating || { echo "whole_process: the canvas does not change after Start" >&2; exit 1; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
app0=$(ticks "$app_pid")
x0=$(ticks "$xvfb_pid")
start=$EPOCHREALTIME
peak=0
for ((s = 0; s < animate_seconds; s++)); do
    sleep 1
    r=$(rss_kb "$app_pid")
    ((r > peak)) && peak=$r
done
app1=$(ticks "$app_pid")
x1=$(ticks "$xvfb_pid")
end=$EPOCHREALTIME
rss=$(rss_kb "$app_pid")
animating || { echo "whole_process: the animation stopped while it was sampled" >&2; exit 1; }
cpu=$(share $((app1 - app0)) "$start" "$end")
xcpu=$(share $((x1 - x0)) "$start" "$end")
echo "vesk animating for ${animate_seconds} s: CPU ${cpu} % of one core ($((app1 - app0)) ticks of 1/${hz} s; the X server ${xcpu} %); goal < 2 %: $(verdict "$cpu" 2)"
echo "vesk animating: resident memory $((rss / 1024)) MB at the end, $((peak / 1024)) MB at most ($rss kB, $peak kB); goal < 80 MB: $(verdict "$((peak / 1024))" 80)"

# --- the explorer animating -------------------------------------------------------------------
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
"$app" --explore 2>/dev/null &
app_pid=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$app_pid" | tail -n 1)
[ -n "$window" ] || { echo "whole_process: the explorer did not appear" >&2; exit 1; }
canvas() { import -window "$window" rgb:- | md5sum; }
sleep 1
# Space plays, wherever the focus is in the window.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key space
sleep 1
animating || { echo "whole_process: the explorer does not animate after Space" >&2; exit 1; }
size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
app0=$(ticks "$app_pid")
start=$EPOCHREALTIME
sleep "$animate_seconds"
app1=$(ticks "$app_pid")
end=$EPOCHREALTIME
animating || { echo "whole_process: the explorer stopped while it was sampled" >&2; exit 1; }
cpu=$(awk -v t=$((app1 - app0)) -v hz="$hz" -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", 100 * t / hz / (e - s) }')
echo "vesk --explore animating for ${animate_seconds} s in a ${size} window: CPU ${cpu} % of one core ($((app1 - app0)) ticks of 1/${hz} s); goal < 3 %: $(verdict "$cpu" 3)"
