#pragma once
#include <QRect>
#include <optional>

class QWindow;

// What a launcher asks of the window system besides its place, and where the
// window system really put it. Only under X11 (also XWayland); elsewhere the
// calls do nothing and nothing can be read back.
namespace windowrole {

// Keeps the window out of task bars, pagers and window switchers
// (_NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER): on a window not
// mapped yet in its state property, which the window manager reads at the
// map; on a mapped one by asking the window manager.
void skipTaskbar(QWindow* window);

// The window's client area on the desktop as the X server has it now
// (device-independent pixels), asked of the server: Qt's own value is what
// the program asked for until the window manager answers.
std::optional<QRect> placed(QWindow* window);

} // namespace windowrole
