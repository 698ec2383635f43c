#include "graphics/MetafileDib.h"
#include "graphics/MetafileRecords.h"

#include <QPainter>
#include <cmath>
#include <unordered_map>

namespace metafile {
namespace {

constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"

enum EmfRecord : quint32 {
    Header = 1,
    PolyBezier = 2,
    Polygon = 3,
    Polyline = 4,
    PolyBezierTo = 5,
    PolylineTo = 6,
    PolyPolyline = 7,
    PolyPolygon = 8,
    SetWindowExtEx = 9,
    SetWindowOrgEx = 10,
    SetViewportExtEx = 11,
    SetViewportOrgEx = 12,
    SetBrushOrgEx = 13,
    Eof = 14,
    SetPixelV = 15,
    SetMapMode = 17,
    SetBkMode = 18,
    SetPolyFillMode = 19,
    SetRop2 = 20,
    SetStretchBltMode = 21,
    SetTextAlign = 22,
    SetTextColor = 24,
    SetBkColor = 25,
    OffsetClipRgn = 26,
    MoveToEx = 27,
    ExcludeClipRect = 29,
    IntersectClipRect = 30,
    ScaleViewportExtEx = 31,
    ScaleWindowExtEx = 32,
    SaveDc = 33,
    RestoreDc = 34,
    SetWorldTransform = 35,
    ModifyWorldTransform = 36,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrushIndirect = 39,
    DeleteObject = 40,
    AngleArc = 41,
    Ellipse = 42,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    Chord = 46,
    Pie = 47,
    CreatePalette = 49,
    LineTo = 54,
    ArcTo = 55,
    PolyDraw = 56,
    SetArcDirection = 57,
    SetMiterLimit = 58,
    BeginPath = 59,
    EndPath = 60,
    CloseFigure = 61,
    FillPath = 62,
    StrokeAndFillPath = 63,
    StrokePath = 64,
    FlattenPath = 65,
    WidenPath = 66,
    SelectClipPath = 67,
    AbortPath = 68,
    GdiComment = 70,
    FillRgn = 71,
    FrameRgn = 72,
    InvertRgn = 73,
    PaintRgn = 74,
    ExtSelectClipRgn = 75,
    BitBlt = 76,
    StretchBlt = 77,
    MaskBlt = 78,
    SetDiBitsToDevice = 80,
    StretchDiBits = 81,
    ExtCreateFontIndirectW = 82,
    ExtTextOutA = 83,
    ExtTextOutW = 84,
    PolyBezier16 = 85,
    Polygon16 = 86,
    Polyline16 = 87,
    PolyBezierTo16 = 88,
    PolylineTo16 = 89,
    PolyPolyline16 = 90,
    PolyPolygon16 = 91,
    PolyDraw16 = 92,
    CreateMonoBrush = 93,
    CreateDibPatternBrushPt = 94,
    ExtCreatePen = 95,
    AlphaBlend = 114,
    TransparentBlt = 116,
    GradientFill = 118,
};

class EmfPlayer {
public:
    EmfPlayer(const Bytes& file, const EmfHeader& header, MetafileCanvas& canvas)
        : file_(file), canvas_(canvas) {
        objects_.resize(std::min<quint32>(header.handles, 65535));
    }

    void run(qint64 start) {
        qint64 at = start;
        while (file_.has(at, 8) && canvas_.budget().record()) {
            const quint32 type = file_.u32(at);
            const quint32 size = file_.u32(at + 4);
            // A record size of 0, not a multiple of 4 or past the end ends the
            // drawing: nothing after it can be found reliably.
            if (size < 8 || size % 4 != 0 || !file_.has(at, size))
                return;
            if (type == Eof)
                return;
            const Bytes rec = file_.sub(at, size);
            play(type, rec);
            at += size;
        }
    }

private:
    QPointF point(const Bytes& r, qint64 at) const { return QPointF(r.i32(at), r.i32(at + 4)); }
    QRectF box(const Bytes& r, qint64 at) const {
        const double l = r.i32(at), t = r.i32(at + 4), rr = r.i32(at + 8), b = r.i32(at + 12);
        return QRectF(QPointF(l, t), QPointF(rr, b));
    }

    // Points after a bounds rectangle and a count; 16-bit forms use shorts.
    bool points(const Bytes& r, qint64 countAt, bool shorts, QPolygonF& out) {
        const quint32 count = r.u32(countAt);
        const qint64 at = countAt + 4;
        const qint64 each = shorts ? 4 : 8;
        if (!r.ok() || qint64(count) > (r.size() - at) / each || !canvas_.budget().work(count))
            return false;
        out.resize(count);
        for (quint32 i = 0; i < count; ++i)
            out[i] = shorts ? QPointF(r.i16(at + 4 * i), r.i16(at + 4 * i + 2))
                            : QPointF(r.i32(at + 8 * i), r.i32(at + 8 * i + 4));
        return true;
    }

