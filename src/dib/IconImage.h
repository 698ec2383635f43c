#pragma once
#include "dib/ByteView.h"

#include <QImage>
#include <optional>
#include <vector>

// One image of an icon as stored in an icon resource or an .ico file: a DIB
// (colour bits of half the header's height followed by the AND mask) or a PNG.
namespace iconimage {

// The side of the large icon windows show.
inline constexpr int largeSide = 32;

struct Shape {
    int width = 0;
    int height = 0;
    int bits = 0; // bits per pixel
};

struct Image {
    QImage image;     // Format_ARGB32, the AND mask applied
    int bitCount = 0; // a PNG's from its header: depth times channels
    bool png = false;
};

bool isPng(ByteView bytes);

// Size and depth from the image's own header, or none when the header is
// not a supported DIB or PNG.
std::optional<Shape> describe(ByteView image);

// The image with its mask applied (transparent where the AND mask is set, or
// by the alpha channel of a 32-bit image that has one). Raises
// dib::DibError("Icon image is not valid") when the data is short or
// malformed.
Image decode(ByteView image);

// Index of the shape the large-icon size takes: the nearest to 32 x 32;
// among equal distances the most colours; among equals the first. -1 for
// an empty list. Entries without a size are skipped.
int largeIndex(const std::vector<Shape>& shapes);

} // namespace iconimage
