// The two-thread JPEG decodes (reduced, and full size in two parts) on
// damaged coded data; a full-size one must equal the library's own decode. Arbitrary bytes
// seldom make a header large enough to take that path, so the headers are
// real (four samplings of a megapixel picture) and the input damages or
// replaces the entropy-coded data behind them.
#include "../tests/support/JpegWriter.h"
#include "core/Error.h"
#include "dib/DecodeLimits.h"
#include "graphics/JpegDecoder.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int w = 1536, h = 1400; // two megapixels and more: large enough to split

struct Template {
    QByteArray header; // up to and including the start of scan
    QByteArray coded;  // entropy-coded data and the end marker
};

Template splitAtScan(const QByteArray& jpeg) {
    // The first start-of-scan marker: the header's segments each give their length.
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        const auto marker = uint8_t(jpeg[at + 1]);
        const int length = (uint8_t(jpeg[at + 2]) << 8) | uint8_t(jpeg[at + 3]);
        at += 2 + length;
        if (marker == 0xDA)
            break;
    }
    return {jpeg.left(at), jpeg.mid(at)};
}

const std::array<Template, 4>& templates() {
    static const std::array<Template, 4> all = [] {
        std::array<Template, 4> t;
        auto fill = [](int components) {
            return [components](int y, unsigned char* row) {
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < components; ++c)
                        row[x * components + c] = static_cast<unsigned char>(
                            (x * (c + 1) + y * 3 + ((x * y) >> 5)) & 0xFF);
            };
        };
        auto sampled = [](int h0, int v0) {
            return [h0, v0](jpeg_compress_struct& c) {
                jpeg_set_quality(&c, 85, TRUE);
                c.comp_info[0].h_samp_factor = h0;
                c.comp_info[0].v_samp_factor = v0;
            };
        };
        t[0] = splitAtScan(testsupport::writeJpeg(w, h, 3, JCS_RGB, fill(3), sampled(2, 2)));
        t[1] = splitAtScan(testsupport::writeJpeg(w, h, 3, JCS_RGB, fill(3), sampled(2, 1)));
        t[2] = splitAtScan(testsupport::writeJpeg(w, h, 3, JCS_RGB, fill(3), sampled(1, 1)));
        t[3] = splitAtScan(testsupport::writeJpeg(w, h, 1, JCS_GRAYSCALE, fill(1)));
        return t;
    }();
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    DecodeLimits& limits = DecodeLimits::current();
    limits.maxPixels = 4'000'000;
    limits.maxJpegMemory = 300'000'000L;
    const Template& t = templates()[data[0] & 3];
    const int eighths = (data[0] & 4) ? 1 : (data[0] & 32) ? 8 : 2;
    const QByteArray input(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QByteArray coded;
    if (data[0] & 8) {
        coded = input; // all new coded data
    } else {
        // Damage laid over the real data from an offset the input names, so
        // that faults also come after the two threads have met.
        coded = t.coded;
        const qsizetype offset = input.size() >= 4
                                     ? qsizetype(((uint8_t(input[0]) << 16) |
                                                  (uint8_t(input[1]) << 8) | uint8_t(input[2])) %
                                                 std::max<qsizetype>(1, coded.size()))
                                     : 0;
        for (qsizetype i = 3; i < input.size() && offset + i - 3 < coded.size(); ++i)
            coded[offset + i - 3] = char(coded[offset + i - 3] ^ input[i]);
        if (data[0] & 16)
            coded.truncate(offset); // the file ends early
    }
    try {
        JpegDecoder decoder(t.header + coded);
        decoder.setSplitAllowed(true, true);
        const QImage image = decoder.decode(eighths);
        if (image.isNull())
            __builtin_trap();
        if (eighths == 8 && decoder.wasSplit()) {
            JpegDecoder single(t.header + coded);
            single.setSplitAllowed(false);
            if (single.decode(8) != image)
                __builtin_trap();
        }
    } catch (const AppError&) {
    }
    return 0;
}