    bool polyPoints(const Bytes& r, bool shorts, std::vector<QPolygonF>& out) {
        const quint32 polys = r.u32(24);
        const quint32 total = r.u32(28);
        const qint64 each = shorts ? 4 : 8;
        if (!r.ok() || qint64(polys) > (r.size() - 32) / 4)
            return false;
        const qint64 pointsAt = 32 + 4 * qint64(polys);
        if (qint64(total) > (r.size() - pointsAt) / each || !canvas_.budget().work(polys + total))
            return false;
        qint64 used = 0;
        out.reserve(polys);
        for (quint32 p = 0; p < polys; ++p) {
            const quint32 n = r.u32(32 + 4 * p);
            if (n > total - used)
                return false;
            QPolygonF poly(n);
            for (quint32 i = 0; i < n; ++i) {
                const qint64 at = pointsAt + each * (used + i);
                poly[i] =
                    shorts ? QPointF(r.i16(at), r.i16(at + 2)) : QPointF(r.i32(at), r.i32(at + 4));
            }
            used += n;
            out.push_back(std::move(poly));
        }
        return true;
    }

    GdiObject* object(quint32 index) {
        if (index == 0 || index >= objects_.size())
            return nullptr;
        return &objects_[index];
    }

    void create(quint32 index, GdiObject obj) {
        if (GdiObject* slot = object(index))
            *slot = std::move(obj);
    }

    QImage dib(const Bytes& r, quint32 offBmi, quint32 cbBmi, quint32 offBits, quint32 cbBits,
               quint32 usage, bool alpha = false) {
        if (cbBmi == 0 || !r.has(offBmi, cbBmi) || !r.has(offBits, cbBits))
            return {};
        DibOptions options;
        options.keepAlpha = alpha;
        options.paletteIndex = usage == 1;
        options.monoForeground = canvas_.textColor().rgb();
        options.monoBackground = canvas_.bkColor().rgb();
        const Bytes header = r.sub(offBmi, cbBmi);
        const qint64 w = header.u32(0) == 12 ? header.u16(4) : header.i32(4);
        const qint64 h = header.u32(0) == 12 ? header.u16(6) : header.i32(8);
        if (!header.ok() ||
            !canvas_.budget().pixels(std::abs(w) * std::min<qint64>(std::abs(h), kMaxDibDimension)))
            return {};
        return decodeDib(header, r.sub(offBits, cbBits), options);
    }

    static QRectF sourceRect(const QImage& image, const Bytes& header, double x, double y, double w,
                             double h, bool fromBottom) {
        // Device-independent sources count rows from the bottom when stored bottom-up.
        if (fromBottom && dibBottomUp(header))
            y = image.height() - y - h;
        return QRectF(x, y, w, h);
    }

    void play(quint32 type, const Bytes& r);

    // One handler a record type (or a family of them).
    void onPolyBezier(quint32 type, const Bytes& r);
    void onPolygon(quint32 type, const Bytes& r);
    void onPolyline(quint32 type, const Bytes& r);
    void onPolyBezierTo(quint32 type, const Bytes& r);
    void onPolylineTo(quint32 type, const Bytes& r);
    void onPolyPolyline(quint32 type, const Bytes& r);
    void onPolyPolygon(quint32 type, const Bytes& r);
    void onPolyDraw(quint32 type, const Bytes& r);
    void onSetWindowExtEx(quint32, const Bytes& r);
    void onSetWindowOrgEx(quint32, const Bytes& r);
    void onSetViewportExtEx(quint32, const Bytes& r);
    void onSetViewportOrgEx(quint32, const Bytes& r);
    void onSetBrushOrgEx(quint32, const Bytes& r);
    void onSetPixelV(quint32, const Bytes& r);
    void onSetMapMode(quint32, const Bytes& r);
    void onSetBkMode(quint32, const Bytes& r);
    void onSetPolyFillMode(quint32, const Bytes& r);
    void onSetRop2(quint32, const Bytes& r);
    void onSetTextAlign(quint32, const Bytes& r);
    void onSetTextColor(quint32, const Bytes& r);
    void onSetBkColor(quint32, const Bytes& r);
    void onOffsetClipRgn(quint32, const Bytes& r);
    void onMoveToEx(quint32, const Bytes& r);
    void onExcludeClipRect(quint32, const Bytes& r);
    void onIntersectClipRect(quint32, const Bytes& r);
    void onScaleViewportExtEx(quint32, const Bytes& r);
    void onScaleWindowExtEx(quint32, const Bytes& r);
    void onSaveDc(quint32, const Bytes&);
    void onRestoreDc(quint32, const Bytes& r);
    void onWorldTransform(quint32 type, const Bytes& r);
    void onSelectObject(quint32, const Bytes& r);
    void onCreatePen(quint32, const Bytes& r);
    void onExtCreatePen(quint32, const Bytes& r);
    void onCreateBrushIndirect(quint32, const Bytes& r);
    void onPatternBrush(quint32 type, const Bytes& r);
    void onCreatePalette(quint32, const Bytes& r);
    void onExtCreateFontIndirectW(quint32, const Bytes& r);
    void onDeleteObject(quint32, const Bytes& r);
    void onAngleArc(quint32, const Bytes& r);
    void onEllipse(quint32, const Bytes& r);
    void onRectangle(quint32, const Bytes& r);
    void onRoundRect(quint32, const Bytes& r);
    void onArcFamily(quint32 type, const Bytes& r);
    void onLineTo(quint32, const Bytes& r);
    void onSetArcDirection(quint32, const Bytes& r);
    void onSetMiterLimit(quint32, const Bytes& r);
    void onBeginPath(quint32, const Bytes&);
    void onEndPath(quint32, const Bytes&);
    void onCloseFigure(quint32, const Bytes&);
    void onFillPath(quint32, const Bytes&);
    void onStrokeAndFillPath(quint32, const Bytes&);
    void onStrokePath(quint32, const Bytes&);
    void onFlattenPath(quint32, const Bytes&);
    void onWidenPath(quint32, const Bytes&);
    void onSelectClipPath(quint32, const Bytes& r);
    void onAbortPath(quint32, const Bytes&);
    void onFillRgn(quint32, const Bytes& r);
    void onFrameRgn(quint32, const Bytes& r);
    void onInvertRgn(quint32, const Bytes& r);
    void onPaintRgn(quint32, const Bytes& r);
    void onExtSelectClipRgn(quint32, const Bytes& r);
    void onBlt(quint32 type, const Bytes& r);
    void onDibToDevice(quint32 type, const Bytes& r);
    void onExtTextOut(quint32 type, const Bytes& r);
    void onGradientFill(quint32, const Bytes& r);

