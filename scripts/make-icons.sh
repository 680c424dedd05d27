#!/usr/bin/env bash
# Renders the program's icon (src/resources/icons/kelvane.svg) into the PNG
# sizes the program and the desktop entry use. Run it after editing the SVG;
# the PNGs are kept in the repository, so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../src/resources/icons"
bash ../../../scripts/deps.sh librsvg2-bin
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" kelvane.svg -o "kelvane-$size.png"
done
