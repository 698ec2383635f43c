// Icon reader on arbitrary bytes: every image of the directory is decoded.
#include "core/Error.h"
#include "dib/DecodeLimits.h"
#include "dib/IcoFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    DecodeLimits::current().maxPixels = 4'000'000;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QList<iconimage::Image> images = icofile::read(bytes);
        if (images.isEmpty())
            __builtin_trap();
        for (const iconimage::Image& i : images) {
            if (i.image.isNull())
                __builtin_trap();
        }
        (void)icofile::bestIndexFor(images, QSize(34, 34));
    } catch (const AppError&) {
    }
    return 0;
}
