#pragma once

class QWidget;

// Stay-on-top or normal for a top-level window, changed in place: the window
// keeps its position (also off screen), its visibility and whether it takes
// drops, and the window manager is told of the keep-above state.
namespace windowstyle {
void apply(QWidget* window, bool stayOnTop);
bool isStayOnTop(const QWidget* window);
} // namespace windowstyle