    std::optional<QPainterPath> region(const Bytes& r, qint64 sizeAt, qint64 dataAt) {
        const quint32 size = r.u32(sizeAt);
        if (!r.ok() || !r.has(dataAt, size))
            return std::nullopt;
        return readRegionData(r.sub(dataAt, size), canvas_.budget());
    }

    BrushSpec brushAt(quint32 index) {
        if (index & 0x80000000) {
            // Stock brushes without disturbing the selected one.
            MetafileCanvas& c = canvas_;
            const BrushSpec keep = c.brush();
            BrushSpec stock;
            if (c.selectStock(index & 0x7fffffff))
                stock = c.brush();
            c.selectBrush(keep);
            return stock;
        }
        if (GdiObject* o = object(index); o && o->kind == GdiObject::Kind::Brush)
            return o->brush;
        BrushSpec none;
        none.style = 1;
        return none;
    }

    const Bytes& file_;
    MetafileCanvas& canvas_;
    std::vector<GdiObject> objects_;
};

void EmfPlayer::onPolyBezier(quint32 type, const Bytes& r) {
    QPolygonF pts;
    if (points(r, 24, type == PolyBezier16, pts))
        canvas_.polyBezier(pts);
}

void EmfPlayer::onPolygon(quint32 type, const Bytes& r) {
    QPolygonF pts;
    if (points(r, 24, type == Polygon16, pts))
        canvas_.polygon(pts);
}

void EmfPlayer::onPolyline(quint32 type, const Bytes& r) {
    QPolygonF pts;
    if (points(r, 24, type == Polyline16, pts))
        canvas_.polyline(pts);
}

void EmfPlayer::onPolyBezierTo(quint32 type, const Bytes& r) {
    QPolygonF pts;
    if (points(r, 24, type == PolyBezierTo16, pts))
        canvas_.polyBezierTo(pts);
}

void EmfPlayer::onPolylineTo(quint32 type, const Bytes& r) {
    QPolygonF pts;
    if (points(r, 24, type == PolylineTo16, pts))
        canvas_.polylineTo(pts);
}

void EmfPlayer::onPolyPolyline(quint32 type, const Bytes& r) {
    std::vector<QPolygonF> polys;
    if (polyPoints(r, type == PolyPolyline16, polys))
        canvas_.polyPolyline(polys);
}

void EmfPlayer::onPolyPolygon(quint32 type, const Bytes& r) {
    std::vector<QPolygonF> polys;
    if (polyPoints(r, type == PolyPolygon16, polys))
        canvas_.polyPolygon(polys);
}

void EmfPlayer::onPolyDraw(quint32 type, const Bytes& r) {
    QPolygonF pts;
    if (!points(r, 24, type == PolyDraw16, pts))
        return;
    const qint64 typesAt = 28 + qint64(pts.size()) * (type == PolyDraw16 ? 4 : 8);
    if (!r.has(typesAt, pts.size()))
        return;
    canvas_.polyDraw(pts,
                     QByteArray(reinterpret_cast<const char*>(r.data() + typesAt), pts.size()));
}

void EmfPlayer::onSetWindowExtEx(quint32, const Bytes& r) {
    canvas_.setWindowExt(QSizeF(r.i32(8), r.i32(12)));
}

void EmfPlayer::onSetWindowOrgEx(quint32, const Bytes& r) {
    canvas_.setWindowOrg(point(r, 8));
}

void EmfPlayer::onSetViewportExtEx(quint32, const Bytes& r) {
    canvas_.setViewportExt(QSizeF(r.i32(8), r.i32(12)));
}

void EmfPlayer::onSetViewportOrgEx(quint32, const Bytes& r) {
    canvas_.setViewportOrg(point(r, 8));
}

void EmfPlayer::onSetBrushOrgEx(quint32, const Bytes& r) {
    canvas_.setBrushOrigin(point(r, 8));
}

void EmfPlayer::onSetPixelV(quint32, const Bytes& r) {
    canvas_.setPixel(point(r, 8), colorRef(r.u32(16)));
}

void EmfPlayer::onSetMapMode(quint32, const Bytes& r) {
    canvas_.setMapMode(int(r.u32(8)));
}

void EmfPlayer::onSetBkMode(quint32, const Bytes& r) {
    canvas_.setBkMode(int(r.u32(8)));
}

void EmfPlayer::onSetPolyFillMode(quint32, const Bytes& r) {
    canvas_.setPolyFillMode(int(r.u32(8)));
}

void EmfPlayer::onSetRop2(quint32, const Bytes& r) {
    canvas_.setRop2(int(r.u32(8)));
}

void EmfPlayer::onSetTextAlign(quint32, const Bytes& r) {
    canvas_.setTextAlign(r.u32(8));
}

void EmfPlayer::onSetTextColor(quint32, const Bytes& r) {
    canvas_.setTextColor(colorRef(r.u32(8)));
}

void EmfPlayer::onSetBkColor(quint32, const Bytes& r) {
    canvas_.setBkColor(colorRef(r.u32(8)));
}

void EmfPlayer::onOffsetClipRgn(quint32, const Bytes& r) {
    canvas_.offsetClip(point(r, 8));
}

void EmfPlayer::onMoveToEx(quint32, const Bytes& r) {
    canvas_.moveTo(point(r, 8));
}

void EmfPlayer::onExcludeClipRect(quint32, const Bytes& r) {
    canvas_.excludeClipRect(box(r, 8));
}

void EmfPlayer::onIntersectClipRect(quint32, const Bytes& r) {
    canvas_.intersectClipRect(box(r, 8));
}

void EmfPlayer::onScaleViewportExtEx(quint32, const Bytes& r) {
    canvas_.scaleViewportExt(r.i32(8), r.i32(12), r.i32(16), r.i32(20));
}

void EmfPlayer::onScaleWindowExtEx(quint32, const Bytes& r) {
    canvas_.scaleWindowExt(r.i32(8), r.i32(12), r.i32(16), r.i32(20));
}

void EmfPlayer::onSaveDc(quint32, const Bytes&) {
    canvas_.saveDc();
}

void EmfPlayer::onRestoreDc(quint32, const Bytes& r) {
    canvas_.restoreDc(r.i32(8));
}

void EmfPlayer::onWorldTransform(quint32 type, const Bytes& r) {
    const QTransform t(r.f32(8), r.f32(12), r.f32(16), r.f32(20), r.f32(24), r.f32(28));
    if (!r.ok())
        return;
    if (type == SetWorldTransform)
        canvas_.setWorldTransform(t);
    else
        canvas_.modifyWorldTransform(t, int(r.u32(32)));
}

void EmfPlayer::onSelectObject(quint32, const Bytes& r) {
    MetafileCanvas& c = canvas_;
    const quint32 index = r.u32(8);
    if (!r.ok())
        return;
    if (index & 0x80000000) {
        c.selectStock(index & 0x7fffffff);
        return;
    }
    GdiObject* o = object(index);
    if (!o)
        return;
    switch (o->kind) {
    case GdiObject::Kind::Pen:
        c.selectPen(o->pen);
        break;
    case GdiObject::Kind::Brush:
        c.selectBrush(o->brush);
        break;
    case GdiObject::Kind::Font:
        c.selectFont(o->font);
        break;
    default:
        break;
    }
}

void EmfPlayer::onCreatePen(quint32, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Pen;
    o.pen.style = r.u32(12);
    o.pen.width = r.i32(16);
    o.pen.color = colorRef(r.u32(24));
    if (r.ok())
        create(r.u32(8), o);
}

void EmfPlayer::onExtCreatePen(quint32, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Pen;
    o.pen.extended = true;
    o.pen.style = r.u32(28);
    o.pen.width = r.u32(32);
    if (r.u32(36) == 1) // hollow brush: no line at all
        o.pen.style = (o.pen.style & ~0x0fu) | 5;
    o.pen.color = colorRef(r.u32(40));
    const quint32 entries = r.u32(48);
    if (!r.ok())
        return;
    if ((o.pen.style & 0x0f) == 7 && entries <= 32 && r.has(52, 4 * qint64(entries)))
        for (quint32 i = 0; i < entries; ++i)
            o.pen.dashes.append(r.u32(52 + 4 * i));
    create(r.u32(8), o);
}

void EmfPlayer::onCreateBrushIndirect(quint32, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Brush;
    o.brush.style = r.u32(12);
    o.brush.color = colorRef(r.u32(16));
    o.brush.hatch = r.u32(20);
    if (o.brush.style == 3 || o.brush.style > 6) // a pattern needs a bitmap record
        o.brush.style = 0;
    if (r.ok())
        create(r.u32(8), o);
}

void EmfPlayer::onPatternBrush(quint32 type, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Brush;
    o.brush.style = 5;
    const quint32 usage = r.u32(12);
    o.brush.pattern = dib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28), usage);
    const Bytes header = r.has(r.u32(16), 16) ? r.sub(r.u32(16), 16) : Bytes();
    o.brush.monoPattern = type == CreateMonoBrush || (header.size() >= 16 && header.u32(0) >= 40 &&
                                                      header.u16(14) == 1 && usage == 1);
    if (r.ok())
        create(r.u32(8), o);
}

