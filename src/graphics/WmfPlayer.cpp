#include "graphics/MetafileDib.h"
#include "graphics/MetafileRecords.h"

#include <QPainter>
#include <unordered_map>

namespace metafile {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;

enum WmfRecord : quint16 {
    Eof = 0x0000,
    SetBkColor = 0x0201,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextCharExtra = 0x0108,
    SetTextColor = 0x0209,
    SetTextJustification = 0x020A,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    ScaleWindowExt = 0x0410,
    OffsetViewportOrg = 0x0211,
    ScaleViewportExt = 0x0412,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Arc = 0x0817,
    Ellipse = 0x0418,
    Pie = 0x081A,
    Rectangle = 0x041B,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    SaveDc = 0x001E,
    SetPixel = 0x041F,
    OffsetClipRgn = 0x0220,
    TextOut = 0x0521,
    BitBlt = 0x0922,
    StretchBlt = 0x0B23,
    Polygon = 0x0324,
    Polyline = 0x0325,
    RestoreDc = 0x0127,
    FillRegion = 0x0228,
    FrameRegion = 0x0429,
    InvertRegion = 0x012A,
    PaintRegion = 0x012B,
    SelectClipRegion = 0x012C,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    Chord = 0x0830,
    ExtTextOut = 0x0A32,
    SetDibToDev = 0x0D33,
    PolyPolygon = 0x0538,
    DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41,
    DibCreatePatternBrush = 0x0142,
    StretchDib = 0x0F43,
    DeleteObject = 0x01F0,
    CreatePalette = 0x00F7,
    CreatePatternBrush = 0x01F9,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    CreateRegion = 0x06FF,
};

class WmfPlayer {
public:
    WmfPlayer(const Bytes& file, const WmfHeader& header, MetafileCanvas& canvas)
        : file_(file), canvas_(canvas) {
        objects_.resize(header.objects);
    }

    void run(qint64 start) {
        qint64 at = start;
        while (file_.has(at, 6) && canvas_.budget().record()) {
            const qint64 size = qint64(file_.u32(at)) * 2;
            const quint16 function = file_.u16(at + 4);
            if (size < 6 || !file_.has(at, size))
                return;
            if (function == Eof)
                return;
            play(function, file_.sub(at, size));
            at += size;
        }
    }

private:
    // Parameters are 16-bit words after the size and function fields.
    static qint16 p(const Bytes& r, int i) { return r.i16(6 + 2 * i); }
    static QRectF box(const Bytes& r, int first) {
        // Stored bottom, right, top, left.
        return QRectF(QPointF(p(r, first + 3), p(r, first + 2)),
                      QPointF(p(r, first + 1), p(r, first)));
    }
    static QPointF yx(const Bytes& r, int first) { return QPointF(p(r, first + 1), p(r, first)); }

    void create(GdiObject obj) {
        // Each new object takes the lowest free slot.
        for (GdiObject& slot : objects_)
            if (slot.kind == GdiObject::Kind::Empty) {
                slot = std::move(obj);
                return;
            }
    }
    GdiObject* object(int index) {
        if (index < 0 || index >= int(objects_.size()) ||
            objects_[index].kind == GdiObject::Kind::Empty)
            return nullptr;
        return &objects_[index];
    }

    bool points(const Bytes& r, qint64 at, qint64 count, QPolygonF& out) {
        if (count < 0 || !r.has(at, 4 * count) || !canvas_.budget().work(count))
            return false;
        out.resize(count);
        for (qint64 i = 0; i < count; ++i)
            out[i] = QPointF(r.i16(at + 4 * i), r.i16(at + 4 * i + 2));
        return true;
    }

    QImage packedDib(const Bytes& r, qint64 at, quint16 usage) {
        if (!r.has(at, 16))
            return {};
        const Bytes dib = r.sub(at, r.size() - at);
        const qint64 w = dib.u32(0) == 12 ? dib.u16(4) : dib.i32(4);
        const qint64 h = dib.u32(0) == 12 ? dib.u16(6) : dib.i32(8);
        if (!canvas_.budget().pixels(std::abs(w) * std::min<qint64>(std::abs(h), kMaxDibDimension)))
            return {};
        DibOptions options;
        options.paletteIndex = usage == 1;
        options.monoForeground = canvas_.textColor().rgb();
        options.monoBackground = canvas_.bkColor().rgb();
        return decodePackedDib(dib, options);
    }

