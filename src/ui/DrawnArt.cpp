#include "ui/DrawnArt.h"

#include "ui/LazyIcon.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace drawnart {

namespace {

// Axis-aligned shapes are drawn without antialiasing on whole units, so
// each edge falls on a pixel boundary at ratio 1 and 2 alike.
void box(QPainter& p, QRectF r, QColor fill, QColor edge) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, edge);
    p.fillRect(r.adjusted(1, 1, -1, -1), fill);
}

void diskette(QPainter& p, qreal x, qreal y, QColor body) {
    const QColor edge(0, 0, 0);
    box(p, {x, y, 18, 18}, body, edge);
    // Metal shutter with its window.
    box(p, {x + 4, y, 10, 7}, QColor(200, 200, 200), edge);
    p.fillRect(QRectF(x + 10, y + 2, 2, 3), QColor(60, 60, 60));
    // Label.
    box(p, {x + 3, y + 10, 12, 8}, QColor(255, 255, 255), edge);
    p.fillRect(QRectF(x + 5, y + 12, 8, 1), QColor(120, 120, 120));
    p.fillRect(QRectF(x + 5, y + 14, 8, 1), QColor(120, 120, 120));
}

void paintMoveHandle(QPainter& p) {
    diskette(p, 13, 1, QColor(128, 0, 0));
    diskette(p, 7, 7, QColor(0, 128, 0));
    diskette(p, 1, 13, QColor(0, 0, 160));
}

void paintExitDoor(QPainter& p) {
    // Frame and the dark opening.
    box(p, {10, 1, 16, 30}, QColor(20, 20, 20), QColor(96, 56, 24));
    p.fillRect(QRectF(8, 30, 20, 2), QColor(96, 56, 24));
    // The door leaf swung open to the right.
    p.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF leaf({{25, 2}, {31, 5}, {31, 31}, {25, 29}});
    p.setPen(QPen(QColor(60, 30, 10), 1));
    p.setBrush(QColor(176, 112, 48));
    p.drawPolygon(leaf);
    p.setBrush(QColor(240, 200, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(26.5, 16, 2, 2));
    // The arrow leaving through the doorway to the left.
    QPolygonF arrow({{1, 17}, {9, 10}, {9, 14}, {20, 14}, {20, 20}, {9, 20}, {9, 24}});
    p.setPen(QPen(QColor(0, 64, 0), 1));
    p.setBrush(QColor(0, 200, 0));
    p.drawPolygon(arrow);
}

void paintTableItem(QPainter& p) {
    const QColor edge(0, 0, 0);
    box(p, {2, 5, 28, 22}, QColor(255, 255, 255), edge);
    p.fillRect(QRectF(3, 6, 26, 5), QColor(0, 0, 128));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int x : {11, 20})
        p.fillRect(QRectF(x, 11, 1, 15), QColor(128, 128, 128));
    for (int y : {16, 21})
        p.fillRect(QRectF(3, y, 26, 1), QColor(128, 128, 128));
}

void paintMoreItem(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(QColor(0, 96, 192));
    p.drawPolygon(QPolygonF({{4, 4}, {16, 16}, {4, 28}, {4, 22}, {10, 16}, {4, 10}}));
    p.drawPolygon(QPolygonF({{16, 4}, {28, 16}, {16, 28}, {16, 22}, {22, 16}, {16, 10}}));
}

// The cursor's design on its 32 x 32 grid: true where a cell is set.
struct CursorGrid {
    bool black[32][32] = {};
    bool opaque[32][32] = {};
};

CursorGrid cursorGrid() {
    CursorGrid g;
    bool fill[32][32] = {};
    auto set = [&](int x, int y, int w, int h) {
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx)
                if (xx >= 0 && xx < 32 && yy >= 0 && yy < 32)
                    fill[yy][xx] = true;
    };
    // Left arrow: tip at the hot spot's row band, head then shaft.
    for (int i = 0; i < 5; ++i)
        set(i, 4 - i, 1, 2 * i + 1);
    set(5, 3, 12, 3);
    // Capitals, 5 x 9 with strokes 2 wide; each outlined by one pixel.
    const int top = 13;
    auto letterH = [&](int x) {
        set(x, top, 2, 9);
        set(x + 3, top, 2, 9);
        set(x, top + 4, 5, 2);
    };
    auto letterI = [&](int x) {
        set(x, top, 5, 2);
        set(x + 1, top, 3, 9); // a wide stem keeps the hollow outline readable
        set(x, top + 7, 5, 2);
    };
    auto letterD = [&](int x) {
        set(x, top, 2, 9);
        set(x, top, 4, 2);
        set(x, top + 7, 4, 2);
        set(x + 3, top + 1, 2, 7);
    };
    auto letterE = [&](int x) {
        set(x, top, 2, 9);
        set(x, top, 5, 2);
        set(x, top + 4, 4, 1);
        set(x, top + 7, 5, 2);
    };
    letterH(1);
    letterI(9);
    letterD(17);
    letterE(25);
    // Outlined: the set cells are white, their eight neighbours black, and
    // together they form the opaque area.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (fill[y][x]) {
                g.opaque[y][x] = true;
                continue;
            }
            bool edge = false;
            for (int dy = -1; dy <= 1 && !edge; ++dy)
                for (int dx = -1; dx <= 1 && !edge; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (xx >= 0 && xx < 32 && yy >= 0 && yy < 32 && fill[yy][xx])
                        edge = true;
                }
            if (edge) {
                g.black[y][x] = true;
                g.opaque[y][x] = true;
            }
        }
    // The hot spot itself is part of the arrow's outline, so it is visible.
    g.black[0][0] = true;
    g.opaque[0][0] = true;
    return g;
}

