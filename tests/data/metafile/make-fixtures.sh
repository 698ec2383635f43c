#!/bin/sh
# Regenerates the metafile fixtures from the SVG clip-art beside this script:
# each SVG is exported by Inkscape as an enhanced and an old-style metafile.
# The page is exported, not the drawing, so each file has its SVG's size.
# many.svg (a few hundred shapes, for the drawing benchmark) is generated here.
set -e
cd "$(dirname "$0")"
python3 - <<'PY'
import random
random.seed(7)
out = ['<svg xmlns="http://www.w3.org/2000/svg" width="640" height="480" viewBox="0 0 640 480">',
       '<rect x="0" y="0" width="640" height="480" fill="#ffffff"/>']
for i in range(300):
    # Every shape stays inside the page.
    x, y = random.uniform(45, 570), random.uniform(45, 410)
    c = "#%02x%02x%02x" % (random.randrange(256), random.randrange(256), random.randrange(256))
    k = i % 3
    if k == 0:
        out.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="%s" stroke="#000000" stroke-width="1.5"/>'
                   % (x, y, random.uniform(10, 60), random.uniform(10, 60), c))
    elif k == 1:
        out.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s"/>'
                   % (x, y, random.uniform(5, 40), random.uniform(5, 40), c))
    else:
        out.append('<path d="M%.1f,%.1f C%.1f,%.1f %.1f,%.1f %.1f,%.1f Z" fill="%s" stroke="#202020" stroke-width="2"/>'
                   % (x, y, x + 40, y - 30, x + 60, y + 40, x + 10, y + 50, c))
out.append('</svg>')
open("many.svg", "w").write("\n".join(out) + "\n")
PY
for svg in shapes house many; do
    inkscape --export-area-page --export-type=emf --export-filename="$svg.emf" "$svg.svg"
    inkscape --export-area-page --export-type=wmf --export-filename="$svg.wmf" "$svg.svg"
done

# Right-to-left text and styled pens, with the writer's own reading of each
# file as the reference (192 dpi, twice the natural size). Text stays text
# (a private profile turns off the exporters' text-to-path default); the
# fonts are DejaVu Sans from fonts-dejavu-core, which covers Hebrew and Arabic.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
cat >"$profile/preferences.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<inkscape version="1">
  <group id="extensions"
     org.inkscape.output.emf.textToPath="false"
     org.inkscape.output.wmf.textToPath="false" />
</inkscape>
XML
export INKSCAPE_PROFILE_DIR="$profile"
png() { # source, output
    inkscape --export-area-page --export-type=png --export-dpi=192 --export-background=white \
        --export-background-opacity=1 --export-filename="$2" "$1"
}
for svg in hebrew arabic dashes finedash; do
    inkscape --export-area-page --export-type=emf --export-filename="$svg.emf" "$svg.svg"
done
inkscape --export-area-page --export-type=wmf --export-filename=dashes.wmf dashes.svg
png hebrew.emf hebrew.emf.png
png dashes.emf dashes.emf.png
png finedash.emf finedash.emf.png
# The writer's reader places Arabic runs off their reference point, so the
# Arabic reference is the source drawing as the writer renders it.
png arabic.svg arabic.svg.png
# An old pen wider than one unit draws solid whatever its style: the
# reference is the source with its dashes taken out.
sed 's/ stroke-dasharray="[^"]*"//' dashes.svg >"$profile/dashes-solid.svg"
png "$profile/dashes-solid.svg" dashes-solid.svg.png