    void drawDib(const Bytes& r, qint64 dibAt, quint16 usage, QRectF dest, double xSrc, double ySrc,
                 double wSrc, double hSrc, quint32 rop, bool fromBottom) {
        const QImage image = packedDib(r, dibAt, usage);
        if (image.isNull())
            return;
        if (fromBottom && dibBottomUp(r.sub(dibAt, r.size() - dibAt)))
            ySrc = image.height() - ySrc - hSrc;
        canvas_.drawImage(dest, image, QRectF(xSrc, ySrc, wSrc, hSrc), rop);
    }

    std::optional<QPainterPath> regionObject(const Bytes& r, qint64 at) {
        // nextInChain, objectType, objectCount, regionSize, scanCount, maxScan, box, scans
        const qint16 scans = r.i16(at + 10);
        if (!r.ok() || scans < 0 || !canvas_.budget().work(scans))
            return std::nullopt;
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        qint64 s = at + 22;
        for (int i = 0; i < scans; ++i) {
            const quint16 count = r.u16(s);
            const double top = r.i16(s + 2), bottom = r.i16(s + 4);
            if (!r.ok() || count % 2 || !r.has(s + 6, 2 * qint64(count) + 2) ||
                !canvas_.budget().work(count))
                return std::nullopt;
            for (int k = 0; k + 1 < count; k += 2) {
                const double left = r.i16(s + 6 + 2 * k), right = r.i16(s + 8 + 2 * k);
                if (right > left && bottom > top)
                    path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
            }
            s += 6 + 2 * qint64(count) + 2;
        }
        return path;
    }

    BrushSpec brushAt(int index) {
        if (GdiObject* o = object(index); o && o->kind == GdiObject::Kind::Brush)
            return o->brush;
        BrushSpec none;
        none.style = 1;
        return none;
    }

    // A record too short for its parameters reads zeros; its handler drops it.
    void play(quint16 function, const Bytes& r);

    // One handler a record type (or a family of them).
    void onSetBkColor(quint16, const Bytes& r);
    void onSetTextColor(quint16, const Bytes& r);
    void onSetBkMode(quint16, const Bytes& r);
    void onSetMapMode(quint16, const Bytes& r);
    void onSetRop2(quint16, const Bytes& r);
    void onSetPolyFillMode(quint16, const Bytes& r);
    void onSetTextAlign(quint16, const Bytes& r);
    void onSetTextCharExtra(quint16, const Bytes& r);
    void onSetWindowOrg(quint16, const Bytes& r);
    void onSetWindowExt(quint16, const Bytes& r);
    void onSetViewportOrg(quint16, const Bytes& r);
    void onSetViewportExt(quint16, const Bytes& r);
    void onOffsetWindowOrg(quint16, const Bytes& r);
    void onOffsetViewportOrg(quint16, const Bytes& r);
    void onScaleWindowExt(quint16, const Bytes& r);
    void onScaleViewportExt(quint16, const Bytes& r);
    void onLineTo(quint16, const Bytes& r);
    void onMoveTo(quint16, const Bytes& r);
    void onExcludeClipRect(quint16, const Bytes& r);
    void onIntersectClipRect(quint16, const Bytes& r);
    void onOffsetClipRgn(quint16, const Bytes& r);
    void onArcFamily(quint16 function, const Bytes& r);
    void onEllipse(quint16, const Bytes& r);
    void onRectangle(quint16, const Bytes& r);
    void onRoundRect(quint16, const Bytes& r);
    void onPatBlt(quint16, const Bytes& r);
    void onSaveDc(quint16, const Bytes&);
    void onRestoreDc(quint16, const Bytes& r);
    void onSetPixel(quint16, const Bytes& r);
    void onPolygonOrLine(quint16 function, const Bytes& r);
    void onPolyPolygon(quint16, const Bytes& r);
    void onTextOut(quint16, const Bytes& r);
    void onExtTextOut(quint16, const Bytes& r);
    void onFillRegion(quint16, const Bytes& r);
    void onFrameRegion(quint16, const Bytes& r);
    void onInvertRegion(quint16, const Bytes& r);
    void onPaintRegion(quint16, const Bytes& r);
    void onSelectClipRegion(quint16, const Bytes& r);
    void onSelectObject(quint16, const Bytes& r);
    void onDeleteObject(quint16, const Bytes& r);
    void onCreatePenIndirect(quint16, const Bytes& r);
    void onCreateBrushIndirect(quint16, const Bytes& r);
    void onDibCreatePatternBrush(quint16, const Bytes& r);
    void onCreatePatternBrush(quint16, const Bytes&);
    void onCreatePalette(quint16, const Bytes&);
    void onCreateFontIndirect(quint16, const Bytes& r);
    void onCreateRegion(quint16, const Bytes& r);
    void onBlt(quint16 function, const Bytes& r);
    void onStretchDib(quint16, const Bytes& r);
    void onSetDibToDev(quint16, const Bytes& r);

