#pragma once

class QWidget;

// Stay-on-top or normal for a top-level window, changed in place: the window
// keeps its position (also off screen), its visibility and whether it takes
// drops, and the window manager is told of the keep-above state.
namespace windowstyle {
void apply(QWidget* window, bool stayOnTop);
bool isStayOnTop(const QWidget* window);
// The same for placing itself without the window manager (override-redirect
// under X11): for a window that the window manager will not place.
void bypassWindowManager(QWidget* window);
// And back to the window manager's care.
void useWindowManager(QWidget* window);
} // namespace windowstyle
