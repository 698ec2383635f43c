#include "dib/DibDecoder.h"
#include "dib/DecodeLimits.h"

#include <QCoreApplication>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace dib {
namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DibDecoder)
};

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

// Raised inside; the entry points turn it into the caller's DibError.
struct Bad {};

[[noreturn]] void fail() {
    throw Bad{};
}

// The caller's bytes with reads that fail instead of returning nothing.
struct Bytes {
    ByteView view;

    qint64 size() const { return qint64(view.size()); }
    const uchar* data() const { return view.data(); }
    void need(qint64 offset, qint64 count) const {
        if (offset < 0 || count < 0 || !view.has(std::uint64_t(offset), std::uint64_t(count)))
            fail();
    }
    quint16 u16(qint64 offset) const {
        need(offset, 2);
        return *view.u16(std::uint64_t(offset));
    }
    quint32 u32(qint64 offset) const {
        need(offset, 4);
        return *view.u32(std::uint64_t(offset));
    }
    qint32 i32(qint64 offset) const { return qint32(u32(offset)); }
};

// One colour channel described by a bit mask.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    static Channel of(quint32 mask) {
        Channel c;
        c.mask = mask;
        if (mask == 0)
            return c;
        c.shift = std::countr_zero(mask);
        const quint32 run = mask >> c.shift;
        c.bits = std::countr_one(run);
        if (c.bits < 32 && (run >> c.bits) != 0)
            fail(); // a mask with holes describes no channel
        return c;
    }
    int value(quint32 pixel) const {
        if (bits == 0)
            return 0;
        const quint32 v = (pixel & mask) >> shift;
        if (bits >= 8)
            return int(v >> (bits - 8));
        return int(v * 255 / ((1u << bits) - 1));
    }
};

struct Header {
    quint32 size = 0;
    qint64 width = 0;
    qint64 height = 0; // rows of the colour part, always positive
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = Rgb;
    quint32 colorsUsed = 0;
    quint32 masks[4] = {0, 0, 0, 0}; // red, green, blue, alpha
    bool hasMasks = false;
    int paletteEntrySize = 4;
    qsizetype afterHeader = 0; // header plus any separate bit masks
};

Header readHeader(const Bytes& b, qsizetype at, bool icon) {
    Header h;
    h.size = b.u32(at);
    qint64 rawHeight = 0;
    if (h.size == 12) {
        h.width = b.u16(at + 4);
        rawHeight = b.u16(at + 6);
        h.bitCount = b.u16(at + 10);
        h.paletteEntrySize = 3;
    } else if (h.size == 40 || h.size == 52 || h.size == 56 || h.size == 108 || h.size == 124) {
        b.need(at, h.size);
        h.width = b.i32(at + 4);
        rawHeight = b.i32(at + 8);
        h.bitCount = b.u16(at + 14);
        h.compression = b.u32(at + 16);
        h.colorsUsed = b.u32(at + 32);
        if (h.size >= 52) {
            for (int i = 0; i < 3; ++i)
                h.masks[i] = b.u32(at + 40 + 4 * i);
        }
        if (h.size >= 56)
            h.masks[3] = b.u32(at + 52);
    } else {
        fail();
    }
    h.afterHeader = at + h.size;
    if (h.size == 40 && (h.compression == BitFields || h.compression == AlphaBitFields)) {
        const int count = h.compression == BitFields ? 3 : 4;
        for (int i = 0; i < count; ++i)
            h.masks[i] = b.u32(h.afterHeader + 4 * i);
        h.afterHeader += 4 * count;
    }
    if (h.size == 40 && h.compression != AlphaBitFields)
        h.masks[3] = 0;
    h.hasMasks = h.compression == BitFields || h.compression == AlphaBitFields;

    if (rawHeight < 0) {
        h.topDown = true;
        rawHeight = -rawHeight;
    }
    h.height = rawHeight;
    if (icon) {
        // Colour rows and mask rows together.
        if (h.topDown || h.height % 2 != 0)
            fail();
        h.height /= 2;
    }
    if (h.width <= 0 || h.height <= 0)
        fail();
    if (h.width * h.height > DecodeLimits::current().maxPixels)
        fail();
    if (icon && (h.width > maxIconSide || h.height > maxIconSide))
        fail();

    if (!supportedBitCount(h.bitCount))
        fail();
    switch (h.compression) {
    case Rgb:
        break;
    case Rle8:
        if (h.bitCount != 8 || h.topDown || icon)
            fail();
        break;
    case Rle4:
        if (h.bitCount != 4 || h.topDown || icon)
            fail();
        break;
    case BitFields:
    case AlphaBitFields:
        if (h.bitCount != 16 && h.bitCount != 32)
            fail();
        break;
    default:
        fail();
    }
    return h;
}

