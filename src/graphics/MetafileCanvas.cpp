#include "graphics/MetafileCanvas.h"
#include "graphics/MetafilePen.h"
#include "graphics/MetafileText.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>

namespace metafile {
namespace {

// Coordinates beyond this (device pixels) are taken as hostile and not drawn.
constexpr double kCoordinateLimit = 1e8;
// Dashes along a longer line would be counted by the million: drawn solid.
constexpr double kDashLimit = 1e5;
// Text options and alignment flags that ask for right-to-left reading.
constexpr quint32 kRtlReading = 0x80;
constexpr quint32 kAlignRtlReading = 0x100;
// Budget work per character of text, with and without advances to follow.
constexpr qint64 kShapedCharWork = 2;
constexpr qint64 kPlacedCharWork = 32;

bool finite(const QTransform& t) {
    const double v[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    for (double x : v)
        if (!std::isfinite(x) || std::abs(x) > 1e12)
            return false;
    return true;
}

bool usableRect(const QRectF& r) {
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.right()) &&
           std::isfinite(r.bottom()) && std::abs(r.left()) < kCoordinateLimit &&
           std::abs(r.right()) < kCoordinateLimit && std::abs(r.top()) < kCoordinateLimit &&
           std::abs(r.bottom()) < kCoordinateLimit;
}

// Closes every open figure, as filling a path does.
QPainterPath closedFigures(const QPainterPath& in) {
    QPainterPath out;
    out.setFillRule(in.fillRule());
    for (int i = 0; i < in.elementCount(); ++i) {
        const auto e = in.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (i > 0)
                out.closeSubpath();
            out.moveTo(e.x, e.y);
            break;
        case QPainterPath::LineToElement:
            out.lineTo(e.x, e.y);
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < in.elementCount()) {
                const auto c2 = in.elementAt(i + 1);
                const auto end = in.elementAt(i + 2);
                out.cubicTo(e.x, e.y, c2.x, c2.y, end.x, end.y);
                i += 2;
            }
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    out.closeSubpath();
    return out;
}

double vectorLength(const QTransform& t, QPointF v) {
    const QPointF m(t.m11() * v.x() + t.m21() * v.y(), t.m12() * v.x() + t.m22() * v.y());
    return std::hypot(m.x(), m.y());
}

bool rasterEngine(QPainter& p) {
    return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
}

} // namespace

MetafileCanvas::MetafileCanvas(QPainter& painter, const QTransform& deviceToTarget, Budget& budget)
    : painter_(painter), deviceToTarget_(deviceToTarget), budget_(budget) {
    painter_.save();
    painterBase_ = painter_.worldTransform();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.save();
}

MetafileCanvas::~MetafileCanvas() {
    painter_.restore();
    painter_.restore();
}

void MetafileCanvas::setDeviceResolution(double pixelsPerMmX, double pixelsPerMmY) {
    if (std::isfinite(pixelsPerMmX) && pixelsPerMmX > 0 && std::isfinite(pixelsPerMmY) &&
        pixelsPerMmY > 0) {
        pxPerMmX_ = pixelsPerMmX;
        pxPerMmY_ = pixelsPerMmY;
        transformChanged();
    }
}

void MetafileCanvas::setMapMode(int mode) {
    if (mode >= 1 && mode <= 8) {
        s_.mapMode = mode;
        transformChanged();
    }
}
void MetafileCanvas::setWindowOrg(QPointF p) {
    s_.windowOrg = p;
    transformChanged();
}
void MetafileCanvas::setWindowExt(QSizeF s) {
    if (s.width() != 0 && s.height() != 0) {
        s_.windowExt = s;
        transformChanged();
    }
}
void MetafileCanvas::setViewportOrg(QPointF p) {
    s_.viewportOrg = p;
    transformChanged();
}
void MetafileCanvas::setViewportExt(QSizeF s) {
    if (s.width() != 0 && s.height() != 0) {
        s_.viewportExt = s;
        transformChanged();
    }
}
void MetafileCanvas::offsetWindowOrg(QPointF d) {
    setWindowOrg(s_.windowOrg + d);
}
void MetafileCanvas::offsetViewportOrg(QPointF d) {
    setViewportOrg(s_.viewportOrg + d);
}
void MetafileCanvas::scaleWindowExt(double xNum, double xDen, double yNum, double yDen) {
    if (xDen != 0 && yDen != 0)
        setWindowExt(
            QSizeF(s_.windowExt.width() * xNum / xDen, s_.windowExt.height() * yNum / yDen));
}
void MetafileCanvas::scaleViewportExt(double xNum, double xDen, double yNum, double yDen) {
    if (xDen != 0 && yDen != 0)
        setViewportExt(
            QSizeF(s_.viewportExt.width() * xNum / xDen, s_.viewportExt.height() * yNum / yDen));
}

bool MetafileCanvas::setWorldTransform(const QTransform& t) {
    if (!finite(t) || !t.isInvertible())
        return false;
    s_.world = t;
    transformChanged();
    return true;
}

bool MetafileCanvas::modifyWorldTransform(const QTransform& t, int mode) {
    switch (mode) {
    case 1: // identity
        s_.world = QTransform();
        transformChanged();
        return true;
    case 2: // left multiply: the new transform applies first
        return finite(t) && setWorldTransform(t * s_.world);
    case 3:
        return finite(t) && setWorldTransform(s_.world * t);
    case 4:
        return setWorldTransform(t);
    default:
        return false;
    }
}

QTransform MetafileCanvas::logicalToDevice() const {
    double sx = 1, sy = 1;
    switch (s_.mapMode) {
    case 1: // text: window and viewport origins still shift
        break;
    case 2: // 0.1 mm, y up
        sx = 0.1 * pxPerMmX_;
        sy = -0.1 * pxPerMmY_;
        break;
    case 3: // 0.01 mm
        sx = 0.01 * pxPerMmX_;
        sy = -0.01 * pxPerMmY_;
        break;
    case 4: // 0.01 inch
        sx = 0.254 * pxPerMmX_;
        sy = -0.254 * pxPerMmY_;
        break;
    case 5: // 0.001 inch
        sx = 0.0254 * pxPerMmX_;
        sy = -0.0254 * pxPerMmY_;
        break;
    case 6: // twips
        sx = 25.4 / 1440 * pxPerMmX_;
        sy = -25.4 / 1440 * pxPerMmY_;
        break;
    case 7:
    case 8:
        sx = s_.viewportExt.width() / s_.windowExt.width();
        sy = s_.viewportExt.height() / s_.windowExt.height();
        if (s_.mapMode == 7) { // isotropic: the smaller scale both ways, signs kept
            const double m = std::min(std::abs(sx), std::abs(sy));
            sx = sx < 0 ? -m : m;
            sy = sy < 0 ? -m : m;
        }
        break;
    }
    const QTransform page(sx, 0, 0, sy, s_.viewportOrg.x() - s_.windowOrg.x() * sx,
                          s_.viewportOrg.y() - s_.windowOrg.y() * sy);
    return s_.world * page;
}

const QTransform& MetafileCanvas::fullTransform() {
    if (!transformValid_) {
        logicalToDevice_ = logicalToDevice();
        full_ = logicalToDevice_ * deviceToTarget_ * painterBase_;
        transformUsable_ = finite(full_) && finite(logicalToDevice_) &&
                           logicalToDevice_.isInvertible() && full_.isInvertible();
        transformValid_ = true;
        painterHasFull_ = false;
    }
    return full_;
}

bool MetafileCanvas::prepare() {
    fullTransform();
    if (!transformUsable_)
        return false;
    if (!painterHasFull_) {
        painter_.setWorldTransform(full_);
        painterHasFull_ = true;
    }
    return true;
}

bool MetafileCanvas::drawable(const QRectF& logicalBounds) {
    return usableRect(full_.mapRect(logicalBounds));
}

bool MetafileCanvas::saveDc() {
    if (int(saved_.size()) >= kMaxSaveDepth)
        return false;
    saved_.push_back(s_);
    return true;
}

bool MetafileCanvas::restoreDc(int which) {
    // Negative: relative to the current depth; positive: an absolute level.
    const int depth = int(saved_.size());
    int target = which < 0 ? depth + which : which - 1;
    if (which == 0 || target < 0 || target >= depth)
        return false;
    const bool clipChanged = s_.clip.has_value() != saved_[target].clip.has_value() ||
                             (s_.clip && *s_.clip != *saved_[target].clip);
    s_ = saved_[target];
    saved_.resize(target);
    transformChanged();
    if (clipChanged)
        applyClip();
    return true;
}

void MetafileCanvas::selectPen(const PenSpec& pen) {
    s_.pen = pen;
}
void MetafileCanvas::selectBrush(const BrushSpec& brush) {
    s_.brush = brush;
}
void MetafileCanvas::selectFont(const FontSpec& font) {
    s_.font = font;
}

bool MetafileCanvas::selectStock(quint32 index) {
    BrushSpec brush;
    PenSpec pen;
    switch (index) {
    case 0:
        brush.color = Qt::white;
        break;
    case 1:
        brush.color = QColor(0xc0, 0xc0, 0xc0);
        break;
    case 2:
        brush.color = QColor(0x80, 0x80, 0x80);
        break;
    case 3:
        brush.color = QColor(0x40, 0x40, 0x40);
        break;
    case 4:
        brush.color = Qt::black;
        break;
    case 5:
        brush.style = 1;
        break;
    case 6:
        pen.color = Qt::white;
        selectPen(pen);
        return true;
    case 7:
    case 19:
        selectPen(pen);
        return true;
    case 8:
        pen.style = 5;
        selectPen(pen);
        return true;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 16:
    case 17:
        selectFont(FontSpec{});
        return true;
    case 15: // default palette
        return true;
    case 18:
        break;
    default:
        return false;
    }
    selectBrush(brush);
    return true;
}

void MetafileCanvas::setTextJustification(int, int) {}

QPen MetafileCanvas::qtPen(const QRectF& deviceBounds) const {
    if (s_.rop2 == 11) // a raster op that leaves the surface
        return Qt::NoPen;
    PenTarget target;
    target.color = s_.pen.color;
    if (s_.rop2 == 1)
        target.color = Qt::black;
    else if (s_.rop2 == 16)
        target.color = Qt::white;
    target.miterLimit = s_.miterLimit;
    target.pixelsPerUnit = std::sqrt(std::abs(full_.determinant()));
    target.dashes = deviceBounds.width() <= kDashLimit && deviceBounds.height() <= kDashLimit;
    return strokePen(s_.pen, target);
}

QBrush MetafileCanvas::qtBrush(const BrushSpec& b) const {
    switch (b.style) {
    case 0:
        return QBrush(b.color);
    case 2: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(b.color, b.hatch < 6 ? hatches[b.hatch] : Qt::SolidPattern);
    }
    case 3:
    case 5:
    case 6: {
        if (b.pattern.isNull())
            return QBrush(b.color);
        QImage pattern = b.pattern;
        if (b.monoPattern) {
            // 1-bit patterns take the text colour for 0 bits, the background for 1 bits.
            pattern = pattern.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < pattern.height(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
                for (int x = 0; x < pattern.width(); ++x)
                    line[x] = qGray(line[x]) < 128 ? s_.textColor.rgb() : s_.bkColor.rgb();
            }
        }
        QBrush brush(pattern);
        // Patterns repeat in device pixels, not logical units.
        bool ok = false;
        const QTransform inverse = logicalToDevice_.inverted(&ok);
        if (ok)
            brush.setTransform(QTransform::fromTranslate(s_.brushOrigin.x(), s_.brushOrigin.y()) *
                               inverse);
        return brush;
    }
    default:
        return Qt::NoBrush;
    }
}

