#include "platform/IconImage.h"

#include <cstdlib>

namespace iconimage {
namespace {

constexpr int largeSide = 32;

bool isPng(ByteView v) {
    return v.startsWith("\x89PNG\r\n\x1a\n", 8);
}

std::uint32_t be32(ByteView v, std::uint64_t off) {
    const unsigned char* p = v.data() + off;
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

std::optional<Shape> describePng(ByteView v) {
    // Signature, then the IHDR chunk: length, "IHDR", width, height, depth, colour type.
    if (!v.has(0, 26) || v.data()[12] != 'I' || v.data()[13] != 'H' || v.data()[14] != 'D' ||
        v.data()[15] != 'R')
        return std::nullopt;
    const std::uint32_t w = be32(v, 16);
    const std::uint32_t h = be32(v, 20);
    if (w == 0 || h == 0 || w > maxSide || h > maxSide)
        return std::nullopt;
    const int depth = v.data()[24];
    int channels = 1;
    switch (v.data()[25]) {
    case 0:
        channels = 1;
        break;
    case 2:
        channels = 3;
        break;
    case 3:
        channels = 1;
        break;
    case 4:
        channels = 2;
        break;
    case 6:
        channels = 4;
        break;
    default:
        return std::nullopt;
    }
    return Shape{int(w), int(h), depth * channels};
}

struct Dib {
    int width = 0;
    int height = 0; // of the image, half the stored height
    int bits = 0;
    std::uint64_t headerSize = 0;
    std::uint32_t colorsUsed = 0;
};

std::optional<Dib> readDib(ByteView v) {
    auto size = v.u32(0);
    if (!size || *size < 40 || !v.has(0, *size))
        return std::nullopt;
    const auto w = static_cast<std::int32_t>(*v.u32(4));
    const auto h2 = static_cast<std::int32_t>(*v.u32(8));
    const int bits = *v.u16(14);
    const std::uint32_t compression = *v.u32(16);
    const std::uint32_t used = *v.u32(32);
    if (compression != 0)
        return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::nullopt;
    if (w <= 0 || w > maxSide || h2 <= 1 || h2 > 2 * maxSide)
        return std::nullopt;
    if (used > 256)
        return std::nullopt;
    return Dib{w, h2 / 2, bits, *size, used};
}

} // namespace

std::optional<Shape> describe(ByteView image) {
    if (isPng(image))
        return describePng(image);
    auto dib = readDib(image);
    if (!dib)
        return std::nullopt;
    return Shape{dib->width, dib->height, dib->bits};
}

std::optional<QImage> decode(ByteView image) {
    if (isPng(image)) {
        if (!describePng(image))
            return std::nullopt;
        QImage png;
        if (!png.loadFromData(image.data(), int(image.size()), "PNG") || png.isNull())
            return std::nullopt;
        return png.convertToFormat(QImage::Format_ARGB32);
    }
    auto dib = readDib(image);
    if (!dib)
        return std::nullopt;
    const int w = dib->width;
    const int h = dib->height;
    const int bits = dib->bits;

    std::uint64_t paletteCount = 0;
    if (bits <= 8) {
        const std::uint32_t full = 1u << bits;
        paletteCount = (dib->colorsUsed != 0 && dib->colorsUsed < full) ? dib->colorsUsed : full;
    } else {
        paletteCount = dib->colorsUsed; // an optional optimisation table, skipped
    }
    const std::uint64_t paletteOffset = dib->headerSize;
    const std::uint64_t xorOffset = paletteOffset + paletteCount * 4;
    const std::uint64_t xorStride = ((std::uint64_t(w) * bits + 31) / 32) * 4;
    const std::uint64_t andStride = ((std::uint64_t(w) + 31) / 32) * 4;
    const std::uint64_t andOffset = xorOffset + xorStride * h;
    if (!image.has(andOffset, andStride * h))
        return std::nullopt;

    const unsigned char* base = image.data();
    auto paletteColor = [&](std::uint32_t index) -> QRgb {
        if (index >= paletteCount)
            return qRgb(0, 0, 0);
        const unsigned char* p = base + paletteOffset + index * 4;
        return qRgb(p[2], p[1], p[0]);
    };

    bool hasAlpha = false;
    if (bits == 32) {
        for (int y = 0; y < h && !hasAlpha; ++y) {
            const unsigned char* row = base + xorOffset + xorStride * y;
            for (int x = 0; x < w; ++x)
                if (row[x * 4 + 3] != 0) {
                    hasAlpha = true;
                    break;
                }
        }
    }

    QImage out(w, h, QImage::Format_ARGB32);
    if (out.isNull())
        return std::nullopt;
    for (int y = 0; y < h; ++y) {
        // Bottom-up rows: stored row 0 is the image's last line.
        const unsigned char* row = base + xorOffset + xorStride * (h - 1 - y);
        const unsigned char* mask = base + andOffset + andStride * (h - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            QRgb c = 0;
            switch (bits) {
            case 1:
                c = paletteColor((row[x >> 3] >> (7 - (x & 7))) & 1);
                break;
            case 4:
                c = paletteColor((x & 1) ? (row[x >> 1] & 0x0f) : (row[x >> 1] >> 4));
                break;
            case 8:
                c = paletteColor(row[x]);
                break;
            case 16: {
                const unsigned v = row[x * 2] | (row[x * 2 + 1] << 8);
                const int r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
                c = qRgb((r << 3) | (r >> 2), (g << 3) | (g >> 2), (b << 3) | (b >> 2));
                break;
            }
            case 24:
                c = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
                break;
            case 32:
                c = qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4],
                          hasAlpha ? row[x * 4 + 3] : 255);
                break;
            }
            if (!hasAlpha && ((mask[x >> 3] >> (7 - (x & 7))) & 1))
                c = qRgba(qRed(c), qGreen(c), qBlue(c), 0);
            line[x] = c;
        }
    }
    return out;
}

int chooseLarge(const std::vector<Shape>& shapes) {
    int best = -1;
    long bestDistance = 0;
    int bestBits = 0;
    for (int i = 0; i < int(shapes.size()); ++i) {
        const Shape& s = shapes[i];
        if (s.width <= 0 || s.height <= 0)
            continue;
        const long distance =
            std::labs(long(s.width) - largeSide) + std::labs(long(s.height) - largeSide);
        if (best < 0 || distance < bestDistance ||
            (distance == bestDistance && s.bits > bestBits)) {
            best = i;
            bestDistance = distance;
            bestBits = s.bits;
        }
    }
    return best;
}

} // namespace iconimage
