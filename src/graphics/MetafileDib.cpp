#include "graphics/MetafileDib.h"
#include "dib/DibDecoder.h"

#include <bit>

namespace metafile {
namespace {

struct DibHeader {
    qint64 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // positive: bottom-up
    int bitCount = 0;
    quint32 compression = 0;
    quint32 masks[4] = {0, 0, 0, 0};
    QVector<QRgb> colours;
    qint64 tableEnd = 0; // offset of the first byte after header, masks and table
};

enum : quint32 { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

bool readHeader(const Bytes& h, const DibOptions& options, DibHeader& d) {
    d.headerSize = h.u32(0);
    if (!h.ok())
        return false;
    int tableEntry = 4;
    if (d.headerSize == 12) {
        d.width = h.u16(4);
        d.height = h.u16(6);
        d.bitCount = h.u16(10);
        tableEntry = 3;
    } else if (d.headerSize >= 40 && d.headerSize <= h.size()) {
        d.width = h.i32(4);
        d.height = h.i32(8);
        d.bitCount = h.u16(14);
        d.compression = h.u32(16);
    } else {
        return false;
    }
    if (!h.ok() || d.width <= 0 || d.height == 0 || d.height == INT32_MIN)
        return false;
    const qint64 rows = d.height < 0 ? -d.height : d.height;
    if (d.width > kMaxDibDimension || rows > kMaxDibDimension || d.width * rows > kMaxDibPixels)
        return false;
    if (!dib::supportedBitCount(d.bitCount))
        return false;
    qint64 at = d.headerSize;
    if (d.compression == BiBitfields || d.compression == BiAlphaBitfields) {
        if (d.bitCount != 16 && d.bitCount != 32)
            return false;
        const int count = d.compression == BiAlphaBitfields ? 4 : 3;
        if (d.headerSize >= 52) {
            // Version 4 and 5 headers carry the masks themselves.
            for (int i = 0; i < 3; ++i)
                d.masks[i] = h.u32(40 + 4 * i);
            if (d.headerSize >= 56)
                d.masks[3] = h.u32(52);
        } else {
            for (int i = 0; i < count; ++i)
                d.masks[i] = h.u32(at + 4 * i);
            at += 4 * count;
        }
        if (!h.ok())
            return false;
    } else if (d.compression == BiRle8) {
        if (d.bitCount != 8 || d.height < 0)
            return false;
    } else if (d.compression == BiRle4) {
        if (d.bitCount != 4 || d.height < 0)
            return false;
    } else if (d.compression != BiRgb) {
        return false; // embedded JPEG or PNG streams are not drawn
    }
    if (d.bitCount <= 8) {
        qint64 count = 1 << d.bitCount;
        if (d.headerSize >= 40) {
            const quint32 used = h.u32(32);
            if (used != 0 && used < quint32(count))
                count = used;
        }
        const int entry = options.paletteIndex ? 2 : tableEntry;
        const qint64 available = (h.size() - at) / entry;
        d.colours.resize(1 << d.bitCount, 0xff000000);
        for (qint64 i = 0; i < count && i < available; ++i) {
            if (options.paletteIndex) {
                // Without the palette at hand, 1-bit tables use the drawing colours
                // and others a grey ramp by index.
                const quint16 index = h.u16(at + 2 * i);
                if (d.bitCount == 1)
                    d.colours[i] = index == 0 ? options.monoForeground : options.monoBackground;
                else
                    d.colours[i] = qRgb(index & 0xff, index & 0xff, index & 0xff);
            } else {
                const qint64 p = at + entry * i;
                d.colours[i] = qRgb(h.u8(p + 2), h.u8(p + 1), h.u8(p));
            }
        }
        at += entry * qMin(count, qMax<qint64>(available, 0));
    }
    d.tableEnd = at;
    return h.ok();
}

// Extracts a channel given by a bit mask and scales it to 0..255.
struct Channel {
    int shift = 0;
    int bits = 0;
    quint32 mask = 0;
    explicit Channel(quint32 m = 0) : mask(m) {
        if (m == 0)
            return;
        shift = std::countr_zero(m);
        bits = std::popcount(m >> shift);
        if (bits > 8) {
            shift += bits - 8;
            bits = 8;
            mask = 0xffu << shift;
        }
    }
    int value(quint32 px) const {
        if (!mask)
            return 0;
        const quint32 v = (px & mask) >> shift;
        const quint32 max = (1u << bits) - 1;
        return int((v * 255 + max / 2) / max);
    }
};

QImage decodeRle(const Bytes& bits, const DibHeader& d) {
    QImage image(int(d.width), int(d.height), QImage::Format_ARGB32);
    image.fill(0);
    const bool four = d.compression == BiRle4;
    qint64 x = 0, y = 0; // y counts rows from the bottom
    qint64 at = 0;
    auto put = [&](qint64 px, int index) {
        if (px >= 0 && px < d.width && y >= 0 && y < d.height)
            reinterpret_cast<QRgb*>(image.scanLine(int(d.height - 1 - y)))[px] = d.colours[index];
    };
    while (at + 1 < bits.size()) {
        const int count = bits.u8(at);
        const int code = bits.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < d.width; ++i, ++x)
                put(x, four ? ((i & 1) ? code & 0x0f : code >> 4) : code);
            continue;
        }
        if (code == 0) { // end of line
            x = 0;
            ++y;
        } else if (code == 1) { // end of bitmap
            break;
        } else if (code == 2) { // jump
            if (!bits.has(at, 2))
                break;
            x += bits.u8(at);
            y += bits.u8(at + 1);
            at += 2;
        } else { // literal run
            const qint64 bytes = four ? (code + 1) / 2 : code;
            if (!bits.has(at, bytes))
                break;
            for (int i = 0; i < code; ++i, ++x) {
                const int b = bits.u8(at + (four ? i / 2 : i));
                if (x < d.width)
                    put(x, four ? ((i & 1) ? b & 0x0f : b >> 4) : b);
            }
            at += (bytes + 1) & ~qint64(1);
        }
        if (y >= d.height)
            break;
    }
    return image;
}

} // namespace