void MetafileCanvas::fillWith(const QPainterPath& path, const BrushSpec& brush) {
    if (brush.style == 1)
        return;
    if (brush.style == 2 && s_.bkMode == 2)
        painter_.fillPath(path, s_.bkColor);
    painter_.fillPath(path, qtBrush(brush));
}

void MetafileCanvas::drawShape(const QPainterPath& logical, bool fill, bool stroke) {
    if (!budget_.work(1 + logical.elementCount()))
        return;
    if (inPath_) {
        addToPath(logical, false);
        return;
    }
    if (!prepare())
        return;
    const QRectF bounds = full_.mapRect(logical.controlPointRect());
    if (!usableRect(bounds))
        return;
    QPainterPath path = logical;
    path.setFillRule(fillRule());
    const bool plainFill = !fill || s_.brush.style == 0 || s_.brush.style == 1 ||
                           (s_.brush.style == 2 && s_.bkMode != 2);
    if (plainFill) {
        painter_.setPen(stroke ? qtPen(bounds) : QPen(Qt::NoPen));
        painter_.setBrush(fill ? qtBrush(s_.brush) : QBrush(Qt::NoBrush));
        painter_.drawPath(path);
        return;
    }
    fillWith(path, s_.brush);
    if (stroke) {
        const QPen pen = qtPen(bounds);
        if (pen.style() != Qt::NoPen)
            painter_.strokePath(path, pen);
    }
}

