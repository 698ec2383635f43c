#pragma once
#include "core/Error.h"
#include "dib/ByteView.h"

#include <QImage>
#include <QtGlobal>
#include <cstdint>

// Decodes a device-independent bitmap (the pixel part of BMP files and of
// icon images). Every offset and count is checked against the bytes given;
// anything wrong raises DibError with the text of the file kind.
namespace dib {

class DibError : public AppError {
public:
    enum class Kind { Bitmap, Icon };
    explicit DibError(Kind kind);
};

// Icons are at most 256 pixels a side (a few in the wild reach 313); a
// bigger side is a hostile file asking for a large allocation.
inline constexpr int maxIconSide = 1024;

struct Source {
    ByteView bytes;
    std::uint64_t headerOffset = 0;
    // Where the pixel bits start; -1 means right after the header, the bit
    // masks and the colour table (as in icon images).
    qint64 bitsOffset = -1;
    // Icon image: the header's height counts the colour and the mask rows,
    // a 1-bit AND mask follows the colour bits, and 32-bit pixels carry alpha.
    bool icon = false;
};

struct Shape {
    int width = 0;
    int height = 0; // of the picture: an icon's header counts the mask rows too
    int bitCount = 0;
};

struct Result {
    QImage image; // Format_RGB32, or Format_ARGB32 when it has transparency or is an icon
    int bitCount = 0;
    std::uint64_t end = 0; // offset just past the last byte used
};

// The header alone, checked as decode checks it.
Shape describe(const Source& source);
Result decode(const Source& source);

// The pixel depths a DIB may have: 1, 4, 8, 16, 24 and 32 bits.
bool supportedBitCount(int bitCount);

// One row of 1-, 4-, 8- or 24-bit pixels as colours, for every DIB reader;
// palette has an entry for each index the depth can hold. 16- and 32-bit
// rows go through the reader's own channel masks.
void unpackRow(const uchar* row, qsizetype width, int bitCount, const QRgb* palette, QRgb* out);

} // namespace dib
