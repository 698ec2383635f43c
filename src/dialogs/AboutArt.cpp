#include "dialogs/AboutArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace aboutart {

namespace {

QPixmap canvas(int w, int h, qreal dpr) {
    QPixmap pm(QSize(qRound(w * dpr), qRound(h * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

// A fern frond: a curved stem with leaflets that shrink towards the tip.
void frond(QPainter& p, const QColor& leaf, const QColor& stem) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath spine;
    spine.moveTo(18, 54);
    spine.cubicTo(22, 36, 34, 18, 52, 6);
    p.setPen(QPen(stem, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spine);
    p.setPen(Qt::NoPen);
    p.setBrush(leaf);
    for (int i = 0; i < 8; ++i) {
        const qreal t = 0.1 + i * 0.11;
        const QPointF at = spine.pointAtPercent(t);
        const qreal size = 11 - i * 1.1;
        p.save();
        p.translate(at);
        p.rotate(-spine.angleAtPercent(t));
        p.drawEllipse(QRectF(-size / 3, -size, size / 1.5, size));
        p.drawEllipse(QRectF(-size / 3, 0, size / 1.5, size));
        p.restore();
    }
}

} // namespace

QPixmap logo(bool highlighted, qreal dpr) {
    QPixmap pm = canvas(65, 57, dpr);
    QPainter p(&pm);
    if (highlighted) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 120, 200));
        p.drawRoundedRect(QRectF(1, 1, 63, 55), 8, 8);
    }
    frond(p, highlighted ? QColor(40, 190, 40) : QColor(20, 110, 30),
          highlighted ? QColor(120, 70, 10) : QColor(70, 40, 10));
    p.setPen(highlighted ? QColor(160, 0, 0) : QColor(0, 0, 128));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(28, 38, 36, 16), Qt::AlignCenter, QStringLiteral("FFS"));
    return pm;
}

QPixmap secondIcon(qreal dpr) {
    QPixmap pm = canvas(32, 32, dpr);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    // A gold star with "FREE" across it.
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? 7 : 15;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(16 + r * std::cos(a), 16.5 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(150, 90, 0), 1));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(star);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRectF(0, 11, 32, 12), Qt::AlignCenter, QStringLiteral("FREE"));
    return pm;
}

QCursor freeCursor() {
    QPixmap pm = canvas(32, 32, 1.0);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The arrow, tip at (0, 0), white with a black edge.
    QPolygon arrow({{0, 0}, {0, 15}, {4, 11}, {7, 18}, {9, 17}, {6, 10}, {11, 10}});
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    // "FREE" beside it, black on a white outline so it shows on any ground.
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(9);
    f.setBold(true);
    QPainterPath text;
    text.addText(12, 28, f, QStringLiteral("FREE"));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.strokePath(text, QPen(Qt::white, 2));
    p.fillPath(text, Qt::black);
    p.end();
    return QCursor(pm, 0, 0);
}

} // namespace aboutart