void MetafileCanvas::addToPath(const QPainterPath& logical, bool) {
    fullTransform();
    if (!transformUsable_)
        return;
    path_.addPath(logicalToDevice_.map(logical));
    figureOpen_ = false;
}

void MetafileCanvas::moveTo(QPointF p) {
    s_.position = p;
    if (inPath_) {
        fullTransform();
        path_.moveTo(logicalToDevice_.map(p));
        figureOpen_ = true;
    }
}

void MetafileCanvas::lineTo(QPointF p) {
    polylineTo(QPolygonF{p});
}

void MetafileCanvas::polylineTo(const QPolygonF& points) {
    if (points.isEmpty())
        return;
    if (inPath_) {
        if (!budget_.work(points.size()))
            return;
        fullTransform();
        if (!figureOpen_) {
            path_.moveTo(logicalToDevice_.map(s_.position));
            figureOpen_ = true;
        }
        for (const QPointF& p : points)
            path_.lineTo(logicalToDevice_.map(p));
    } else {
        QPolygonF line;
        line.reserve(points.size() + 1);
        line << s_.position << points;
        polyline(line);
    }
    s_.position = points.last();
}

void MetafileCanvas::polyline(const QPolygonF& points) {
    if (points.size() < 2)
        return;
    if (inPath_) {
        if (!budget_.work(points.size()))
            return;
        fullTransform();
        path_.addPolygon(logicalToDevice_.map(points));
        figureOpen_ = false;
        return;
    }
    if (!budget_.work(points.size()) || !prepare())
        return;
    const QRectF bounds = full_.mapRect(points.boundingRect());
    if (!usableRect(bounds))
        return;
    const QPen pen = qtPen(bounds);
    if (pen.style() == Qt::NoPen)
        return;
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(points);
}