void EmfPlayer::onCreatePalette(quint32, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Palette;
    if (r.ok())
        create(r.u32(8), o);
}

void EmfPlayer::onExtCreateFontIndirectW(quint32, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Font;
    o.font.height = r.i32(12);
    o.font.width = r.i32(16);
    o.font.escapement = r.i32(20);
    o.font.weight = r.i32(28);
    o.font.italic = r.u8(32) != 0;
    o.font.underline = r.u8(33) != 0;
    o.font.strikeOut = r.u8(34) != 0;
    o.font.charset = r.u8(35);
    if (!r.ok())
        return;
    QString face;
    for (int i = 0; i < 32 && r.has(40 + 2 * i, 2); ++i) {
        const quint16 ch = r.u16(40 + 2 * i);
        if (ch == 0)
            break;
        face.append(QChar(ch));
    }
    o.font.face = face;
    create(r.u32(8), o);
}

void EmfPlayer::onDeleteObject(quint32, const Bytes& r) {
    if (GdiObject* o = object(r.u32(8)))
        *o = GdiObject{};
}

void EmfPlayer::onAngleArc(quint32, const Bytes& r) {
    canvas_.angleArc(point(r, 8), r.u32(16), r.f32(20), r.f32(24));
}

void EmfPlayer::onEllipse(quint32, const Bytes& r) {
    canvas_.ellipse(box(r, 8));
}