    const Bytes& file_;
    MetafileCanvas& canvas_;
    std::vector<GdiObject> objects_;
};

void WmfPlayer::onSetBkColor(quint16, const Bytes& r) {
    canvas_.setBkColor(colorRef(r.u32(6)));
}

void WmfPlayer::onSetTextColor(quint16, const Bytes& r) {
    canvas_.setTextColor(colorRef(r.u32(6)));
}

void WmfPlayer::onSetBkMode(quint16, const Bytes& r) {
    canvas_.setBkMode(p(r, 0));
}

void WmfPlayer::onSetMapMode(quint16, const Bytes& r) {
    canvas_.setMapMode(p(r, 0));
}

void WmfPlayer::onSetRop2(quint16, const Bytes& r) {
    canvas_.setRop2(p(r, 0));
}

void WmfPlayer::onSetPolyFillMode(quint16, const Bytes& r) {
    canvas_.setPolyFillMode(p(r, 0));
}

void WmfPlayer::onSetTextAlign(quint16, const Bytes& r) {
    canvas_.setTextAlign(quint16(p(r, 0)));
}

void WmfPlayer::onSetTextCharExtra(quint16, const Bytes& r) {
    canvas_.setCharExtra(p(r, 0));
}

void WmfPlayer::onSetWindowOrg(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.setWindowOrg(v);
}

void WmfPlayer::onSetWindowExt(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.setWindowExt(QSizeF(v.x(), v.y()));
}

void WmfPlayer::onSetViewportOrg(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.setViewportOrg(v);
}

void WmfPlayer::onSetViewportExt(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.setViewportExt(QSizeF(v.x(), v.y()));
}

void WmfPlayer::onOffsetWindowOrg(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.offsetWindowOrg(v);
}

void WmfPlayer::onOffsetViewportOrg(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.offsetViewportOrg(v);
}

void WmfPlayer::onScaleWindowExt(quint16, const Bytes& r) {
    canvas_.scaleWindowExt(p(r, 3), p(r, 2), p(r, 1), p(r, 0));
}

void WmfPlayer::onScaleViewportExt(quint16, const Bytes& r) {
    canvas_.scaleViewportExt(p(r, 3), p(r, 2), p(r, 1), p(r, 0));
}

void WmfPlayer::onLineTo(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.lineTo(v);
}

void WmfPlayer::onMoveTo(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.moveTo(v);
}

void WmfPlayer::onExcludeClipRect(quint16, const Bytes& r) {
    if (const QRectF b = box(r, 0); r.ok())
        canvas_.excludeClipRect(b);
}

void WmfPlayer::onIntersectClipRect(quint16, const Bytes& r) {
    if (const QRectF b = box(r, 0); r.ok())
        canvas_.intersectClipRect(b);
}

void WmfPlayer::onOffsetClipRgn(quint16, const Bytes& r) {
    if (const QPointF v = yx(r, 0); r.ok())
        canvas_.offsetClip(v);
}

void WmfPlayer::onArcFamily(quint16 function, const Bytes& r) {
    const QPointF end = yx(r, 0), start = yx(r, 2);
    const QRectF b = box(r, 4);
    if (!r.ok())
        return;
    canvas_.arc(b, start, end,
                function == Arc   ? MetafileCanvas::ArcKind::Arc
                : function == Pie ? MetafileCanvas::ArcKind::Pie
                                  : MetafileCanvas::ArcKind::Chord);
}

void WmfPlayer::onEllipse(quint16, const Bytes& r) {
    if (const QRectF b = box(r, 0); r.ok())
        canvas_.ellipse(b);
}

void WmfPlayer::onRectangle(quint16, const Bytes& r) {
    if (const QRectF b = box(r, 0); r.ok())
        canvas_.rectangle(b);
}

void WmfPlayer::onRoundRect(quint16, const Bytes& r) {
    const QSizeF corner(p(r, 1), p(r, 0));
    if (const QRectF b = box(r, 2); r.ok())
        canvas_.roundRect(b, corner);
}

void WmfPlayer::onPatBlt(quint16, const Bytes& r) {
    const quint32 rop = r.u32(6);
    const QRectF dest(p(r, 5), p(r, 4), p(r, 3), p(r, 2));
    if (r.ok())
        canvas_.patBlt(dest, rop);
}

void WmfPlayer::onSaveDc(quint16, const Bytes&) {
    canvas_.saveDc();
}

void WmfPlayer::onRestoreDc(quint16, const Bytes& r) {
    if (const int n = p(r, 0); r.ok())
        canvas_.restoreDc(n);
}

void WmfPlayer::onSetPixel(quint16, const Bytes& r) {
    const QColor col = colorRef(r.u32(6));
    const QPointF at = yx(r, 2);
    if (r.ok())
        canvas_.setPixel(at, col);
}

void WmfPlayer::onPolygonOrLine(quint16 function, const Bytes& r) {
    QPolygonF pts;
    const qint16 n = p(r, 0);
    if (!r.ok() || !points(r, 8, n, pts))
        return;
    if (function == Polygon)
        canvas_.polygon(pts);
    else
        canvas_.polyline(pts);
}

void WmfPlayer::onPolyPolygon(quint16, const Bytes& r) {
    const quint16 n = quint16(p(r, 0));
    if (!r.ok() || !r.has(8, 2 * qint64(n)))
        return;
    qint64 at = 8 + 2 * qint64(n);
    std::vector<QPolygonF> polys;
    polys.reserve(n);
    bool good = true;
    for (int i = 0; i < n && good; ++i) {
        QPolygonF poly;
        const qint64 count = quint16(p(r, 1 + i));
        good = points(r, at, count, poly);
        at += 4 * count;
        polys.push_back(std::move(poly));
    }
    if (good)
        canvas_.polyPolygon(polys);
}

void WmfPlayer::onTextOut(quint16, const Bytes& r) {
    const qint16 len = p(r, 0);
    if (!r.ok() || len < 0)
        return;
    const qint64 after = 8 + ((qint64(len) + 1) & ~qint64(1));
    const QString text = windowsAnsi(r, 8, len);
    const QPointF at(r.i16(after + 2), r.i16(after));
    if (r.ok())
        canvas_.textOut(at, text, {}, 0, QRectF());
}

void WmfPlayer::onExtTextOut(quint16, const Bytes& r) {
    const QPointF at = yx(r, 0);
    const qint16 len = p(r, 2);
    const quint16 options = quint16(p(r, 3));
    if (!r.ok() || len < 0)
        return;
    qint64 s = 14;
    QRectF rect;
    if (options & 0x0006) {
        rect = QRectF(QPointF(r.i16(14), r.i16(16)), QPointF(r.i16(18), r.i16(20)));
        s = 22;
    }
    if (!r.ok() || !r.has(s, len))
        return;
    const QString text = windowsAnsi(r, s, len);
    const qint64 dxAt = s + ((qint64(len) + 1) & ~qint64(1));
    QVector<qreal> dx;
    if (r.has(dxAt, 2 * qint64(len))) {
        dx.resize(len);
        for (int i = 0; i < len; ++i)
            dx[i] = r.i16(dxAt + 2 * i);
    }
    // Several bytes may make one character; advances follow the bytes.
    if (dx.size() > text.size())
        dx.resize(text.size());
    canvas_.textOut(at, text, dx, options, rect);
}

void WmfPlayer::onFillRegion(quint16, const Bytes& r) {
    if (GdiObject* o = object(p(r, 0)); r.ok() && o && o->kind == GdiObject::Kind::Region)
        canvas_.fillRegion(o->region, brushAt(p(r, 1)));
}

void WmfPlayer::onFrameRegion(quint16, const Bytes& r) {
    if (GdiObject* o = object(p(r, 0)); r.ok() && o && o->kind == GdiObject::Kind::Region)
        canvas_.frameRegion(o->region, brushAt(p(r, 1)), QSizeF(p(r, 3), p(r, 2)));
}

void WmfPlayer::onInvertRegion(quint16, const Bytes& r) {
    if (GdiObject* o = object(p(r, 0)); r.ok() && o && o->kind == GdiObject::Kind::Region)
        canvas_.invertRegion(o->region);
}

void WmfPlayer::onPaintRegion(quint16, const Bytes& r) {
    MetafileCanvas& c = canvas_;
    if (GdiObject* o = object(p(r, 0)); r.ok() && o && o->kind == GdiObject::Kind::Region)
        c.fillRegion(o->region, c.brush());
}

void WmfPlayer::onSelectClipRegion(quint16, const Bytes& r) {
    if (GdiObject* o = object(p(r, 0)); r.ok() && o && o->kind == GdiObject::Kind::Region)
        canvas_.selectClipRegion(o->region, RegionMode::Copy);
}

void WmfPlayer::onSelectObject(quint16, const Bytes& r) {
    MetafileCanvas& c = canvas_;
    GdiObject* o = object(p(r, 0));
    if (!r.ok() || !o)
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
    case GdiObject::Kind::Region:
        c.selectClipRegion(o->region, RegionMode::Copy);
        break;
    default:
        break;
    }
}