void MetafileCanvas::polygon(const QPolygonF& points) {
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    drawShape(path, true, true);
}

void MetafileCanvas::polyPolygon(const std::vector<QPolygonF>& polygons) {
    QPainterPath path;
    for (const QPolygonF& p : polygons) {
        if (p.size() < 2)
            continue;
        path.addPolygon(p);
        path.closeSubpath();
    }
    drawShape(path, true, true);
}

void MetafileCanvas::polyPolyline(const std::vector<QPolygonF>& lines) {
    for (const QPolygonF& p : lines)
        polyline(p);
}

void MetafileCanvas::polyBezier(const QPolygonF& points) {
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    if (inPath_) {
        addToPath(path, false);
        return;
    }
    drawShape(path, false, true);
}

void MetafileCanvas::polyBezierTo(const QPolygonF& points) {
    if (points.size() < 3)
        return;
    if (inPath_) {
        if (!budget_.work(points.size()))
            return;
        fullTransform();
        if (!figureOpen_) {
            path_.moveTo(logicalToDevice_.map(s_.position));
            figureOpen_ = true;
        }
        for (int i = 0; i + 2 < points.size(); i += 3)
            path_.cubicTo(logicalToDevice_.map(points[i]), logicalToDevice_.map(points[i + 1]),
                          logicalToDevice_.map(points[i + 2]));
    } else {
        QPainterPath path(s_.position);
        for (int i = 0; i + 2 < points.size(); i += 3)
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
        drawShape(path, false, true);
    }
    s_.position = points[(points.size() / 3) * 3 - 1];
}

void MetafileCanvas::polyDraw(const QPolygonF& points, const QByteArray& types) {
    const int n = int(std::min<qsizetype>(points.size(), types.size()));
    QPainterPath path(s_.position);
    QPointF start = s_.position;
    for (int i = 0; i < n; ++i) {
        const int type = uchar(types[i]);
        switch (type & ~1) {
        case 6:
            path.moveTo(points[i]);
            start = points[i];
            break;
        case 2:
            path.lineTo(points[i]);
            break;
        case 4:
            if (i + 2 < n) {
                path.cubicTo(points[i], points[i + 1], points[i + 2]);
                i += 2;
            }
            break;
        default:
            break;
        }
        if (i < n && (uchar(types[i]) & 1)) {
            path.closeSubpath();
            path.moveTo(start);
        }
        s_.position = points[std::min(i, n - 1)];
    }
    if (inPath_)
        addToPath(path, true);
    else
        drawShape(path, false, true);
}

void MetafileCanvas::rectangle(const QRectF& box) {
    QPainterPath path;
    path.addRect(box.normalized());
    drawShape(path, true, true);
}

void MetafileCanvas::roundRect(const QRectF& box, QSizeF corner) {
    QPainterPath path;
    path.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    drawShape(path, true, true);
}