void EmfPlayer::onRectangle(quint32, const Bytes& r) {
    canvas_.rectangle(box(r, 8));
}

void EmfPlayer::onRoundRect(quint32, const Bytes& r) {
    canvas_.roundRect(box(r, 8), QSizeF(r.i32(24), r.i32(28)));
}

void EmfPlayer::onArcFamily(quint32 type, const Bytes& r) {
    const auto kind = type == Arc     ? MetafileCanvas::ArcKind::Arc
                      : type == Chord ? MetafileCanvas::ArcKind::Chord
                      : type == Pie   ? MetafileCanvas::ArcKind::Pie
                                      : MetafileCanvas::ArcKind::ArcTo;
    canvas_.arc(box(r, 8), point(r, 24), point(r, 32), kind);
}

void EmfPlayer::onLineTo(quint32, const Bytes& r) {
    canvas_.lineTo(point(r, 8));
}

void EmfPlayer::onSetArcDirection(quint32, const Bytes& r) {
    canvas_.setArcDirection(int(r.u32(8)));
}

void EmfPlayer::onSetMiterLimit(quint32, const Bytes& r) {
    const quint32 raw = r.u32(8);
    // Written as an integer by most producers, as a float by some.
    double limit = raw < 1000 ? double(raw) : double(r.f32(8));
    if (std::isfinite(limit) && limit >= 1 && limit < 1000)
        canvas_.setMiterLimit(limit);
}

void EmfPlayer::onBeginPath(quint32, const Bytes&) {
    canvas_.beginPath();
}

void EmfPlayer::onEndPath(quint32, const Bytes&) {
    canvas_.endPath();
}

void EmfPlayer::onCloseFigure(quint32, const Bytes&) {
    canvas_.closeFigure();
}

void EmfPlayer::onFillPath(quint32, const Bytes&) {
    canvas_.fillPath();
}

void EmfPlayer::onStrokeAndFillPath(quint32, const Bytes&) {
    canvas_.strokeAndFillPath();
}

void EmfPlayer::onStrokePath(quint32, const Bytes&) {
    canvas_.strokePath();
}

void EmfPlayer::onFlattenPath(quint32, const Bytes&) {
    canvas_.flattenPath();
}

void EmfPlayer::onWidenPath(quint32, const Bytes&) {
    canvas_.widenPath();
}

void EmfPlayer::onSelectClipPath(quint32, const Bytes& r) {
    const quint32 mode = r.u32(8);
    if (mode >= 1 && mode <= 5)
        canvas_.selectClipPath(RegionMode(mode));
}

void EmfPlayer::onAbortPath(quint32, const Bytes&) {
    canvas_.abortPath();
}

void EmfPlayer::onFillRgn(quint32, const Bytes& r) {
    if (auto rgn = region(r, 24, 32))
        canvas_.fillRegion(*rgn, brushAt(r.u32(28)));
}

void EmfPlayer::onFrameRgn(quint32, const Bytes& r) {
    if (auto rgn = region(r, 24, 40))
        canvas_.frameRegion(*rgn, brushAt(r.u32(28)), QSizeF(r.i32(32), r.i32(36)));
}

void EmfPlayer::onInvertRgn(quint32, const Bytes& r) {
    if (auto rgn = region(r, 24, 28))
        canvas_.invertRegion(*rgn);
}

void EmfPlayer::onPaintRgn(quint32, const Bytes& r) {
    MetafileCanvas& c = canvas_;
    if (auto rgn = region(r, 24, 28))
        c.fillRegion(*rgn, c.brush());
}

void EmfPlayer::onExtSelectClipRgn(quint32, const Bytes& r) {
    const quint32 size = r.u32(8);
    const quint32 mode = r.u32(12);
    if (!r.ok() || mode < 1 || mode > 5)
        return;
    if (size == 0) {
        canvas_.selectClipRegion(std::nullopt, RegionMode(mode));
        return;
    }
    if (auto rgn = region(r, 8, 16))
        canvas_.selectClipRegion(*rgn, RegionMode(mode));
}

