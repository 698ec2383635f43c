#pragma once
#include <QPoint>

// A compositor that ignores the moves X11 windows ask for: sway centres
// every floating window it manages at its map and at each later request, yet
// moves one where its own command says. Its socket is named by SWAYSOCK in
// the sessions it runs.
namespace compositoripc {

// True when such a compositor runs the session.
bool present();
// Asks it to move the top-level X11 window to `at` (desktop pixels, the
// frame's top left), without waiting for its answer; false when none runs.
bool moveWindow(unsigned long x11Window, QPoint at);

} // namespace compositoripc