void MetafileCanvas::ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box.normalized());
    drawShape(path, true, true);
}

QPainterPath MetafileCanvas::arcPath(const QRectF& boxIn, QPointF start, QPointF end, ArcKind kind,
                                     QPointF* endPoint) const {
    const QRectF box = boxIn.normalized();
    const QPointF c = box.center();
    const double rx = box.width() / 2, ry = box.height() / 2;
    QPainterPath path;
    if (rx <= 0 || ry <= 0)
        return path;
    const double a0 = std::atan2(-(start.y() - c.y()) / ry, (start.x() - c.x()) / rx) * 180 / M_PI;
    const double a1 = std::atan2(-(end.y() - c.y()) / ry, (end.x() - c.x()) / rx) * 180 / M_PI;
    // The direction is that seen on the device: a flipped axis reverses it.
    const bool flipped = logicalToDevice_.determinant() < 0;
    const bool clockwise = s_.arcClockwise != flipped;
    double sweep = a1 - a0;
    if (clockwise) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    switch (kind) {
    case ArcKind::Arc:
    case ArcKind::Chord:
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        break;
    case ArcKind::ArcTo:
        path.moveTo(s_.position);
        path.arcTo(box, a0, sweep);
        break;
    case ArcKind::Pie:
        path.moveTo(c);
        path.arcTo(box, a0, sweep);
        break;
    }
    if (kind == ArcKind::Chord || kind == ArcKind::Pie)
        path.closeSubpath();
    if (endPoint)
        *endPoint = path.elementCount() ? QPointF(path.elementAt(path.elementCount() - 1).x,
                                                  path.elementAt(path.elementCount() - 1).y)
                                        : s_.position;
    return path;
}

void MetafileCanvas::arc(const QRectF& box, QPointF start, QPointF end, ArcKind kind) {
    fullTransform();
    QPointF last;
    const QPainterPath path = arcPath(box, start, end, kind, &last);
    if (path.isEmpty())
        return;
    if (kind == ArcKind::ArcTo) {
        if (inPath_) {
            if (!figureOpen_) {
                path_.moveTo(logicalToDevice_.map(s_.position));
                figureOpen_ = true;
            }
            path_.connectPath(logicalToDevice_.map(path));
        } else {
            drawShape(path, false, true);
        }
        s_.position = last;
        return;
    }
    const bool closed = kind != ArcKind::Arc;
    drawShape(path, closed, true);
}

void MetafileCanvas::angleArc(QPointF centre, double radius, double startDeg, double sweepDeg) {
    if (!std::isfinite(startDeg) || !std::isfinite(sweepDeg) || radius <= 0)
        return;
    sweepDeg = std::clamp(sweepDeg, -3600.0, 3600.0);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(s_.position);
    path.arcTo(box, std::fmod(startDeg, 360.0), sweepDeg);
    const auto e = path.elementAt(path.elementCount() - 1);
    if (inPath_) {
        fullTransform();
        if (!figureOpen_) {
            path_.moveTo(logicalToDevice_.map(s_.position));
            figureOpen_ = true;
        }
        path_.connectPath(logicalToDevice_.map(path));
    } else {
        drawShape(path, false, true);
    }
    s_.position = QPointF(e.x, e.y);
}

void MetafileCanvas::setPixel(QPointF p, QColor c) {
    if (inPath_ || !budget_.work(1))
        return;
    fullTransform();
    if (!transformUsable_)
        return;
    const QPointF d = logicalToDevice_.map(p);
    if (!usableRect(QRectF(d, QSizeF(1, 1))))
        return;
    painter_.setWorldTransform(deviceToTarget_ * painterBase_);
    painterHasFull_ = false;
    painter_.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), c);
}

