#include "IntText.h"

#include "Error.h"

#include <cstdint>

namespace inttext {

namespace {

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= '0' && u <= '9')
        d = u - '0';
    else if (base == 16 && u >= 'a' && u <= 'f')
        d = u - 'a' + 10;
    else if (base == 16 && u >= 'A' && u <= 'F')
        d = u - 'A' + 10;
    return d < base ? d : -1;
}

} // namespace

// Hexadecimal text may give all 32 bits, as "$FFFFFFFF" for -1 (how colour
// values are stored); decimal text must fit a signed 32-bit integer.
bool tryToInt(const QString& text, int* value) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    const uint64_t max = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t result = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            return false;
        result = result * uint64_t(base) + uint64_t(d);
        if (result > max)
            return false;
    }
    uint32_t bits = uint32_t(result);
    if (negative)
        bits = 0u - bits;
    *value = int(int32_t(bits));
    return true;
}

int toInt(const QString& text) {
    int value = 0;
    if (!tryToInt(text, &value))
        throw ConversionError(text);
    return value;
}

} // namespace inttext
