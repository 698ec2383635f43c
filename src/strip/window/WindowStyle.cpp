#include "strip/window/WindowStyle.h"

#include <QWidget>

namespace windowstyle {

bool isStayOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

namespace {

void setFlag(QWidget* window, Qt::WindowType flag, bool on) {
    if (window->windowFlags().testFlag(flag) == on)
        return;
    // Changing a top-level window's flags hides it and may give it a new
    // native window, so everything the user sees is put back afterwards.
    const QPoint place = window->pos();
    const bool visible = window->isVisible();
    const bool drops = window->acceptDrops();
    window->setWindowFlag(flag, on);
    window->setAcceptDrops(drops);
    window->move(place);
    if (visible) {
        window->show();
        window->move(place); // some window managers place a re-mapped window anew
    }
}

} // namespace

void apply(QWidget* window, bool stayOnTop) {
    setFlag(window, Qt::WindowStaysOnTopHint, stayOnTop);
}

void bypassWindowManager(QWidget* window) {
    setFlag(window, Qt::X11BypassWindowManagerHint, true);
}

void useWindowManager(QWidget* window) {
    setFlag(window, Qt::X11BypassWindowManagerHint, false);
}

} // namespace windowstyle