void MetafileCanvas::textOut(QPointF reference, const QString& text, const QVector<qreal>& dx,
                             quint32 options, const QRectF& rect) {
    // Shaping costs about a glyph's drawing per character; placing each
    // cluster by its advances several times that.
    const qint64 perChar = dx.isEmpty() && s_.charExtra == 0 ? kShapedCharWork : kPlacedCharWork;
    if (inPath_ || !budget_.work(1 + perChar * text.size()) || !prepare())
        return;
    const bool updateCp = (s_.textAlign & 1) != 0;
    if (updateCp)
        reference = s_.position;
    const bool clipped = (options & 4) != 0 && !rect.isEmpty();
    if ((options & 2) && !rect.isEmpty() && drawable(rect)) // opaque rectangle
        painter_.fillRect(rect.normalized(), s_.bkColor);
    if (text.isEmpty() || !drawable(QRectF(reference, QSizeF(1, 1))))
        return;

    // Glyphs are laid out at a fixed size and scaled: text stays upright
    // whatever the mapping, along the escapement (and world rotation).
    constexpr double kLayoutSize = 64;
    const double sx = vectorLength(full_, QPointF(1, 0));
    const double sy = vectorLength(full_, QPointF(0, 1));
    QFont font(s_.font.face.isEmpty() ? QStringLiteral("DejaVu Sans") : s_.font.face);
    font.setPixelSize(int(kLayoutSize));
    font.setWeight(QFont::Weight(std::clamp(s_.font.weight == 0 ? 400 : s_.font.weight, 100, 900)));
    font.setItalic(s_.font.italic);
    QFontMetricsF metrics(font);
    double em;
    if (s_.font.height < 0)
        em = -s_.font.height * sy;
    else if (s_.font.height > 0)
        em = s_.font.height * sy * kLayoutSize / std::max(1.0, metrics.height());
    else
        em = 12 * vectorLength(deviceToTarget_ * painterBase_, QPointF(0, 1));
    if (!(em > 0.05) || em > 1e5)
        return;
    const double scale = em / kLayoutSize;
    if (s_.font.width != 0 && metrics.averageCharWidth() > 0) {
        const double wanted = std::abs(s_.font.width) * sx / scale;
        font.setStretch(
            std::clamp(int(std::lround(100 * wanted / metrics.averageCharWidth())), 1, 4000));
        metrics = QFontMetricsF(font);
    }

    const QPointF origin = full_.map(reference);
    const QPointF along = full_.map(reference + QPointF(1, 0)) - origin;
    const double angle = std::atan2(along.y(), along.x()) * 180 / M_PI - s_.font.escapement / 10.0;
    QTransform placed;
    placed.translate(origin.x(), origin.y());
    placed.rotate(angle);
    placed.scale(scale, scale);

    // Advances in layout units; right-to-left records are shaped in logical
    // order and their advances, also in logical order, placed right to left.
    const double toLayout = sx / scale;
    QVector<qreal> advances;
    if (!dx.isEmpty()) {
        advances.reserve(text.size());
        for (int i = 0; i < text.size(); ++i)
            advances.append(i < dx.size() ? dx[i] * toLayout : metrics.horizontalAdvance(text[i]));
    }
    const bool rightToLeft = (options & kRtlReading) != 0 || (s_.textAlign & kAlignRtlReading) != 0;
    const ShapedText shaped(text, font, rightToLeft, advances,
                            advances.isEmpty() ? s_.charExtra * toLayout : 0);
    const double width = shaped.width();
    if (!std::isfinite(width))
        return;
    double x = 0, y = 0;
    if ((s_.textAlign & 6) == 6)
        x = -width / 2;
    else if (s_.textAlign & 2)
        x = -width;
    if ((s_.textAlign & 24) == 24)
        y = 0;
    else if (s_.textAlign & 8)
        y = -metrics.descent();
    else
        y = metrics.ascent();

    painter_.save();
    if (clipped)
        painter_.setClipRect(rect.normalized(), Qt::IntersectClip);
    painter_.setWorldTransform(placed);
    if (s_.bkMode == 2)
        painter_.fillRect(QRectF(x, y - metrics.ascent(), width, metrics.height()), s_.bkColor);
    painter_.setPen(s_.textColor);
    for (const QGlyphRun& run : shaped.runs())
        painter_.drawGlyphRun(QPointF(x, y), run);
    // Lines run under and through the whole text, not glyph by glyph.
    const double line = std::max<double>(metrics.lineWidth(), 1);
    if (s_.font.underline)
        painter_.fillRect(QRectF(x, y + metrics.underlinePos(), width, line), s_.textColor);
    if (s_.font.strikeOut)
        painter_.fillRect(QRectF(x, y - metrics.strikeOutPos(), width, line), s_.textColor);
    painter_.restore();
    painterHasFull_ = false;
    if (updateCp)
        s_.position = reference + QPointF(width / toLayout, 0);
}

void MetafileCanvas::beginPath() {
    inPath_ = true;
    pathReady_ = false;
    figureOpen_ = false;
    path_ = QPainterPath();
}

void MetafileCanvas::endPath() {
    if (inPath_) {
        inPath_ = false;
        pathReady_ = true;
    }
}

void MetafileCanvas::abortPath() {
    inPath_ = false;
    pathReady_ = false;
    path_ = QPainterPath();
}

