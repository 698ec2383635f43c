#pragma once
#include <QImage>
#include <QtGlobal>

// Decodes a device-independent bitmap (the pixel part of BMP files and of
// icon images). Every offset and count is checked against the bytes given;
// anything wrong raises DibError, which the file readers turn into their
// own error text.
namespace dib {

struct DibError {};

struct Source {
    const uchar* data = nullptr;
    qsizetype size = 0;
    qsizetype headerOffset = 0;
    // Where the pixel bits start; -1 means right after the header, the bit
    // masks and the colour table (as in icon images).
    qsizetype bitsOffset = -1;
    // Icon image: the header's height counts the colour and the mask rows,
    // a 1-bit AND mask follows the colour bits, and 32-bit pixels carry alpha.
    bool icon = false;
};

struct Result {
    QImage image; // Format_RGB32, or Format_ARGB32 when it has transparency
    int bitCount = 0;
    qsizetype end = 0; // offset just past the last byte used
};

Result decode(const Source& source);

// The pixel depths a DIB may have: 1, 4, 8, 16, 24 and 32 bits.
bool supportedBitCount(int bitCount);

// One row of 1-, 4-, 8- or 24-bit pixels as colours, for every DIB reader;
// palette has an entry for each index the depth can hold. 16- and 32-bit
// rows go through the reader's own channel masks.
void unpackRow(const uchar* row, qsizetype width, int bitCount, const QRgb* palette, QRgb* out);

} // namespace dib
