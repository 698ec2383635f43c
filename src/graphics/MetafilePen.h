#pragma once
#include "graphics/MetafileCanvas.h"

#include <QPen>

namespace metafile {

// What a selected pen strokes with on the target. Pens from the old pen
// records are one pixel wide up to one logical unit and solid when wider;
// extended pens are cosmetic (one pixel, styles counted in pixels) or
// geometric (styles in pen widths, user styles in logical units). A dash
// pattern too fine for the target's pixels is drawn as the solid tone it
// averages to.
struct PenTarget {
    QColor color;             // after the raster operation
    double miterLimit = 10;   // logical units, as the state holds it
    double pixelsPerUnit = 1; // target pixels per logical unit
    bool dashes = true;       // false: the line is too long to dash
};
QPen strokePen(const PenSpec& spec, const PenTarget& target);

} // namespace metafile
