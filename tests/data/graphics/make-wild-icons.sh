#!/usr/bin/env bash
# Icons as the common writers make them, each with that writer's (or
# Python's imaging library's) own decoding as a PNG beside it:
#   wild-pil.ico      Python's imaging library in BMP form: 32-bit images
#                     without AND mask (the directory size ends at the colour bits)
#   wild-pil24.ico    the same library, RGB source: 24-bit images with a mask
#   wild-magick.ico   ImageMagick's convert: 32-bit images with a mask
#   wild-favicon.ico  a 32 x 32 PNG renamed, as many web sites serve it
#   wild-tall.ico     a 194 x 313 PNG renamed: larger than the icon format holds
# Needs python3-pil and imagemagick; writes into the folder of this script.
set -euo pipefail
# PNGs without time chunks, so that a second run writes the same bytes.
png=(-define png:exclude-chunk=date,time)
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Source: srcalpha.png (quadrants, transparent top-left) at 48 x 48, with a
# soft-alpha band so that alpha, not a mask, must decide.
convert srcalpha.png -resize 48x48! -alpha set \
    -region 48x6+0+40 -channel A -evaluate set 50% +region PNG32:"$tmp/src48.png"
convert "$tmp/src48.png" -resize 32x32! "${png[@]}" PNG32:wild-favicon.ico
convert -size 194x313 xc:none -fill '#2050a0' -draw 'rectangle 0,0 193,312' \
    -fill '#e0c020' -draw 'rectangle 20,30 173,282' "${png[@]}" PNG32:wild-tall.ico
convert "$tmp/src48.png" -define icon:auto-resize=48,32,16 wild-magick.ico

/usr/bin/python3 - "$tmp/src48.png" <<'PY'
import sys
from PIL import Image
src = Image.open(sys.argv[1]).convert("RGBA")
sizes = [(16, 16), (32, 32), (48, 48)]
src.save("wild-pil.ico", bitmap_format="bmp", sizes=sizes)
# Below 32 bits the library writes every image with the mask of the last
# size; sizes up to 32 keep that mask long enough for each image.
sizes24 = [(16, 16), (32, 32)]
src.convert("RGB").save("wild-pil24.ico", bitmap_format="bmp", sizes=sizes24)
# The library's own decoding of every image.
for name, listed in (("wild-pil.ico", sizes), ("wild-pil24.ico", sizes24)):
    ico = Image.open(name)
    for w, h in listed:
        ico.ico.getimage((w, h)).convert("RGBA").save(f"{name}-{w}.png")
for name in ("wild-favicon.ico", "wild-tall.ico"):
    Image.open(name).convert("RGBA").save(f"{name}.png")
PY
for i in 0 1 2; do
    convert "wild-magick.ico[$i]" "${png[@]}" PNG32:"wild-magick.ico-$i.png"
done
ls -l wild-*
