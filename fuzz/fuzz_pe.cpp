// Executable and icon-file bytes through the icon reader: counting, then
// every icon up to a few, each image decoded.
#include "platform/IconReader.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const int count = iconreader::iconCountInData(bytes);
    for (int n = 0; n < count && n < 8; ++n) {
        auto image = iconreader::iconInData(bytes, n);
        if (image && (image->width() > 1024 || image->height() > 1024))
            __builtin_trap();
    }
    (void)iconreader::iconInData(bytes, count);
    return 0;
}
