#pragma once
#include "graphics/MetafileBytes.h"

#include <QImage>

namespace metafile {

// Device-independent bitmaps as metafiles embed them. Every size, count and
// offset is checked against the bytes given; anything wrong gives a null
// image so the record is skipped.
struct DibOptions {
    bool keepAlpha = false;           // 32-bit pixels carry alpha (alpha-blend sources)
    bool paletteIndex = false;        // colour table holds palette indexes, not colours
    QRgb monoForeground = 0xff000000; // 1-bit colours when the table is indexes
    QRgb monoBackground = 0xffffffff;
};

// Largest bitmap a metafile may embed (pixels and either dimension).
constexpr qint64 kMaxDibPixels = 16 * 1024 * 1024;
constexpr int kMaxDibDimension = 16384;

// header: BITMAPCOREHEADER or BITMAPINFOHEADER (any version) with its colour
// table and masks; bits: the pixel rows.
QImage decodeDib(const Bytes& header, const Bytes& bits, const DibOptions& options = {});
// A packed DIB: header, colour table and rows in one block.
QImage decodePackedDib(const Bytes& packed, const DibOptions& options = {});

} // namespace metafile
