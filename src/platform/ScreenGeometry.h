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

// Each attached screen's work area (its geometry less the panels and docks
// that reserve an edge), in the order of screens().
QList<QRect> workAreas();

// The screen holding most of rect; when none holds any of it, the nearest.
// An empty rectangle when there is no screen at all.
QRect screenFor(const QRect& rect, const QList<QRect>& screens);

// rect's top left moved as little as brings rect wholly onto one screen:
// the one holding most of it, else the nearest. Where rect is larger than
// that screen, its top or left edge is on the screen's.
QPoint ontoOneScreen(const QRect& rect, const QList<QRect>& screens);

// The left edge of the desktop in the row y: that of the leftmost screen
// spanning the row, or fallback when no screen does.
int leftEdgeAt(int y, const QList<QRect>& screens, int fallback);

// Where a window of frame size `window` opens: centred on the strip's
// screen; where centred it would cover the strip, just below the strip, or
// just above where there is no room below, else beside it on the side with
// the most room. Where nothing is clear of the strip, that side still
// covers the least of it.
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
