// Icon reader on arbitrary bytes: every image of the directory is decoded.
#include "core/Error.h"
#include "graphics/DecodeLimits.h"
#include "graphics/IcoFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeLimits::current().maxPixels = 4'000'000;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QList<icofile::Image> images = icofile::read(bytes);
        if (images.isEmpty())
            __builtin_trap();
        for (const icofile::Image& i : images) {
            if (i.image.isNull())
                __builtin_trap();
        }
        (void)icofile::bestIndexFor(images, QSize(34, 34));
    } catch (const AppError&) {
    }
    return 0;
}
