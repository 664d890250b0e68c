#!/usr/bin/env bash
# The README's picture of the two palettes: the stator and the vectors at step 9 in the standard
# and the colour-blind-safe palette, as seen with normal vision and with deuteranopia (simulated
# with the linear model of Machado, Oliveira and Fernandes 2009 at severity 1.0).
# Usage: scripts/palette-comparison.sh VESK_RENDER OUT.png
set -euo pipefail
render=${1:?usage: palette-comparison.sh VESK_RENDER OUT.png}
out=${2:?usage: palette-comparison.sh VESK_RENDER OUT.png}
command -v convert >/dev/null || { echo "palette-comparison: ImageMagick is missing (scripts/deps.sh)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deuteranopia="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"
for palette in standard safe; do
    "$render" --palette "$palette" --step 9 -o "$work/$palette.png"
    # The stator, its labels and its vectors: x 90..420, y 312..624 of the frame.
    convert "$work/$palette.png" -crop 330x312+90+312 +repage "$work/$palette-normal.png"
    convert "$work/$palette-normal.png" -colorspace RGB -color-matrix "$deuteranopia" \
        -colorspace sRGB "$work/$palette-deutan.png"
done
convert \( "$work/standard-normal.png" "$work/standard-deutan.png" +append \) \
    \( "$work/safe-normal.png" "$work/safe-deutan.png" +append \) -append -strip "$work/out.png"
mv "$work/out.png" "$out"
