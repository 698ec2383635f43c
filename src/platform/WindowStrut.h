#pragma once

class QWindow;

// The screen edge a window keeps for itself (_NET_WM_STRUT and
// _NET_WM_STRUT_PARTIAL). A window manager that follows EWMH lets such a
// window stand mostly off screen and keeps maximised windows out of the
// reserved pixels. Only under X11; elsewhere both calls do nothing.
namespace windowstrut {

// Reserves `width` pixels at the left edge of the screen over the rows
// top..bottom (device-independent pixels, as the window's geometry).
void reserveLeft(QWindow* window, int width, int top, int bottom);
// Gives the reserved edge back.
void clear(QWindow* window);

} // namespace windowstrut
