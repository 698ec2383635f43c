#pragma once
#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <QVector>
#include <optional>
#include <vector>

class QPainter;

namespace metafile {

// What one file may cost to play. A hostile file runs out of budget and the
// player stops; what was drawn so far stays.
class Budget {
public:
    static constexpr qint64 kRecords = 1'000'000;
    static constexpr qint64 kWork = 4'000'000;          // points, glyphs, path elements, clip work
    static constexpr qint64 kPixels = 64 * 1024 * 1024; // decoded bitmap pixels

    bool record() { return ++records_ <= kRecords && !spent(); }
    bool work(qint64 n) {
        work_ += n;
        return !spent();
    }
    bool pixels(qint64 n) {
        pixels_ += n;
        return !spent();
    }
    bool spent() const { return records_ > kRecords || work_ > kWork || pixels_ > kPixels; }

private:
    qint64 records_ = 0;
    qint64 work_ = 0;
    qint64 pixels_ = 0;
};

// The logical objects of a device context.
struct PenSpec {
    quint32 style = 0; // PS_* with end cap and join flags
    double width = 0;  // logical units; 0 is one device pixel
    QColor color = Qt::black;
    QVector<qreal> dashes; // user style: logical units (geometric) or pixels (cosmetic)
    bool extended = false; // made by the extended pen record: cosmetic or geometric
};

struct BrushSpec {
    quint32 style = 0; // BS_*
    QColor color = Qt::white;
    quint32 hatch = 0;
    QImage pattern;
    bool monoPattern = false; // 1-bit pattern drawn in text and background colour
};

struct FontSpec {
    double height = 0;
    double width = 0;
    int escapement = 0; // tenths of a degree
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;
};

struct GdiObject {
    enum class Kind { Empty, Pen, Brush, Font, Palette, Region };
    Kind kind = Kind::Empty;
    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    QPainterPath region; // device units
    QVector<QRgb> palette;
};

// Region combination modes shared by clip calls.
enum class RegionMode { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

// A GDI-like device context drawing onto a QPainter: mapping modes, window
// and viewport, world transform, saved states, the selected objects, paths
// and clipping. Coordinates passed in are logical units; regions are device
// units of the metafile's reference device, which deviceToTarget maps onto
// the painter's space.
class MetafileCanvas {
public:
    MetafileCanvas(QPainter& painter, const QTransform& deviceToTarget, Budget& budget);
    ~MetafileCanvas();
    MetafileCanvas(const MetafileCanvas&) = delete;
    MetafileCanvas& operator=(const MetafileCanvas&) = delete;

    Budget& budget() { return budget_; }

    // Fixed mapping modes need the reference device's pixels per millimetre.
    void setDeviceResolution(double pixelsPerMmX, double pixelsPerMmY);
    void setMapMode(int mode);
    void setWindowOrg(QPointF p);
    void setWindowExt(QSizeF s);
    void setViewportOrg(QPointF p);
    void setViewportExt(QSizeF s);
    void offsetWindowOrg(QPointF d);
    void offsetViewportOrg(QPointF d);
    void scaleWindowExt(double xNum, double xDen, double yNum, double yDen);
    void scaleViewportExt(double xNum, double xDen, double yNum, double yDen);
    bool setWorldTransform(const QTransform& t);
    bool modifyWorldTransform(const QTransform& t, int mode);

    // Save depth is bounded; a deeper save is refused.
    static constexpr int kMaxSaveDepth = 1024;
    bool saveDc();
    bool restoreDc(int which);

    void selectPen(const PenSpec& pen);
    void selectBrush(const BrushSpec& brush);
    void selectFont(const FontSpec& font);
    bool selectStock(quint32 index);
    const PenSpec& pen() const { return s_.pen; }
    const BrushSpec& brush() const { return s_.brush; }

    void setTextColor(QColor c) { s_.textColor = c; }
    void setBkColor(QColor c) { s_.bkColor = c; }
    QColor textColor() const { return s_.textColor; }
    QColor bkColor() const { return s_.bkColor; }
    void setBkMode(int mode) { s_.bkMode = mode; }
    void setPolyFillMode(int mode) { s_.polyFillMode = mode; }
    void setTextAlign(quint32 align) { s_.textAlign = align; }
    void setArcDirection(int dir) { s_.arcClockwise = dir == 2; }
    void setMiterLimit(double limit) { s_.miterLimit = limit; }
    void setRop2(int rop) { s_.rop2 = rop; }
    void setBrushOrigin(QPointF p) { s_.brushOrigin = p; }
    void setTextJustification(int extra, int breaks);
    void setCharExtra(double extra) { s_.charExtra = extra; }

