#include "strip/window/WindowStyle.h"

#include <QWidget>

namespace windowstyle {

bool isStayOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void apply(QWidget* window, bool stayOnTop) {
    if (isStayOnTop(window) == stayOnTop)
        return;
    // Changing a top-level window's flags hides it and may give it a new
    // native window, so everything the user sees is put back afterwards.
    const QPoint place = window->pos();
    const bool visible = window->isVisible();
    const bool drops = window->acceptDrops();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
    window->setAcceptDrops(drops);
    window->move(place);
    if (visible) {
        window->show();
        window->move(place); // some window managers place a re-mapped window anew
    }
}

} // namespace windowstyle
