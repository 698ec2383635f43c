#pragma once
#include <QString>
#include <cstdint>

// The control file's form of a colour: a name of the fixed 52-entry table or
// "$" followed by 8 upper-case hexadecimal digits. Value layout: lowest byte
// red, then green, then blue; 0x80000000 + index for a system colour.
namespace colortext {

constexpr uint32_t None = 0x1FFFFFFF;
constexpr uint32_t Default = 0x20000000;
constexpr uint32_t BtnFace = 0x8000000F;

QString encode(uint32_t value);
// Throws ConversionError for text that is neither a name nor an integer.
uint32_t decode(const QString& text);
// Looks up a name of the table without regard to case.
bool lookupName(const QString& name, uint32_t* value);
bool lookupValue(uint32_t value, QString* name);

} // namespace colortext
