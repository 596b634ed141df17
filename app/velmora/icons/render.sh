#!/usr/bin/env bash
# Renders the hicolor PNG icons from velmora.svg (rsvg-convert, from librsvg2-bin).
# Run it after changing the SVG and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" velmora.svg --output "velmora-$size.png"
done
