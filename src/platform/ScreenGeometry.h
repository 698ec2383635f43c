#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where windows stand on a desktop of one or more screens. The functions
// take the screens' rectangles, so every rule holds for any arrangement;
// screens() reads the rectangles of the screens attached now.
namespace screengeometry {

// Each attached screen's geometry, the primary first.
QList<QRect> screens();

// The screen holding most of rect; when none holds any of it, the nearest.
// An empty rectangle when there is no screen at all.
QRect screenFor(const QRect& rect, const QList<QRect>& screens);

// rect's top left, unchanged while any part of rect is on a screen;
// otherwise moved onto the nearest screen, wholly when it fits there.
QPoint ontoScreens(const QRect& rect, const QList<QRect>& screens);

// The left edge of the desktop in the row y: that of the leftmost screen
// spanning the row, or fallback when no screen does.
int leftEdgeAt(int y, const QList<QRect>& screens, int fallback);

// Where a window of frame size `window` opens: centred on the strip's
// screen, moved just below the strip when centred it would cover it, or
// just above where there is no room below.
QPoint besideStrip(QSize window, const QRect& strip, const QList<QRect>& screens);

// Where a list that belongs to the strip opens: at the strip's left edge
// just below it, or just above where there is no room below, on the
// strip's screen.
QPoint underStrip(QSize window, const QRect& strip, const QList<QRect>& screens);

// Where a window of that size opens at `wanted` or, when another open window
// already stands there, a step down and right of it (up and left where the
// screen ends), so no two open at the same place; `strip` is never covered.
QPoint apart(QPoint wanted, QSize window, const QList<QRect>& open, const QRect& strip,
             const QRect& screen);

} // namespace screengeometry