void MetafileCanvas::closeFigure() {
    if (inPath_ && figureOpen_) {
        path_.closeSubpath();
        figureOpen_ = false;
    }
}

void MetafileCanvas::fillPath() {
    endPath();
    if (!pathReady_)
        return;
    pathReady_ = false;
    bool ok = false;
    fullTransform();
    const QTransform back = logicalToDevice_.inverted(&ok);
    if (ok)
        drawShape(back.map(closedFigures(path_)), true, false);
    path_ = QPainterPath();
}

void MetafileCanvas::strokePath() {
    endPath();
    if (!pathReady_)
        return;
    pathReady_ = false;
    bool ok = false;
    fullTransform();
    const QTransform back = logicalToDevice_.inverted(&ok);
    if (ok)
        drawShape(back.map(path_), false, true);
    path_ = QPainterPath();
}

void MetafileCanvas::strokeAndFillPath() {
    endPath();
    if (!pathReady_)
        return;
    pathReady_ = false;
    bool ok = false;
    fullTransform();
    const QTransform back = logicalToDevice_.inverted(&ok);
    if (ok)
        drawShape(back.map(closedFigures(path_)), true, true);
    path_ = QPainterPath();
}

void MetafileCanvas::flattenPath() {
    if (!pathReady_ || !budget_.work(path_.elementCount()))
        return;
    QPainterPath flat;
    for (const QPolygonF& p : path_.toSubpathPolygons())
        flat.addPolygon(p);
    path_ = flat;
}

void MetafileCanvas::widenPath() {
    if (!pathReady_ || !budget_.work(path_.elementCount()))
        return;
    fullTransform();
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1.0, s_.pen.width * vectorLength(logicalToDevice_, QPointF(1, 0))));
    path_ = stroker.createStroke(path_);
}

void MetafileCanvas::selectClipPath(RegionMode mode) {
    endPath();
    if (!pathReady_)
        return;
    pathReady_ = false;
    QPainterPath clip = closedFigures(path_);
    clip.setFillRule(fillRule());
    path_ = QPainterPath();
    combineClip(clip, mode);
}

QPainterPath MetafileCanvas::wholeSurface() const {
    QPainterPath all;
    all.addRect(QRectF(-1e7, -1e7, 2e7, 2e7));
    return all;
}

void MetafileCanvas::combineClip(const QPainterPath& device, RegionMode mode) {
    if (!budget_.work(1 + device.elementCount() + (s_.clip ? s_.clip->elementCount() : 0)))
        return;
    switch (mode) {
    case RegionMode::And:
        s_.clip = s_.clip ? s_.clip->intersected(device) : device;
        break;
    case RegionMode::Or:
        if (s_.clip)
            s_.clip = s_.clip->united(device);
        break;
    case RegionMode::Xor: {
        const QPainterPath current = s_.clip ? *s_.clip : wholeSurface();
        s_.clip = current.subtracted(device).united(device.subtracted(current));
        break;
    }
    case RegionMode::Diff:
        s_.clip = (s_.clip ? *s_.clip : wholeSurface()).subtracted(device);
        break;
    case RegionMode::Copy:
        s_.clip = device;
        break;
    }
    applyClip();
}

void MetafileCanvas::applyClip() {
    painter_.restore();
    painter_.save();
    painterHasFull_ = false;
    if (s_.clip) {
        painter_.setWorldTransform(deviceToTarget_ * painterBase_);
        painter_.setClipPath(*s_.clip, Qt::IntersectClip);
    }
}

void MetafileCanvas::intersectClipRect(const QRectF& logical) {
    fullTransform();
    if (!transformUsable_)
        return;
    QPainterPath rect;
    rect.addRect(logical.normalized());
    combineClip(logicalToDevice_.map(rect), RegionMode::And);
}

void MetafileCanvas::excludeClipRect(const QRectF& logical) {
    fullTransform();
    if (!transformUsable_)
        return;
    QPainterPath rect;
    rect.addRect(logical.normalized());
    combineClip(logicalToDevice_.map(rect), RegionMode::Diff);
}

void MetafileCanvas::offsetClip(QPointF logical) {
    fullTransform();
    if (!s_.clip || !transformUsable_)
        return;
    const QPointF d = logicalToDevice_.map(logical) - logicalToDevice_.map(QPointF());
    if (!std::isfinite(d.x()) || !std::isfinite(d.y()) || std::abs(d.x()) > kCoordinateLimit ||
        std::abs(d.y()) > kCoordinateLimit)
        return;
    s_.clip->translate(d);
    applyClip();
}