qsizetype rowStride(qint64 width, int bitCount) {
    return qsizetype(((width * bitCount + 31) / 32) * 4);
}

// Run-length data: runs and jumps past the image are clipped; pixels the
// data never reaches keep index 0.
void decodeRle(const Bytes& b, qsizetype p, const Header& h, std::vector<uchar>& index) {
    const qint64 w = h.width;
    const qint64 rows = h.height;
    const bool four = h.compression == Rle4;
    qint64 x = 0;
    qint64 y = 0; // counted from the bottom row
    auto put = [&](qint64 px, uchar v) {
        if (px < w && y < rows)
            index[size_t(y * w + px)] = v;
    };
    while (true) {
        if (y >= rows)
            return; // whatever follows lies outside the image
        if (p + 2 > b.size())
            fail(); // cut before its end-of-bitmap code
        const int n = b.data()[p];
        const int c = b.data()[p + 1];
        p += 2;
        if (n > 0) {
            for (int i = 0; i < n && x + i < w; ++i)
                put(x + i, four ? uchar((i % 2 == 0) ? (c >> 4) : (c & 15)) : uchar(c));
            x += n;
            continue;
        }
        if (c == 0) { // end of line
            x = 0;
            ++y;
        } else if (c == 1) { // end of bitmap
            return;
        } else if (c == 2) { // jump
            b.need(p, 2);
            x += b.data()[p];
            y += b.data()[p + 1];
            p += 2;
        } else { // c literal pixels, padded to a whole 16-bit word
            const qsizetype bytes = four ? (c + 1) / 2 : c;
            const qsizetype padded = (bytes + 1) & ~qsizetype(1);
            b.need(p, padded);
            for (int i = 0; i < c && x + i < w; ++i) {
                const uchar v =
                    four ? ((i % 2 == 0) ? (b.data()[p + i / 2] >> 4) : (b.data()[p + i / 2] & 15))
                         : b.data()[p + i];
                put(x + i, v);
            }
            x += c;
            p += padded;
        }
    }
}

} // namespace

bool supportedBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

void unpackRow(const uchar* row, qsizetype width, int bitCount, const QRgb* palette, QRgb* out) {
    switch (bitCount) {
    case 1:
        for (qsizetype x = 0; x < width; ++x)
            out[x] = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (qsizetype x = 0; x < width; ++x)
            out[x] = palette[(x & 1) ? (row[x >> 1] & 15) : (row[x >> 1] >> 4)];
        break;
    case 8:
        for (qsizetype x = 0; x < width; ++x)
            out[x] = palette[row[x]];
        break;
    case 24:
        for (qsizetype x = 0; x < width; ++x)
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        break;
    }
}