void EmfPlayer::onBlt(quint32 type, const Bytes& r) {
    const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
    const quint32 rop = r.u32(40);
    const double xSrc = r.i32(44), ySrc = r.i32(48);
    const quint32 usage = r.u32(80);
    const quint32 offBmi = r.u32(84), cbBmi = r.u32(88), offBits = r.u32(92), cbBits = r.u32(96);
    if (!r.ok())
        return;
    if (type == MaskBlt || cbBmi == 0) {
        if (cbBmi == 0)
            canvas_.patBlt(dest, rop);
        if (type != MaskBlt)
            return;
    }
    const bool alpha = type == AlphaBlend && ((rop >> 24) & 1);
    QImage image = dib(r, offBmi, cbBmi, offBits, cbBits, usage, alpha);
    if (image.isNull())
        return;
    double wSrc = dest.width(), hSrc = dest.height();
    if (type != BitBlt && type != MaskBlt) {
        wSrc = r.i32(100);
        hSrc = r.i32(104);
    }
    if (type == TransparentBlt) {
        // The colour named in the last field is left out.
        const QRgb key = colorRef(rop).rgb() & 0xffffff;
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xffffff) == key)
                    line[x] = 0;
        }
    }
    const double opacity = type == AlphaBlend ? ((rop >> 16) & 0xff) / 255.0 : 1.0;
    const quint32 drawRop = (type == AlphaBlend || type == TransparentBlt) ? 0x00CC0020 : rop;
    canvas_.drawImage(dest, image, QRectF(xSrc, ySrc, wSrc, hSrc), drawRop, opacity);
}

void EmfPlayer::onDibToDevice(quint32 type, const Bytes& r) {
    const double xDest = r.i32(24), yDest = r.i32(28), xSrc = r.i32(32), ySrc = r.i32(36);
    const double cxSrc = r.i32(40), cySrc = r.i32(44);
    const quint32 offBmi = r.u32(48), cbBmi = r.u32(52), offBits = r.u32(56), cbBits = r.u32(60),
                  usage = r.u32(64);
    double cxDest = cxSrc, cyDest = cySrc;
    quint32 rop = 0x00CC0020;
    if (type == StretchDiBits) {
        rop = r.u32(68);
        cxDest = r.i32(72);
        cyDest = r.i32(76);
    }
    if (!r.ok())
        return;
    QImage image = dib(r, offBmi, cbBmi, offBits, cbBits, usage);
    if (image.isNull())
        return;
    const QRectF src = sourceRect(image, r.sub(offBmi, cbBmi), xSrc, ySrc, cxSrc, cySrc, true);
    canvas_.drawImage(QRectF(xDest, yDest, cxDest, cyDest), image, src, rop);
}

void EmfPlayer::onExtTextOut(quint32 type, const Bytes& r) {
    const QPointF ref = point(r, 36);
    const quint32 chars = r.u32(44);
    const quint32 offString = r.u32(48);
    const quint32 options = r.u32(52);
    const QRectF rect = box(r, 56);
    const quint32 offDx = r.u32(72);
    if (!r.ok())
        return;
    const bool wide = type == ExtTextOutW;
    if (!r.has(offString, qint64(chars) * (wide ? 2 : 1)))
        return;
    QString text;
    if (wide) {
        text.resize(chars);
        for (quint32 i = 0; i < chars; ++i)
            text[i] = QChar(r.u16(offString + 2 * i));
    } else {
        text = windowsAnsi(r, offString, chars);
    }
    QVector<qreal> dx;
    // With ETO_PDY each character has an x and a y advance.
    const int step = (options & 0x2000) ? 2 : 1;
    if (offDx != 0 && r.has(offDx, qint64(chars) * 4 * step)) {
        dx.resize(chars);
        for (quint32 i = 0; i < chars; ++i)
            dx[i] = r.i32(offDx + 4 * step * i);
    }
    canvas_.textOut(ref, text, dx, options, rect);
}