void WmfPlayer::onDeleteObject(quint16, const Bytes& r) {
    if (GdiObject* o = object(p(r, 0)); r.ok() && o)
        *o = GdiObject{};
}

void WmfPlayer::onCreatePenIndirect(quint16, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Pen;
    o.pen.style = quint16(p(r, 0));
    o.pen.width = p(r, 1);
    o.pen.color = colorRef(r.u32(12));
    create(o); // created even when cut short, so later indexes stay right
}

void WmfPlayer::onCreateBrushIndirect(quint16, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Brush;
    o.brush.style = quint16(p(r, 0));
    o.brush.color = colorRef(r.u32(8));
    o.brush.hatch = quint16(r.u16(12));
    if (o.brush.style == 3 || o.brush.style > 6)
        o.brush.style = 0;
    create(o);
}

void WmfPlayer::onDibCreatePatternBrush(quint16, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Brush;
    o.brush.style = 5;
    const quint16 usage = quint16(p(r, 1));
    o.brush.pattern = packedDib(r, 10, usage);
    o.brush.monoPattern = usage == 1 && r.u32(10) >= 40 && r.u16(10 + 14) == 1;
    create(o);
}

void WmfPlayer::onCreatePatternBrush(quint16, const Bytes&) {
    // Old device-dependent bitmaps are not drawn; the slot is still taken.
    GdiObject o;
    o.kind = GdiObject::Kind::Brush;
    o.brush.color = Qt::gray;
    create(o);
}

