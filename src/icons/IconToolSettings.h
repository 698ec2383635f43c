#pragma once
#include <cstdint>

class ControlFile;

// What the icon tools read from the control file: only the program colour,
// which both windows take each time they are shown.
namespace icontoolsettings {

// PROCOLOR "Color" (read limit 80, set test); the strip's design colour, the
// button face, when it is not set. A value that is no colour raises the
// conversion error.
uint32_t programColour(const ControlFile& controlFile);

} // namespace icontoolsettings
