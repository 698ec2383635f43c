// JPEG decoding on arbitrary bytes, through each way the program decodes:
// full size, DCT-scaled, and scan by scan.
#include "core/Error.h"
#include "dib/DecodeLimits.h"
#include "graphics/JpegDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeLimits& limits = DecodeLimits::current();
    limits.maxPixels = 4'000'000;
    limits.maxJpegScans = 60;
    limits.maxJpegMemory = 300'000'000L;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        JpegDecoder decoder(bytes);
        const int mode = size > 0 ? data[size - 1] % 3 : 0;
        QImage image;
        if (mode == 0) {
            image = decoder.decode();
        } else if (mode == 1) {
            image = decoder.decode(1 + (size % 8));
        } else {
            int steps = 0;
            image = decoder.decodeIncremental([&](const QImage&) { ++steps; }, 8, 16);
            if (steps == 0)
                __builtin_trap();
        }
        if (image.isNull())
            __builtin_trap();
    } catch (const AppError&) {
    }
    return 0;
}