void WmfPlayer::onCreatePalette(quint16, const Bytes&) {
    GdiObject o;
    o.kind = GdiObject::Kind::Palette;
    create(o);
}

void WmfPlayer::onCreateFontIndirect(quint16, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Font;
    o.font.height = p(r, 0);
    o.font.width = p(r, 1);
    o.font.escapement = p(r, 2);
    o.font.weight = p(r, 4);
    o.font.italic = r.u8(16) != 0;
    o.font.underline = r.u8(17) != 0;
    o.font.strikeOut = r.u8(18) != 0;
    o.font.charset = r.u8(19);
    o.font.face = windowsAnsi(r, 24, std::min<qint64>(32, std::max<qint64>(0, r.size() - 24)));
    create(o);
}

void WmfPlayer::onCreateRegion(quint16, const Bytes& r) {
    GdiObject o;
    o.kind = GdiObject::Kind::Region;
    if (auto rgn = regionObject(r, 6))
        o.region = *rgn;
    create(o);
}

void WmfPlayer::onBlt(quint16 function, const Bytes& r) {
    const quint32 rop = r.u32(6);
    const bool stretch = function == StretchBlt || function == DibStretchBlt;
    // Without a bitmap the record has one reserved word and is a pattern fill.
    const bool noBitmap = r.size() / 2 == (function >> 8) + 3;
    const int first = 2 + (stretch ? 2 : 0); // after rop (and source size)
    const double hSrc = stretch ? p(r, 2) : 0, wSrc = stretch ? p(r, 3) : 0;
    const double ySrc = p(r, first), xSrc = p(r, first + 1);
    const int d = first + 2 + (noBitmap ? 1 : 0);
    const QRectF dest(p(r, d + 3), p(r, d + 2), p(r, d + 1), p(r, d));
    if (!r.ok())
        return;
    if (noBitmap) {
        canvas_.patBlt(dest, rop);
        return;
    }
    if (function == BitBlt || function == StretchBlt)
        return; // device-dependent source
    drawDib(r, 6 + 2 * (d + 4), 0, dest, xSrc, ySrc, stretch ? wSrc : dest.width(),
            stretch ? hSrc : dest.height(), rop, false);
}

