#pragma once
#include <QByteArray>
#include <QImage>
#include <array>

// The icon file the icon extractor saves: one image reduced to the standard
// 16-colour palette at 4 bits per pixel, plus a 1-bit transparency mask
// (766 bytes for 32 x 32).
namespace iconwriter {

// Black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime,
// yellow, blue, fuchsia, aqua, white.
const std::array<QRgb, 16>& standardPalette();
// The nearest palette entry to an opaque colour.
int nearestIndex(QRgb colour);

// Pixels with alpha below 128 become transparent in the mask. An image
// larger than the format's 256 x 256 is scaled into 32 x 32, aspect kept,
// centred on transparency. Empty only for a null image.
QByteArray write16(const QImage& image);

} // namespace iconwriter