void EmfPlayer::onGradientFill(quint32, const Bytes& r) {
    MetafileCanvas& c = canvas_;
    const quint32 vertices = r.u32(24), shapes = r.u32(28), mode = r.u32(32);
    if (!r.ok() || vertices > 65536 || shapes > 65536)
        return;
    const qint64 shapesAt = 36 + 16 * qint64(vertices);
    const qint64 shapeSize = mode == 2 ? 12 : 8;
    if (!r.has(36, 16 * qint64(vertices)) || !r.has(shapesAt, shapeSize * shapes) ||
        !c.budget().work(vertices + shapes))
        return;
    auto vertex = [&](quint32 i, QPointF& p, QColor& col) {
        if (i >= vertices)
            return false;
        const qint64 at = 36 + 16 * qint64(i);
        p = QPointF(r.i32(at), r.i32(at + 4));
        col = QColor(r.u16(at + 8) >> 8, r.u16(at + 10) >> 8, r.u16(at + 12) >> 8);
        return true;
    };
    const BrushSpec keep = c.brush();
    const PenSpec keepPen = c.pen();
    PenSpec noPen;
    noPen.style = 5;
    c.selectPen(noPen);
    for (quint32 s = 0; s < shapes; ++s) {
        const qint64 at = shapesAt + shapeSize * s;
        QPointF p[3];
        QColor col[3];
        if (mode == 2) {
            if (!vertex(r.u32(at), p[0], col[0]) || !vertex(r.u32(at + 4), p[1], col[1]) ||
                !vertex(r.u32(at + 8), p[2], col[2]))
                continue;
            BrushSpec b;
            b.color = QColor((col[0].red() + col[1].red() + col[2].red()) / 3,
                             (col[0].green() + col[1].green() + col[2].green()) / 3,
                             (col[0].blue() + col[1].blue() + col[2].blue()) / 3);
            c.selectBrush(b);
            c.polygon(QPolygonF{p[0], p[1], p[2]});
        } else {
            if (!vertex(r.u32(at), p[0], col[0]) || !vertex(r.u32(at + 4), p[1], col[1]))
                continue;
            // Rectangles shade from one corner colour to the other; drawn in
            // bands, which stay correct under any mapping.
            const QRectF rect = QRectF(p[0], p[1]).normalized();
            constexpr int kBands = 32;
            for (int i = 0; i < kBands; ++i) {
                const double t = (i + 0.5) / kBands;
                BrushSpec b;
                b.color = QColor(int(col[0].red() + (col[1].red() - col[0].red()) * t),
                                 int(col[0].green() + (col[1].green() - col[0].green()) * t),
                                 int(col[0].blue() + (col[1].blue() - col[0].blue()) * t));
                c.selectBrush(b);
                const double f0 = double(i) / kBands, f1 = double(i + 1) / kBands;
                c.rectangle(mode == 0 ? QRectF(rect.left() + rect.width() * f0, rect.top(),
                                               rect.width() * (f1 - f0), rect.height())
                                      : QRectF(rect.left(), rect.top() + rect.height() * f0,
                                               rect.width(), rect.height() * (f1 - f0)));
            }
        }
    }
    c.selectBrush(keep);
    c.selectPen(keepPen);
}

// Records without a handler change nothing visible here (palettes, colour
// management, escapes, layout) and are passed over; so are comments, whose
// private data, EMF+ records included, draws the same picture as the plain
// records that follow.
void EmfPlayer::play(quint32 type, const Bytes& r) {
    using Handler = void (EmfPlayer::*)(quint32, const Bytes&);
    static const std::unordered_map<quint32, Handler> handlers = {
        {PolyBezier, &EmfPlayer::onPolyBezier},
        {PolyBezier16, &EmfPlayer::onPolyBezier},
        {Polygon, &EmfPlayer::onPolygon},
        {Polygon16, &EmfPlayer::onPolygon},
        {Polyline, &EmfPlayer::onPolyline},
        {Polyline16, &EmfPlayer::onPolyline},
        {PolyBezierTo, &EmfPlayer::onPolyBezierTo},
        {PolyBezierTo16, &EmfPlayer::onPolyBezierTo},
        {PolylineTo, &EmfPlayer::onPolylineTo},
        {PolylineTo16, &EmfPlayer::onPolylineTo},
        {PolyPolyline, &EmfPlayer::onPolyPolyline},
        {PolyPolyline16, &EmfPlayer::onPolyPolyline},
        {PolyPolygon, &EmfPlayer::onPolyPolygon},
        {PolyPolygon16, &EmfPlayer::onPolyPolygon},
        {PolyDraw, &EmfPlayer::onPolyDraw},
        {PolyDraw16, &EmfPlayer::onPolyDraw},
        {SetWindowExtEx, &EmfPlayer::onSetWindowExtEx},
        {SetWindowOrgEx, &EmfPlayer::onSetWindowOrgEx},
        {SetViewportExtEx, &EmfPlayer::onSetViewportExtEx},
        {SetViewportOrgEx, &EmfPlayer::onSetViewportOrgEx},
        {SetBrushOrgEx, &EmfPlayer::onSetBrushOrgEx},
        {SetPixelV, &EmfPlayer::onSetPixelV},
        {SetMapMode, &EmfPlayer::onSetMapMode},
        {SetBkMode, &EmfPlayer::onSetBkMode},
        {SetPolyFillMode, &EmfPlayer::onSetPolyFillMode},
        {SetRop2, &EmfPlayer::onSetRop2},
        {SetTextAlign, &EmfPlayer::onSetTextAlign},
        {SetTextColor, &EmfPlayer::onSetTextColor},
        {SetBkColor, &EmfPlayer::onSetBkColor},
        {OffsetClipRgn, &EmfPlayer::onOffsetClipRgn},
        {MoveToEx, &EmfPlayer::onMoveToEx},
        {ExcludeClipRect, &EmfPlayer::onExcludeClipRect},
        {IntersectClipRect, &EmfPlayer::onIntersectClipRect},
        {ScaleViewportExtEx, &EmfPlayer::onScaleViewportExtEx},
        {ScaleWindowExtEx, &EmfPlayer::onScaleWindowExtEx},
        {SaveDc, &EmfPlayer::onSaveDc},
        {RestoreDc, &EmfPlayer::onRestoreDc},
        {SetWorldTransform, &EmfPlayer::onWorldTransform},
        {ModifyWorldTransform, &EmfPlayer::onWorldTransform},
        {SelectObject, &EmfPlayer::onSelectObject},
        {CreatePen, &EmfPlayer::onCreatePen},
        {ExtCreatePen, &EmfPlayer::onExtCreatePen},
        {CreateBrushIndirect, &EmfPlayer::onCreateBrushIndirect},
        {CreateMonoBrush, &EmfPlayer::onPatternBrush},
        {CreateDibPatternBrushPt, &EmfPlayer::onPatternBrush},
        {CreatePalette, &EmfPlayer::onCreatePalette},
        {ExtCreateFontIndirectW, &EmfPlayer::onExtCreateFontIndirectW},
        {DeleteObject, &EmfPlayer::onDeleteObject},
        {AngleArc, &EmfPlayer::onAngleArc},
        {Ellipse, &EmfPlayer::onEllipse},
        {Rectangle, &EmfPlayer::onRectangle},
        {RoundRect, &EmfPlayer::onRoundRect},
        {Arc, &EmfPlayer::onArcFamily},
        {Chord, &EmfPlayer::onArcFamily},
        {Pie, &EmfPlayer::onArcFamily},
        {ArcTo, &EmfPlayer::onArcFamily},
        {LineTo, &EmfPlayer::onLineTo},
        {SetArcDirection, &EmfPlayer::onSetArcDirection},
        {SetMiterLimit, &EmfPlayer::onSetMiterLimit},
        {BeginPath, &EmfPlayer::onBeginPath},
        {EndPath, &EmfPlayer::onEndPath},
        {CloseFigure, &EmfPlayer::onCloseFigure},
        {FillPath, &EmfPlayer::onFillPath},
        {StrokeAndFillPath, &EmfPlayer::onStrokeAndFillPath},
        {StrokePath, &EmfPlayer::onStrokePath},
        {FlattenPath, &EmfPlayer::onFlattenPath},
        {WidenPath, &EmfPlayer::onWidenPath},
        {SelectClipPath, &EmfPlayer::onSelectClipPath},
        {AbortPath, &EmfPlayer::onAbortPath},
        {FillRgn, &EmfPlayer::onFillRgn},
        {FrameRgn, &EmfPlayer::onFrameRgn},
        {InvertRgn, &EmfPlayer::onInvertRgn},
        {PaintRgn, &EmfPlayer::onPaintRgn},
        {ExtSelectClipRgn, &EmfPlayer::onExtSelectClipRgn},
        {BitBlt, &EmfPlayer::onBlt},
        {StretchBlt, &EmfPlayer::onBlt},
        {MaskBlt, &EmfPlayer::onBlt},
        {AlphaBlend, &EmfPlayer::onBlt},
        {TransparentBlt, &EmfPlayer::onBlt},
        {StretchDiBits, &EmfPlayer::onDibToDevice},
        {SetDiBitsToDevice, &EmfPlayer::onDibToDevice},
        {ExtTextOutW, &EmfPlayer::onExtTextOut},
        {ExtTextOutA, &EmfPlayer::onExtTextOut},
        {GradientFill, &EmfPlayer::onGradientFill},
    };
    if (const auto h = handlers.find(type); h != handlers.end())
        (this->*h->second)(type, r);
}

} // namespace