QImage decodeDib(const Bytes& header, const Bytes& bits, const DibOptions& options) {
    DibHeader d;
    if (!readHeader(header, options, d))
        return {};
    if (d.compression == BiRle8 || d.compression == BiRle4)
        return decodeRle(bits, d);

    const bool bottomUp = d.height > 0;
    const qint64 rows = bottomUp ? d.height : -d.height;
    const qint64 stride = ((d.width * d.bitCount + 31) / 32) * 4;
    // The last row need not be padded; anything shorter is a cut bitmap.
    const qint64 lastRow = (d.width * d.bitCount + 7) / 8;
    if (bits.size() < stride * (rows - 1) + lastRow)
        return {};

    quint32 masks[4] = {d.masks[0], d.masks[1], d.masks[2], d.masks[3]};
    if (d.compression == BiRgb && d.bitCount == 16) {
        masks[0] = 0x7c00;
        masks[1] = 0x03e0;
        masks[2] = 0x001f;
    } else if (d.compression == BiRgb && d.bitCount == 32) {
        masks[0] = 0x00ff0000;
        masks[1] = 0x0000ff00;
        masks[2] = 0x000000ff;
        masks[3] = options.keepAlpha ? 0xff000000 : 0;
    }
    const Channel r(masks[0]), g(masks[1]), b(masks[2]), a(masks[3]);

    QImage image(int(d.width), int(rows), QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const uchar* src0 = bits.data();
    for (qint64 row = 0; row < rows; ++row) {
        const uchar* src = src0 + row * stride;
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(int(bottomUp ? rows - 1 - row : row)));
        switch (d.bitCount) {
        default:
            dib::unpackRow(src, d.width, d.bitCount, d.colours.constData(), out);
            break;
        case 16:
        case 32: {
            const int bytes = d.bitCount / 8;
            for (qint64 x = 0; x < d.width; ++x) {
                const uchar* p = src + bytes * x;
                const quint32 px =
                    bytes == 2 ? quint32(p[0] | (p[1] << 8))
                               : quint32(p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24));
                out[x] = qRgba(r.value(px), g.value(px), b.value(px), a.mask ? a.value(px) : 255);
            }
            break;
        }
        }
    }
    if (options.keepAlpha && masks[3])
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

QImage decodePackedDib(const Bytes& packed, const DibOptions& options) {
    DibHeader d;
    if (!readHeader(packed, options, d))
        return {};
    return decodeDib(packed.sub(0, d.tableEnd), packed.sub(d.tableEnd, packed.size() - d.tableEnd),
                     options);
}

} // namespace metafile
