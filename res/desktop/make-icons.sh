#!/usr/bin/env bash
# Renders the hicolor PNG icons from the hand-written SVG. Run it after changing the SVG and
# commit the PNGs: the build only installs them. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"
command -v rsvg-convert >/dev/null || { echo "make-icons.sh: rsvg-convert not found (apt-get install librsvg2-bin)" >&2; exit 1; }
for size in 16 32 48 256; do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "org.vesk.Vesk-$size.png" org.vesk.Vesk.svg
done
