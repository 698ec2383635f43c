// Bitmap reader on arbitrary bytes: it must fail with its error or succeed,
// never read outside the data.
#include "core/Error.h"
#include "dib/DecodeLimits.h"
#include "graphics/BmpFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeLimits::current().maxPixels = 4'000'000; // keeps each run short
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = bmpfile::read(bytes);
        if (image.isNull())
            __builtin_trap(); // success must mean a picture
    } catch (const AppError&) {
    }
    return 0;
}