void WmfPlayer::onStretchDib(quint16, const Bytes& r) {
    const quint32 rop = r.u32(6);
    const quint16 usage = quint16(p(r, 2));
    const double hSrc = p(r, 3), wSrc = p(r, 4), ySrc = p(r, 5), xSrc = p(r, 6);
    const QRectF dest(p(r, 10), p(r, 9), p(r, 8), p(r, 7));
    if (r.ok())
        drawDib(r, 28, usage, dest, xSrc, ySrc, wSrc, hSrc, rop, true);
}

void WmfPlayer::onSetDibToDev(quint16, const Bytes& r) {
    const quint16 usage = quint16(p(r, 0));
    const double yDib = p(r, 3), xDib = p(r, 4), h = p(r, 5), w = p(r, 6);
    const QRectF dest(p(r, 8), p(r, 7), w, h);
    if (r.ok())
        drawDib(r, 24, usage, dest, xDib, yDib, w, h, 0x00CC0020, true);
}

// Records without a handler are passed over.
void WmfPlayer::play(quint16 function, const Bytes& r) {
    using Handler = void (WmfPlayer::*)(quint16, const Bytes&);
    static const std::unordered_map<quint16, Handler> handlers = {
        {SetBkColor, &WmfPlayer::onSetBkColor},
        {SetTextColor, &WmfPlayer::onSetTextColor},
        {SetBkMode, &WmfPlayer::onSetBkMode},
        {SetMapMode, &WmfPlayer::onSetMapMode},
        {SetRop2, &WmfPlayer::onSetRop2},
        {SetPolyFillMode, &WmfPlayer::onSetPolyFillMode},
        {SetTextAlign, &WmfPlayer::onSetTextAlign},
        {SetTextCharExtra, &WmfPlayer::onSetTextCharExtra},
        {SetWindowOrg, &WmfPlayer::onSetWindowOrg},
        {SetWindowExt, &WmfPlayer::onSetWindowExt},
        {SetViewportOrg, &WmfPlayer::onSetViewportOrg},
        {SetViewportExt, &WmfPlayer::onSetViewportExt},
        {OffsetWindowOrg, &WmfPlayer::onOffsetWindowOrg},
        {OffsetViewportOrg, &WmfPlayer::onOffsetViewportOrg},
        {ScaleWindowExt, &WmfPlayer::onScaleWindowExt},
        {ScaleViewportExt, &WmfPlayer::onScaleViewportExt},
        {LineTo, &WmfPlayer::onLineTo},
        {MoveTo, &WmfPlayer::onMoveTo},
        {ExcludeClipRect, &WmfPlayer::onExcludeClipRect},
        {IntersectClipRect, &WmfPlayer::onIntersectClipRect},
        {OffsetClipRgn, &WmfPlayer::onOffsetClipRgn},
        {Arc, &WmfPlayer::onArcFamily},
        {Pie, &WmfPlayer::onArcFamily},
        {Chord, &WmfPlayer::onArcFamily},
        {Ellipse, &WmfPlayer::onEllipse},
        {Rectangle, &WmfPlayer::onRectangle},
        {RoundRect, &WmfPlayer::onRoundRect},
        {PatBlt, &WmfPlayer::onPatBlt},
        {SaveDc, &WmfPlayer::onSaveDc},
        {RestoreDc, &WmfPlayer::onRestoreDc},
        {SetPixel, &WmfPlayer::onSetPixel},
        {Polygon, &WmfPlayer::onPolygonOrLine},
        {Polyline, &WmfPlayer::onPolygonOrLine},
        {PolyPolygon, &WmfPlayer::onPolyPolygon},
        {TextOut, &WmfPlayer::onTextOut},
        {ExtTextOut, &WmfPlayer::onExtTextOut},
        {FillRegion, &WmfPlayer::onFillRegion},
        {FrameRegion, &WmfPlayer::onFrameRegion},
        {InvertRegion, &WmfPlayer::onInvertRegion},
        {PaintRegion, &WmfPlayer::onPaintRegion},
        {SelectClipRegion, &WmfPlayer::onSelectClipRegion},
        {SelectObject, &WmfPlayer::onSelectObject},
        {DeleteObject, &WmfPlayer::onDeleteObject},
        {CreatePenIndirect, &WmfPlayer::onCreatePenIndirect},
        {CreateBrushIndirect, &WmfPlayer::onCreateBrushIndirect},
        {DibCreatePatternBrush, &WmfPlayer::onDibCreatePatternBrush},
        {CreatePatternBrush, &WmfPlayer::onCreatePatternBrush},
        {CreatePalette, &WmfPlayer::onCreatePalette},
        {CreateFontIndirect, &WmfPlayer::onCreateFontIndirect},
        {CreateRegion, &WmfPlayer::onCreateRegion},
        {BitBlt, &WmfPlayer::onBlt},
        {StretchBlt, &WmfPlayer::onBlt},
        {DibBitBlt, &WmfPlayer::onBlt},
        {DibStretchBlt, &WmfPlayer::onBlt},
        {StretchDib, &WmfPlayer::onStretchDib},
        {SetDibToDev, &WmfPlayer::onSetDibToDev},
    };
    if (const auto h = handlers.find(function); h != handlers.end())
        (this->*h->second)(function, r);
}

