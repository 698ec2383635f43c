#pragma once
#include "platform/ByteView.h"

#include <QImage>
#include <optional>
#include <vector>

// One image of an icon as stored in an icon resource or an .ico file: a DIB
// (XOR bitmap of twice the height followed by the AND mask) or a PNG.
namespace iconimage {

struct Shape {
    int width = 0;
    int height = 0;
    int bits = 0; // bits per pixel
};

// Largest side we decode; icons are at most 256 pixels, so anything bigger
// is a hostile file asking for a huge allocation.
inline constexpr int maxSide = 1024;

// Size and depth read from the image's own header, or none when the header
// is not a supported DIB or PNG.
std::optional<Shape> describe(ByteView image);

// The image with its mask applied (transparent where the AND mask is set, or
// the alpha channel of a 32-bit image that has one), or none when the data
// is short or malformed.
std::optional<QImage> decode(ByteView image);

// Index of the shape the large-icon size takes: 32 x 32 if present, else the
// nearest size; among equal sizes the most colours; among equals the first.
// -1 for an empty list. Entries with width 0 are skipped.
int chooseLarge(const std::vector<Shape>& shapes);

} // namespace iconimage