void MetafileCanvas::selectClipRegion(const std::optional<QPainterPath>& device, RegionMode mode) {
    if (!device) {
        if (mode == RegionMode::Copy) {
            s_.clip.reset();
            applyClip();
        }
        return;
    }
    combineClip(*device, mode);
}

void MetafileCanvas::fillRegion(const QPainterPath& device, const BrushSpec& brush) {
    if (!budget_.work(1 + device.elementCount()))
        return;
    fullTransform();
    if (!usableRect(device.controlPointRect()))
        return;
    painter_.setWorldTransform(deviceToTarget_ * painterBase_);
    painterHasFull_ = false;
    fillWith(device, brush);
}

void MetafileCanvas::frameRegion(const QPainterPath& device, const BrushSpec& brush,
                                 QSizeF stroke) {
    if (!budget_.work(1 + device.elementCount()))
        return;
    fullTransform();
    if (!usableRect(device.controlPointRect()) || !transformUsable_)
        return;
    const double w = std::clamp(
        std::abs(stroke.width()) * vectorLength(logicalToDevice_, QPointF(1, 0)), 1.0, 1e4);
    painter_.setWorldTransform(deviceToTarget_ * painterBase_);
    painterHasFull_ = false;
    QPainterPathStroker stroker;
    stroker.setWidth(2 * w);
    fillWith(stroker.createStroke(device).intersected(device), brush);
}

void MetafileCanvas::invertRegion(const QPainterPath& device) {
    if (!budget_.work(1 + device.elementCount()) || !rasterEngine(painter_) ||
        !usableRect(device.controlPointRect()))
        return;
    painter_.setWorldTransform(deviceToTarget_ * painterBase_);
    painterHasFull_ = false;
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.fillPath(device, Qt::black);
    painter_.restore();
}

void MetafileCanvas::drawImage(const QRectF& destIn, const QImage& imageIn, const QRectF& srcIn,
                               quint32 rop, double opacity) {
    if (inPath_ || imageIn.isNull() || !prepare() || !drawable(destIn))
        return;
    if (!budget_.work(1))
        return;
    QImage image = imageIn;
    QRectF src = srcIn;
    QRectF dest = destIn;
    // A negative extent mirrors the bitmap.
    const bool mirrorX = dest.width() < 0, mirrorY = dest.height() < 0;
    if (mirrorX || mirrorY) {
        image = image.mirrored(mirrorX, mirrorY);
        if (mirrorX)
            src.moveLeft(image.width() - src.right());
        if (mirrorY)
            src.moveTop(image.height() - src.bottom());
        dest = dest.normalized();
    }
    src = src.normalized().intersected(QRectF(image.rect()));
    if (src.isEmpty() || dest.isEmpty())
        return;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    const bool raster = rasterEngine(painter_);
    switch (rop) {
    case 0x00CC0020: // source copy
        break;
    case 0x008800C6: // source and destination
        if (raster)
            mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case 0x00EE0086: // source or destination
        if (raster)
            mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case 0x00660046: // source xor destination
        if (raster)
            mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case 0x00330008: // inverted source
        image.invertPixels();
        break;
    case 0x00AA0029: // leaves the destination
        return;
    default:
        break;
    }
    painter_.save();
    painter_.setCompositionMode(mode);
    painter_.setOpacity(std::clamp(opacity, 0.0, 1.0));
    painter_.drawImage(dest, image, src);
    painter_.restore();
}

void MetafileCanvas::patBlt(const QRectF& dest, quint32 rop) {
    if (inPath_ || !prepare() || !drawable(dest) || !budget_.work(1))
        return;
    QPainterPath path;
    path.addRect(dest.normalized());
    switch (rop) {
    case 0x00F00021: // pattern copy
        fillWith(path, s_.brush);
        break;
    case 0x00000042:
        painter_.fillPath(path, Qt::black);
        break;
    case 0x00FF0062:
        painter_.fillPath(path, Qt::white);
        break;
    case 0x00550009: // invert the destination
    case 0x005A0049: // pattern xor destination
        if (rasterEngine(painter_)) {
            painter_.save();
            if (rop == 0x00550009) {
                painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
                painter_.fillPath(path, Qt::black);
            } else {
                painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
                painter_.fillPath(path, qtBrush(s_.brush));
            }
            painter_.restore();
        }
        break;
    default:
        break;
    }
}

} // namespace metafile