namespace {

Result decodeImage(const Source& source) {
    const Bytes b{source.bytes};
    const Header h = readHeader(b, qint64(source.headerOffset), source.icon);
    const int w = int(h.width);
    const int rows = int(h.height);

    // Colour table.
    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    qsizetype paletteCount = 0;
    if (h.bitCount <= 8)
        paletteCount = h.colorsUsed != 0 ? qsizetype(h.colorsUsed) : (qsizetype(1) << h.bitCount);
    else if (source.bitsOffset < 0)
        paletteCount = qsizetype(h.colorsUsed); // skipped, but it sits before the bits
    if (paletteCount > 256)
        fail();
    b.need(h.afterHeader, paletteCount * h.paletteEntrySize);
    if (h.bitCount <= 8) {
        const qsizetype used = std::min<qsizetype>(paletteCount, qsizetype(1) << h.bitCount);
        for (qsizetype i = 0; i < used; ++i) {
            const uchar* e = b.data() + h.afterHeader + i * h.paletteEntrySize;
            palette[size_t(i)] = qRgb(e[2], e[1], e[0]);
        }
    }
    const qsizetype bits = source.bitsOffset >= 0
                               ? source.bitsOffset
                               : h.afterHeader + paletteCount * h.paletteEntrySize;
    if (bits > b.size())
        fail();

    Channel red, green, blue, alpha;
    if (h.hasMasks) {
        red = Channel::of(h.masks[0]);
        green = Channel::of(h.masks[1]);
        blue = Channel::of(h.masks[2]);
        alpha = Channel::of(h.masks[3]);
    } else if (h.bitCount == 16) {
        red = Channel::of(0x7C00);
        green = Channel::of(0x03E0);
        blue = Channel::of(0x001F);
    } else if (h.bitCount == 32) {
        red = Channel::of(0x00FF0000);
        green = Channel::of(0x0000FF00);
        blue = Channel::of(0x000000FF);
        if (source.icon)
            alpha = Channel::of(0xFF000000);
    }

    QImage image(w, rows, QImage::Format_ARGB32);
    if (image.isNull())
        fail();

    Result result;
    result.bitCount = h.bitCount;
    const bool rle = h.compression == Rle4 || h.compression == Rle8;
    qsizetype end = bits;
    if (rle) {
        std::vector<uchar> index(size_t(qint64(w) * rows), 0);
        decodeRle(b, bits, h, index);
        for (int y = 0; y < rows; ++y) {
            QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(rows - 1 - y));
            const uchar* in = index.data() + size_t(qint64(y) * w);
            for (int x = 0; x < w; ++x)
                out[x] = palette[in[x]];
        }
        end = b.size();
    } else {
        const qsizetype stride = rowStride(w, h.bitCount);
        b.need(bits, stride * rows); // a cut file is an error, not a partial picture
        end = bits + stride * rows;
        for (int r = 0; r < rows; ++r) {
            const uchar* in = b.data() + bits + qsizetype(r) * stride;
            QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(h.topDown ? r : rows - 1 - r));
            switch (h.bitCount) {
            default:
                unpackRow(in, w, h.bitCount, palette.data(), out);
                break;
            case 16:
            case 32: {
                const int n = h.bitCount / 8;
                for (int x = 0; x < w; ++x) {
                    const uchar* q = in + n * x;
                    const quint32 v = n == 2 ? quint32(q[0] | (q[1] << 8))
                                             : quint32(q[0]) | (quint32(q[1]) << 8) |
                                                   (quint32(q[2]) << 16) | (quint32(q[3]) << 24);
                    const int a = alpha.bits ? alpha.value(v) : 255;
                    out[x] = qRgba(red.value(v), green.value(v), blue.value(v), a);
                }
                break;
            }
            }
        }
    }

    bool transparent = false; // a real alpha channel
    if (alpha.bits) {
        // All-zero alpha is a writer that left the channel unused: opaque.
        bool anyAlpha = false;
        for (int y = 0; y < rows && !anyAlpha; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                if (qAlpha(line[x]) != 0) {
                    anyAlpha = true;
                    break;
                }
            }
        }
        if (!anyAlpha) {
            for (int y = 0; y < rows; ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < w; ++x)
                    line[x] |= 0xFF000000u;
            }
        } else {
            transparent = true;
        }
    }

    const qsizetype maskStride = rowStride(w, 1);
    // Writers of 32-bit icons often leave the mask out (alpha says it all);
    // at other depths the mask is the only transparency, so a cut one is an
    // error.
    const bool hasMask = source.icon && (h.bitCount != 32 || b.view.has(end, maskStride * rows));
    if (hasMask) {
        // The AND mask: a 1 bit leaves the pixel transparent, at every depth
        // but where 32-bit pixels carry a real alpha channel, which then
        // rules (writers derive the mask from it with a threshold, so
        // applying both would cut the soft edges).
        b.need(end, maskStride * rows);
        const bool alphaRules = transparent;
        for (int r = 0; r < rows && !alphaRules; ++r) {
            const uchar* in = b.data() + end + qsizetype(r) * maskStride;
            QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(rows - 1 - r));
            for (int x = 0; x < w; ++x) {
                if ((in[x >> 3] >> (7 - (x & 7))) & 1)
                    out[x] = 0;
            }
        }
        end += maskStride * rows;
    }

    if (!transparent && !source.icon)
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
    result.image = std::move(image);
    result.end = std::uint64_t(end);
    return result;
}

DibError::Kind kindOf(const Source& source) {
    return source.icon ? DibError::Kind::Icon : DibError::Kind::Bitmap;
}

} // namespace

DibError::DibError(Kind kind)
    : AppError(kind == Kind::Icon ? Text::tr("Icon image is not valid")
                                  : Text::tr("Bitmap image is not valid")) {}

Shape describe(const Source& source) {
    try {
        const Header h = readHeader(Bytes{source.bytes}, qint64(source.headerOffset), source.icon);
        return Shape{int(h.width), int(h.height), h.bitCount};
    } catch (const Bad&) {
        throw DibError(kindOf(source));
    }
}

Result decode(const Source& source) {
    try {
        return decodeImage(source);
    } catch (const Bad&) {
        throw DibError(kindOf(source));
    }
}

} // namespace dib
