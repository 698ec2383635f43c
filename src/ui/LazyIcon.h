#pragma once
#include <QIcon>
#include <QStyle>

// The style's standard pictures for tool bars and menus, made when a control
// first draws or measures them, and made once for the whole program: a tool
// window built in idle time decodes no picture until the user shows it, and
// windows that show the same picture share it.
namespace lazyicon {

QIcon standard(QStyle::StandardPixmap which);
// The desktop theme's icon of that name, else the standard picture.
QIcon themed(const QString& name, QStyle::StandardPixmap fallback);

} // namespace lazyicon
