#!/usr/bin/env bash
# Photographs the explorer for the README: the open phase with the neutral joined (断U相带中线) at
# step 6 (60°), where F+ and F- and the elliptic locus show best.
# Usage: scripts/explorer-screenshot.sh [OUT.png]   (the README's copy: docs/explorer.png)
# The window opens with the focus on the preset box: Down three times chooses the fourth preset,
# Right six times steps to 60°.
set -euo pipefail
cd "$(dirname "$0")/.."
VESK_ARGS=--explore exec scripts/screenshot.sh "${1:-docs/explorer.png}" \
    Down Down Down Right Right Right Right Right Right