QBitmap gridBitmap(bool (&cells)[32][32], int scale) {
    QImage img(32 * scale, 32 * scale, QImage::Format_MonoLSB);
    img.setColorCount(2);
    img.setColor(0, qRgb(255, 255, 255));
    img.setColor(1, qRgb(0, 0, 0));
    img.fill(0);
    for (int y = 0; y < 32 * scale; ++y)
        for (int x = 0; x < 32 * scale; ++x)
            if (cells[y / scale][x / scale])
                img.setPixel(x, y, 1);
    return QBitmap::fromImage(img, Qt::MonoOnly | Qt::ThresholdDither);
}

void paintProgramFile(QPainter& p) {
    const QColor edge(0, 0, 0);
    box(p, {2, 5, 28, 22}, QColor(192, 192, 192), edge);
    p.fillRect(QRectF(3, 6, 26, 5), QColor(0, 0, 128));
    box(p, {24, 7, 4, 3}, QColor(192, 192, 192), edge);
    box(p, {5, 13, 22, 12}, QColor(255, 255, 255), edge);
}

void paintDocumentFile(QPainter& p) {
    const QColor edge(0, 0, 0);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPolygonF sheet(
        {QPointF(6, 2), QPointF(20, 2), QPointF(26, 8), QPointF(26, 30), QPointF(6, 30)});
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(sheet);
    p.setBrush(QColor(200, 200, 200));
    p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 8), QPointF(26, 8)}));
    for (int y = 12; y <= 26; y += 4)
        p.fillRect(QRectF(9, y, 14, 1), QColor(120, 120, 120));
}

void paintFolderTree(QPainter& p) {
    const QColor edge(0, 0, 0);
    box(p, {2, 6, 12, 5}, QColor(224, 176, 48), edge);
    box(p, {2, 9, 26, 19}, QColor(224, 176, 48), edge);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(255, 216, 96));
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(31, 14), QPointF(27, 28), QPointF(2, 28)}));
}

} // namespace

void paint(QPainter& painter, Art art, const QRectF& target) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / 32.0, target.height() / 32.0);
    switch (art) {
    case Art::MoveHandle:
        paintMoveHandle(painter);
        break;
    case Art::ExitDoor:
        paintExitDoor(painter);
        break;
    case Art::TableItem:
        paintTableItem(painter);
        break;
    case Art::MoreItem:
        paintMoreItem(painter);
        break;
    case Art::ProgramFile:
        paintProgramFile(painter);
        break;
    case Art::DocumentFile:
        paintDocumentFile(painter);
        break;
    case Art::FolderTree:
        paintFolderTree(painter);
        break;
    }
    painter.restore();
}

QPixmap pixmap(Art art, int size, qreal dpr) {
    QPixmap pm(qRound(size * dpr), qRound(size * dpr));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(p, art, QRectF(0, 0, size, size));
    return pm;
}

QIcon icon(Art art) {
    // Painted when first shown: the strip's menus are made before it shows.
    return lazyicon::made(QStringLiteral("drawn/%1").arg(int(art)), [art] {
        QIcon out;
        for (int size : {16, 32})
            for (qreal dpr : {1.0, 2.0})
                out.addPixmap(pixmap(art, size, dpr));
        return out;
    });
}

QBitmap hideCursorBitmap(int scale) {
    CursorGrid g = cursorGrid();
    return gridBitmap(g.black, scale);
}

QBitmap hideCursorMask(int scale) {
    CursorGrid g = cursorGrid();
    return gridBitmap(g.opaque, scale);
}

QCursor hideCursor(qreal dpr) {
    const int scale = dpr >= 1.5 ? 2 : 1;
    QBitmap bitmap = hideCursorBitmap(scale);
    QBitmap mask = hideCursorMask(scale);
    bitmap.setDevicePixelRatio(scale);
    mask.setDevicePixelRatio(scale);
    return QCursor(bitmap, mask, 0, 0);
}

ArtView::ArtView(Art art, QWidget* parent) : QWidget(parent), art_(art) {}

void ArtView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF r((width() - 32) / 2, (height() - 32) / 2, 32, 32);
    paint(p, art_, r);
}

} // namespace drawnart
