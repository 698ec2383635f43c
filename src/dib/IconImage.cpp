#include "dib/IconImage.h"
#include "dib/DecodeLimits.h"
#include "dib/DibDecoder.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace iconimage {
namespace {

[[noreturn]] void invalid() {
    throw dib::DibError(dib::DibError::Kind::Icon);
}

std::uint32_t be32(const unsigned char* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

// The signature, then the IHDR chunk: length, "IHDR", width, height, depth,
// colour type. Read before the PNG decoder allocates for the declared size.
std::optional<Shape> describePng(ByteView v) {
    if (!v.has(0, 26) || !v.sub(12, 4)->startsWith("IHDR", 4))
        return std::nullopt;
    const std::uint32_t w = be32(v.data() + 16);
    const std::uint32_t h = be32(v.data() + 20);
    if (w == 0 || h == 0 || w > std::uint32_t(dib::maxIconSide) ||
        h > std::uint32_t(dib::maxIconSide) ||
        std::int64_t(w) * h > DecodeLimits::current().maxPixels)
        return std::nullopt;
    const int depth = v.data()[24];
    int channels = 1;
    switch (v.data()[25]) {
    case 0: // grey
    case 3: // palette
        channels = 1;
        break;
    case 2:
        channels = 3;
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

// The end chunk with its checksum: the PNG decoder takes a file cut after
// its last image data for whole, so the cut is caught here.
bool pngComplete(ByteView v) {
    static constexpr char end[] = "IEND";
    const unsigned char* first = v.data();
    const unsigned char* last = v.data() + v.size();
    const auto found = std::find_end(first, last, end, end + 4);
    return found != last && last - found >= 8;
}

dib::Source iconSource(ByteView image) {
    dib::Source source;
    source.bytes = image;
    source.icon = true;
    return source;
}

} // namespace

bool isPng(ByteView bytes) {
    return bytes.startsWith("\x89PNG\r\n\x1a\n", 8);
}

std::optional<Shape> describe(ByteView image) {
    if (isPng(image))
        return describePng(image);
    try {
        const dib::Shape s = dib::describe(iconSource(image));
        return Shape{s.width, s.height, s.bitCount};
    } catch (const dib::DibError&) {
        return std::nullopt;
    }
}

Image decode(ByteView image) {
    Image out;
    if (isPng(image)) {
        const auto shape = describePng(image);
        if (!shape || image.size() > std::uint64_t(INT_MAX) || !pngComplete(image))
            invalid();
        const QImage png = QImage::fromData(image.data(), int(image.size()), "PNG");
        if (png.isNull())
            invalid();
        out.image = png.convertToFormat(QImage::Format_ARGB32);
        out.bitCount = shape->bits;
        out.png = true;
        return out;
    }
    const dib::Result r = dib::decode(iconSource(image));
    out.image = r.image;
    out.bitCount = r.bitCount;
    return out;
}

int largeIndex(const std::vector<Shape>& shapes) {
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