    QPointF currentPosition() const { return s_.position; }
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polygon(const QPolygonF& points);
    void polyPolygon(const std::vector<QPolygonF>& polygons);
    void polyPolyline(const std::vector<QPolygonF>& lines);
    void polyBezier(const QPolygonF& points);
    void polyBezierTo(const QPolygonF& points);
    void polyDraw(const QPolygonF& points, const QByteArray& types);
    void rectangle(const QRectF& box);
    void roundRect(const QRectF& box, QSizeF corner);
    void ellipse(const QRectF& box);
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    void arc(const QRectF& box, QPointF start, QPointF end, ArcKind kind);
    void angleArc(QPointF centre, double radius, double startDeg, double sweepDeg);
    void setPixel(QPointF p, QColor c);

    // Text: options are ETO_* flags; dx, when given, holds one advance per
    // character in logical units.
    void textOut(QPointF reference, const QString& text, const QVector<qreal>& dx, quint32 options,
                 const QRectF& rect);

    void beginPath();
    void endPath();
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void flattenPath();
    void widenPath();
    void selectClipPath(RegionMode mode);

    void intersectClipRect(const QRectF& logical);
    void excludeClipRect(const QRectF& logical);
    void offsetClip(QPointF logical);
    // nullopt is the whole surface (a reset with Copy).
    void selectClipRegion(const std::optional<QPainterPath>& device, RegionMode mode);
    void fillRegion(const QPainterPath& device, const BrushSpec& brush);
    void frameRegion(const QPainterPath& device, const BrushSpec& brush, QSizeF stroke);
    void invertRegion(const QPainterPath& device);

    // Bitmaps: dest in logical units; src in the image's pixels, top-down.
    void drawImage(const QRectF& dest, const QImage& image, const QRectF& src, quint32 rop,
                   double opacity = 1.0);
    // A raster operation without a source (pattern or constant fills).
    void patBlt(const QRectF& dest, quint32 rop);

    QTransform logicalToDevice() const;

private:
    struct State {
        int mapMode = 1;
        QPointF windowOrg, viewportOrg;
        QSizeF windowExt{1, 1}, viewportExt{1, 1};
        QTransform world;
        PenSpec pen;
        BrushSpec brush;
        FontSpec font;
        QColor textColor = Qt::black;
        QColor bkColor = Qt::white;
        int bkMode = 2; // OPAQUE
        int polyFillMode = 1;
        quint32 textAlign = 0;
        bool arcClockwise = false;
        double miterLimit = 10;
        int rop2 = 13; // R2_COPYPEN
        QPointF brushOrigin;
        QPointF position;
        double charExtra = 0;
        std::optional<QPainterPath> clip; // device units
    };

    void transformChanged() { transformValid_ = false; }
    const QTransform& fullTransform(); // logical to painter
    bool prepare();                    // painter transform set; false: nothing may be drawn
    QPen qtPen(const QRectF& deviceBounds) const;
    QBrush qtBrush(const BrushSpec& brush) const;
    Qt::FillRule fillRule() const {
        return s_.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill;
    }
    bool drawable(const QRectF& logicalBounds);
    void drawShape(const QPainterPath& logical, bool fill, bool stroke);
    void fillWith(const QPainterPath& path, const BrushSpec& brush);
    void addToPath(const QPainterPath& logical, bool connect);
    void applyClip();
    QPainterPath wholeSurface() const;
    void combineClip(const QPainterPath& device, RegionMode mode);
    QPainterPath arcPath(const QRectF& box, QPointF start, QPointF end, ArcKind kind,
                         QPointF* endPoint) const;

    QPainter& painter_;
    QTransform deviceToTarget_;
    QTransform painterBase_;
    Budget& budget_;
    State s_;
    std::vector<State> saved_;
    double pxPerMmX_ = 96 / 25.4, pxPerMmY_ = 96 / 25.4;
    bool transformValid_ = false;
    bool transformUsable_ = true;
    bool painterHasFull_ = false;
    QTransform full_;
    QTransform logicalToDevice_;
    bool inPath_ = false;
    bool figureOpen_ = false;
    QPainterPath path_; // device units
    bool pathReady_ = false;
};

} // namespace metafile
