#pragma once
#include <QString>

namespace displaycheck {

// Empty when the X server the xcb platform would use answers; otherwise one
// line for the user saying why the program cannot start. Only asked when the
// chosen platform is xcb (or none was chosen).
QString x11Problem();

} // namespace displaycheck