bool readEmfHeader(const Bytes& f, EmfHeader& h) {
    if (f.size() < 88 || f.u32(0) != Header || f.u32(40) != kEmfSignature)
        return false;
    h.headerSize = f.u32(4);
    if (h.headerSize < 88 || h.headerSize % 4 != 0 || !f.has(0, h.headerSize))
        return false;
    auto rect = [&](qint64 at) {
        return QRect(QPoint(f.i32(at), f.i32(at + 4)), QPoint(f.i32(at + 8), f.i32(at + 12)));
    };
    h.bounds = rect(8);
    h.frame = rect(24);
    h.handles = f.u16(56);
    h.device = QSize(f.i32(72), f.i32(76));
    h.millimeters = QSize(f.i32(80), f.i32(84));
    return f.ok();
}

void playEmf(const QByteArray& bytes, QPainter& painter, const QRectF& target) {
    const Bytes file(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    EmfHeader header;
    if (!readEmfHeader(file, header) || target.isEmpty())
        return;
    double ppmX = 96 / 25.4, ppmY = 96 / 25.4;
    if (header.device.width() > 0 && header.millimeters.width() > 0 && header.device.height() > 0 &&
        header.millimeters.height() > 0) {
        ppmX = double(header.device.width()) / header.millimeters.width();
        ppmY = double(header.device.height()) / header.millimeters.height();
    }
    // The frame (0.01 mm) in reference pixels is what fills the target.
    QRectF frame(header.frame.left() * ppmX / 100, header.frame.top() * ppmY / 100,
                 (qint64(header.frame.right()) - header.frame.left()) * ppmX / 100,
                 (qint64(header.frame.bottom()) - header.frame.top()) * ppmY / 100);
    if (!(frame.width() > 0 && frame.height() > 0))
        frame = QRectF(header.bounds.left(), header.bounds.top(),
                       qint64(header.bounds.right()) - header.bounds.left() + 1,
                       qint64(header.bounds.bottom()) - header.bounds.top() + 1);
    if (!(frame.width() > 0 && frame.height() > 0))
        return;
    QTransform toTarget = QTransform::fromTranslate(-frame.left(), -frame.top());
    toTarget *=
        QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height());
    toTarget *= QTransform::fromTranslate(target.left(), target.top());

    Budget budget;
    MetafileCanvas canvas(painter, toTarget, budget);
    canvas.setDeviceResolution(ppmX, ppmY);
    EmfPlayer player(file, header, canvas);
    player.run(header.headerSize);
}

} // namespace metafile
