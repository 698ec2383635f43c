#!/usr/bin/env bash
# Makes the picture fixtures with third-party writers (ImageMagick's convert,
# icoutils' icotool). Each fixture has a PNG reference: the writer's own
# rendering of the same source, which the tests compare our decoding with.
# Run from anywhere; writes into the folder of this script.
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Source: 37 x 29 (odd width, so rows need padding), four quadrants and a
# white centre block, with distinct corner colours.
convert -size 37x29 xc:'#ff0000' \
    -fill '#00c000' -draw 'rectangle 19,0 36,14' \
    -fill '#0000ff' -draw 'rectangle 0,15 18,28' \
    -fill '#ffff00' -draw 'rectangle 19,15 36,28' \
    -fill '#ffffff' -draw 'rectangle 15,11 21,17' \
    PNG24:src.png
# Few colours, for the palette depths.
convert src.png -colors 16 PNG24:src16.png
convert -size 37x29 xc:black -fill white -draw 'rectangle 0,0 18,14' \
    -draw 'rectangle 19,15 36,28' -draw 'rectangle 15,11 21,17' PNG24:srcmono.png
# With alpha: transparent top-left quadrant, half-transparent centre.
convert src.png -alpha set -fill none -draw 'matte 0,0 floodfill' \
    -fill '#ffffff80' -draw 'color 18,14 point' PNG32:srcalpha.png
convert src.png -alpha set -region 19x15+0+0 -channel A -evaluate set 0 +region \
    PNG32:srcalpha.png

convert src.png -type TrueColor BMP3:rgb24.bmp
convert src.png -type TrueColor BMP2:core24.bmp
convert -size 37x29 gradient:'#ff0000-#0000ff' -colors 100 -type Palette -compress None BMP3:pal8.bmp
convert src16.png -type Palette BMP3:pal4.bmp
convert srcmono.png -monochrome BMP3:mono1.bmp
convert pal8.bmp -compress RLE BMP3:rle8.bmp
convert src.png -define bmp:subtype=RGB565 BMP:rgb565.bmp
convert src.png -define bmp:subtype=RGB555 BMP:rgb555.bmp
convert srcalpha.png BMP:argb32.bmp
for f in rgb24 core24 pal8 pal4 mono1 rle8 rgb565 rgb555 argb32; do
    convert "$f.bmp" PNG32:"$f.bmp.png"
done

# Icons: several sizes and depths in one file, and a 256 x 256 PNG image.
convert srcalpha.png -resize 16x16! PNG32:"$tmp/i16.png"
convert srcalpha.png -resize 32x32! PNG32:"$tmp/i32.png"
convert srcalpha.png -resize 48x48! PNG32:"$tmp/i48.png"
convert srcalpha.png -resize 256x256! PNG32:"$tmp/i256.png"
icotool -c -o multi.ico "$tmp/i16.png" "$tmp/i32.png" "$tmp/i48.png" -r "$tmp/i256.png"
for b in 1 4 8 24 32; do
    convert src.png -resize 32x32! -alpha set -region 16x16+0+0 -channel A \
        -evaluate set 0 +region PNG32:"$tmp/d$b.png"
    if [ "$b" -le 8 ]; then
        convert "$tmp/d$b.png" -colors $((1 << b)) PNG32:"$tmp/d$b.png"
    fi
    icotool -c -b "$b" -o "depth$b.ico" "$tmp/d$b.png"
done
# The writer's own rendering of every image of the icons.
rm -f ico-*.png
icotool -x -o "$tmp" multi.ico depth*.ico
for f in "$tmp"/*_*.png; do
    cp "$f" "ico-$(basename "$f")"
done

# JPEGs: a smooth source so that decoders agree closely.
convert -size 64x48 gradient:'#e03020-#2040c0' -rotate 0 \
    \( -size 64x48 gradient:'#ffffff-#000000' -rotate 90 -resize 64x48! \) \
    -compose multiply -composite PNG24:jsrc.png
convert jsrc.png -quality 92 -sampling-factor 2x2 JPEG:baseline.jpg
convert jsrc.png -quality 92 -interlace JPEG JPEG:progressive.jpg
convert jsrc.png -quality 92 -colorspace Gray JPEG:grey.jpg
convert jsrc.png -quality 92 -colorspace CMYK JPEG:cmyk.jpg
convert jsrc.png -quality 92 -colorspace CMYK -interlace JPEG JPEG:cmykprog.jpg
for f in baseline progressive grey cmyk cmykprog; do
    convert "$f.jpg" -colorspace sRGB PNG24:"$f.jpg.png"
done
rm -f src16.png srcmono.png
ls -l
