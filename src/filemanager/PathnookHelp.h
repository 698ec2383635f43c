#pragma once
#include <QString>

namespace pathnookhelp {

// The file manager's help page text, one item a line.
QString text();

} // namespace pathnookhelp
