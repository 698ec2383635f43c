// Colour and integer text on hostile input: every text is a colour, an
// integer or a conversion error, and an encoded colour decodes to itself.
#include "core/ColorText.h"
#include "core/Error.h"
#include "core/IntText.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const uint32_t value = colortext::decode(text);
        if (colortext::decode(colortext::encode(value)) != value)
            std::abort();
    } catch (const ConversionError&) {
    }
    int number = 0;
    const bool ok = inttext::tryToInt(text, &number);
    try {
        if (inttext::toInt(text) != number || !ok)
            std::abort();
    } catch (const ConversionError&) {
        if (ok)
            std::abort();
    }
    if (size >= 4) {
        uint32_t raw;
        std::memcpy(&raw, data, 4);
        if (colortext::decode(colortext::encode(raw)) != raw)
            std::abort();
    }
    return 0;
}
