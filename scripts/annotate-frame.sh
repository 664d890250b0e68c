#!/usr/bin/env bash
# Draws the labelled picture for "Reading the picture" in the README: the stator of step 3 (30°)
# at the default size, cropped, with arrows and labels.
# Usage: scripts/annotate-frame.sh VESK_RENDER OUT.png   (the README's copy: docs/reading-the-picture.png)
# The label targets are frame coordinates taken from `vesk-render --step 3`'s trace; if the drawing
# moves, read them off the trace again.
set -euo pipefail

usage="usage: annotate-frame.sh VESK_RENDER OUT.png"
[ $# -eq 2 ] || { echo "$usage" >&2; exit 2; }
render=$1
out=$2
die() {
    echo "annotate-frame: $*" >&2
    exit 1
}
[ -x "$render" ] || die "$render is not an executable file"
command -v convert >/dev/null || die "ImageMagick's convert is not installed (scripts/deps.sh installs it)"
command -v fc-list >/dev/null || die "fc-list is not installed (Debian: fontconfig)"
# The label columns are measured in this font; another one may overrun them.
font=$(fc-list -f '%{file}\n' 'Liberation Sans:style=Regular' | sort | head -n 1)
[ -f "$font" ] || die "no Liberation Sans font found (Debian: fonts-liberation2)"
mkdir -p "$(dirname "$out")"

# The result is written next to OUT and renamed into place, so a failure leaves no half file.
tmp=$(mktemp -d)
partial=$(mktemp "$(dirname "$out")/.annotate-frame-XXXXXX.png")
trap 'rm -rf "$tmp" "$partial"' EXIT

# The size is pinned because the targets below are pixel positions in a 513x624 frame.
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$render" --step 3 --size 513x624 -o "$tmp/frame.png" ||
    die "$render failed to draw step 3"

# The crop keeps the stator, its title and labels: frame x 70..439, y 256..622.
crop_x=70 crop_y=256 crop_w=370 crop_h=367
pad_left=250 pad_right=250 pad_top=16 pad_bottom=16
ink='#c25400'
dx=$((pad_left - crop_x))
dy=$((pad_top - crop_y))

args=()
# label X Y TEXT: text with its first baseline at frame coordinates (X, Y); X may be off the frame.
label() {
    args+=(-fill black -stroke none -font "$font" -annotate "+$(($1 + dx))+$(($2 + dy))" "$3")
}
# arrow X1 Y1 X2 Y2 [HEAD]: a line from (X1, Y1) with a head HEAD px long (default 10) at (X2, Y2),
# frame coordinates.
arrow() {
    local x1=$(($1 + dx)) y1=$(($2 + dy)) x2=$(($3 + dx)) y2=$(($4 + dy)) head
    head=$(awk -v x1="$x1" -v y1="$y1" -v x2="$x2" -v y2="$y2" -v h="${5:-10}" 'BEGIN {
        l = sqrt((x2 - x1) ^ 2 + (y2 - y1) ^ 2); ux = (x2 - x1) / l; uy = (y2 - y1) / l
        bx = x2 - h * ux; by = y2 - h * uy; w = 0.4 * h
        printf "%d,%d %.1f,%.1f %.1f,%.1f", x2, y2, bx - w * uy, by + w * ux, bx + w * uy, by - w * ux }')
    args+=(-stroke "$ink" -strokewidth 1.5 -fill none -draw "line $x1,$y1 $x2,$y2"
        -fill "$ink" -draw "polygon $head")
}

# Left column: text from frame x -172 (8 px from the picture's left edge), ending before the stator.
label -172 331 $'Bv+: the positive axis of phase V,\n120° counter-clockwise from U\'s'
arrow 58 340 176 343
label -172 398 $'Phase W (blue) coil side:\ndot = current out of the page'
arrow 58 407 121 404
label -172 446 $'Phase MMF vectors: U red, W blue;\nV\'s has no length at this step'
arrow 58 455 268 445
label -172 522 $'Phase V (green) coil side: a thin\ncross, because V\'s current is zero\nhere (the box reads -0.00)'
arrow 58 546 122 537
label -172 592 $'Bw+: the positive axis of phase W,\n240° counter-clockwise from U\'s'
arrow 58 601 176 601

# Right column: text from frame x 455.
label 455 300 $'Phase U (red) coil side:\ndot = current out of the page'
arrow 450 309 278 335
label 455 386 $'Phase V: a thin dot\n(no current in theory)'
arrow 450 396 390 401
label 455 432 $'The resultant MMF: a thick line,\nno arrowhead; 30° from U\'s axis\nat step 3, turning counter-clockwise'
arrow 450 441 332 424
label 455 482 $'Bu+: the positive axis of phase U (0°)'
arrow 450 477 409 470
label 455 528 $'Phase W (blue) coil side:\ncross = current into the page'
arrow 450 537 390 535
label 455 590 $'Phase U (red) coil side:\ncross = current into the page'
arrow 450 599 278 600

# The angle from U's axis to the resultant, drawn the way the field turns: radius 56 from 0° to
# 26°, the head along the tangent there.
args+=(-stroke "$ink" -strokewidth 1.5 -fill none
    -draw "path 'M $((312 + dx)),$((468 + dy)) A 56,56 0 0,0 $((306 + dx)),$((443 + dy))'")
arrow 310 451 306 443 7

# -strip drops the time stamps, so the same frame gives the same file.
convert "$tmp/frame.png" -crop "${crop_w}x${crop_h}+${crop_x}+${crop_y}" +repage \
    -background white -gravity northwest -splice "${pad_left}x${pad_top}" \
    -gravity southeast -splice "${pad_right}x${pad_bottom}" -gravity northwest \
    -pointsize 13 "${args[@]}" -strip "PNG24:$partial" || die "ImageMagick could not draw the labels"
chmod 644 "$partial"
mv -f "$partial" "$out"
echo "$out"
