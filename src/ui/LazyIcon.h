#pragma once
#include <QIcon>
#include <QStyle>
#include <functional>

// Pictures for tool bars and menus (the style's standard ones, the theme's,
// the program's own drawn art), made when a control
// first draws or measures them, and made once for the whole program: a tool
// window built in idle time decodes no picture until the user shows it, and
// windows that show the same picture share it.
namespace lazyicon {

QIcon standard(QStyle::StandardPixmap which);
// The desktop theme's icon of that name, else the standard picture.
QIcon themed(const QString& name, QStyle::StandardPixmap fallback);
// The picture `make` gives, made when first drawn or measured and shared by
// every icon made under the same key.
QIcon made(const QString& key, std::function<QIcon()> make);

} // namespace lazyicon