// The window records decide the box of a file without a placeable header.
QRect boxFromRecords(const Bytes& f, qint64 at) {
    QPoint org;
    QSize ext;
    for (int n = 0; f.has(at, 6) && n < 10000; ++n) {
        const qint64 size = qint64(f.u32(at)) * 2;
        const quint16 function = f.u16(at + 4);
        if (size < 6 || !f.has(at, size) || function == Eof)
            break;
        if (function == SetWindowOrg && size >= 10)
            org = QPoint(f.i16(at + 8), f.i16(at + 6));
        else if (function == SetWindowExt && size >= 10 && !ext.isValid())
            ext = QSize(f.i16(at + 8), f.i16(at + 6));
        at += size;
    }
    if (!ext.isValid() || ext.isEmpty())
        return {};
    return QRect(org, ext);
}

} // namespace

bool readWmfHeader(const Bytes& f, WmfHeader& h) {
    qint64 at = 0;
    if (f.u32(0) == kPlaceableKey) {
        if (!f.has(0, 22))
            return false;
        h.placeable = true;
        const int l = f.i16(6), t = f.i16(8), r = f.i16(10), b = f.i16(12);
        h.box =
            QRect(QPoint(std::min(l, r), std::min(t, b)), QSize(std::abs(r - l), std::abs(b - t)));
        h.unitsPerInch = f.u16(14) ? f.u16(14) : 1440;
        at = 22;
    }
    const quint16 type = f.u16(at);
    const quint16 headerWords = f.u16(at + 2);
    const quint16 version = f.u16(at + 4);
    if (!f.ok() || !f.has(at, 18) || (type != 1 && type != 2) || headerWords != 9 ||
        (version != 0x0100 && version != 0x0300))
        return false;
    h.objects = f.u16(at + 10);
    h.recordsAt = at + 18;
    if (!h.placeable) {
        h.box = boxFromRecords(f, h.recordsAt);
        h.unitsPerInch = 96; // window units taken as pixels
    }
    return f.ok();
}

void playWmf(const QByteArray& bytes, QPainter& painter, const QRectF& target) {
    const Bytes file(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    WmfHeader header;
    if (!readWmfHeader(file, header) || target.isEmpty() || header.box.isEmpty())
        return;
    // Device units are the logical units of the box; the window records map
    // onto it as onto a viewport, and the box fills the target.
    const QRectF box(header.box);
    QTransform toTarget = QTransform::fromTranslate(-box.left(), -box.top());
    toTarget *= QTransform::fromScale(target.width() / box.width(), target.height() / box.height());
    toTarget *= QTransform::fromTranslate(target.left(), target.top());

    Budget budget;
    MetafileCanvas canvas(painter, toTarget, budget);
    const double ppm = header.unitsPerInch / 25.4;
    canvas.setDeviceResolution(ppm, ppm);
    canvas.setMapMode(8);
    canvas.setWindowOrg(box.topLeft());
    canvas.setWindowExt(box.size());
    canvas.setViewportOrg(box.topLeft());
    canvas.setViewportExt(box.size());
    WmfPlayer player(file, header, canvas);
    player.run(header.recordsAt);
}

} // namespace metafile
