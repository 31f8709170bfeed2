#!/usr/bin/env bash
# Renders the menu icon's PNG sizes from mab.svg. The PNGs are kept in the tree, so building the
# package needs no SVG renderer; run this again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "render.sh: needs rsvg-convert (librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" mab.svg -o "mab-$size.png"
done
