#include "platform/ScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace screengeometry {

QList<QRect> screens() {
    QList<QRect> rects;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        rects.append(primary->geometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            rects.append(screen->geometry());
    return rects;
}

QList<QRect> workAreas() {
    QList<QRect> rects;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        rects.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            rects.append(screen->availableGeometry());
    return rects;
}

namespace {
// Squared distance between two rectangles; 0 when they touch or overlap.
qint64 distance(const QRect& a, const QRect& b) {
    const qint64 dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const qint64 dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// The start of a span of `length` inside [lo, lo + room), as near `at` as fits;
// a span longer than the room starts at lo.
int clampSpan(int at, int length, int lo, int room) {
    if (length >= room)
        return lo;
    return std::clamp(at, lo, lo + room - length);
}

// The top of a window of `height` just below the strip, or just above where
// there is no room below; where neither fits, `fallback` moved onto screen s.
int besideY(int height, const QRect& strip, const QRect& s, int fallback) {
    if (strip.bottom() + 1 + height <= s.bottom() + 1)
        return strip.bottom() + 1;
    if (strip.top() - height >= s.top())
        return strip.top() - height;
    return clampSpan(fallback, height, s.top(), s.height());
}
} // namespace

QRect screenFor(const QRect& rect, const QList<QRect>& screens) {
    QRect best;
    qint64 bestArea = 0;
    for (const QRect& s : screens)
        if (const qint64 a = area(s.intersected(rect)); a > bestArea) {
            best = s;
            bestArea = a;
        }
    if (bestArea > 0)
        return best;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& s : screens)
        if (const qint64 d = distance(s, rect); d < bestDistance) {
            best = s;
            bestDistance = d;
        }
    return best;
}

QPoint ontoOneScreen(const QRect& rect, const QList<QRect>& screens) {
    const QRect s = screenFor(rect, screens);
    if (s.isEmpty())
        return rect.topLeft();
    return QPoint(clampSpan(rect.left(), rect.width(), s.left(), s.width()),
                  clampSpan(rect.top(), rect.height(), s.top(), s.height()));
}

int leftEdgeAt(int y, const QList<QRect>& screens, int fallback) {
    bool found = false;
    int edge = 0;
    for (const QRect& s : screens)
        if (y >= s.top() && y <= s.bottom() && (!found || s.left() < edge)) {
            edge = s.left();
            found = true;
        }
    return found ? edge : fallback;
}

QPoint besideStrip(QSize window, const QRect& strip, const QList<QRect>& screens) {
    const QRect s = screenFor(strip, screens);
    if (s.isEmpty())
        return QPoint(0, 0);
    const int x =
        clampSpan(s.left() + (s.width() - window.width()) / 2, window.width(), s.left(), s.width());
    const int y = clampSpan(s.top() + (s.height() - window.height()) / 2, window.height(), s.top(),
                            s.height());
    // Against each side of the strip, kept on the screen: below, above, then
    // the side with more room first.
    QList<QPoint> sides{QPoint(x, y), QPoint(x, strip.bottom() + 1),
                        QPoint(x, strip.top() - window.height())};
    const QPoint left(strip.left() - window.width(), y);
    const QPoint right(strip.right() + 1, y);
    if (strip.left() - s.left() >= s.right() - strip.right())
        sides << left << right;
    else
        sides << right << left;
    QPoint best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint& side : sides) {
        const QPoint at = ontoOneScreen(QRect(side, window), {s});
        const qint64 covered = area(QRect(at, window).intersected(strip));
        if (covered < leastCovered) {
            best = at;
            leastCovered = covered;
        }
    }
    return best;
}

QPoint underStrip(QSize window, const QRect& strip, const QList<QRect>& screens) {
    const QRect s = screenFor(strip, screens);
    if (s.isEmpty())
        return strip.bottomLeft() + QPoint(0, 1);
    const int x = clampSpan(strip.left(), window.width(), s.left(), s.width());
    return QPoint(x, besideY(window.height(), strip, s, strip.bottom() + 1));
}

QPoint apart(QPoint wanted, QSize window, const QList<QRect>& open, const QRect& strip,
             const QRect& screen) {
    // A title bar's height: the caption of the window below stays readable.
    constexpr int Step = 32;
    auto taken = [&open](QPoint at) {
        return std::any_of(open.begin(), open.end(), [at](const QRect& r) {
            return (r.topLeft() - at).manhattanLength() < 8;
        });
    };
    auto fits = [&](QPoint at) {
        const QRect r(at, window);
        return (screen.isEmpty() || screen.contains(r)) && !r.intersects(strip);
    };
    QPoint at = wanted;
    for (int tries = 0; taken(at) && tries < 2 * int(open.size()) + 2; ++tries) {
        const QPoint down = at + QPoint(Step, Step);
        const QPoint up = at - QPoint(Step, Step);
        at = fits(down) ? down : fits(up) ? up : down;
    }
    return at;
}

} // namespace screengeometry
