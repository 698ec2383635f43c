#pragma once
#include <QString>

// Integer text as the stored settings use it: leading blanks, an optional
// sign, then decimal digits or hexadecimal after "$" or "0x"; nothing may
// follow the digits. Throws ConversionError otherwise or on overflow.
namespace inttext {
int toInt(const QString& text);
bool tryToInt(const QString& text, int* value);
} // namespace inttext
