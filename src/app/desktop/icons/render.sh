#!/usr/bin/env bash
# Renders the committed PNG sizes of the application icon from corvanta.svg.
# Run after changing the drawing (needs rsvg-convert from librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$here/corvanta.svg" -o "$here/$size.png"
done
