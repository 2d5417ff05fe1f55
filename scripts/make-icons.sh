#!/bin/sh
# Draws the icon's PNG sizes from assets/icons/org.kavrel.Kavrel.svg; run it after changing the
# drawing and commit the pictures (the build itself needs no SVG renderer).
set -eu
cd "$(dirname "$0")/.."
. scripts/setup.sh
kavrel_install_missing librsvg2-bin
svg=assets/icons/org.kavrel.Kavrel.svg
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" -o "assets/icons/org.kavrel.Kavrel-$size.png" "$svg"
done
# The window's own icon.
rsvg-convert -w 32 -h 32 -o assets/kavrel.png "$svg"
