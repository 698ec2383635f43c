#!/usr/bin/env bash
# Draws the starter pictures of Icons/ from our own SVG art in resources/art:
# each picture as a 32 x 32 24-bit BMP, a 32 x 32 32-bit icon with its
# transparency, and a JPEG, the three formats the picture chooser offers.
# Needs ImageMagick's convert; the output is committed, so builds do not.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out="$here/Icons"
mkdir -p "$out"
for svg in "$here"/art/*.svg; do
    name=$(basename "$svg" .svg)
    convert -background '#ECE9D8' -density 96 "$svg" -resize 32x32 -flatten \
        -type TrueColor "BMP3:$out/$name.bmp"
    convert -background none -density 96 "$svg" -resize 32x32 "PNG32:/tmp/tabdeck-$name.png"
    convert "/tmp/tabdeck-$name.png" -define icon:auto-resize=32 "$out/$name.ico"
    convert -background white -density 96 "$svg" -resize 32x32 -flatten -quality 92 \
        "$out/$name.jpg"
    rm -f "/tmp/tabdeck-$name.png"
done
