#pragma once
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QVector>
#include <QtEndian>

#include "FixtureBytes.h"
#include "graphics/Metafile.h"

// Builds small metafiles record by record for the player's tests.
namespace metafiletest {

using fixturebytes::put16;
using fixturebytes::put32;
inline quint32 f32(float f) {
    quint32 v;
    std::memcpy(&v, &f, 4);
    return v;
}
inline quint32 rgb(int r, int g, int b) {
    return quint32(r | (g << 8) | (b << 16));
}

// An enhanced metafile on a 400 x 400 pixel reference device of 100 x 100 mm
// whose frame is 100 x 100 pixels: drawn into a 100 x 100 image, one logical
// unit (in the default mapping) is one pixel.
class Emf {
public:
    explicit Emf(quint16 handles = 16) : handles_(handles) {}
    Emf& rec(quint32 type, const QVector<quint32>& params) {
        put32(records_, type);
        put32(records_, 8 + 4 * params.size());
        for (quint32 p : params)
            put32(records_, p);
        return *this;
    }
    Emf& raw(const QByteArray& bytes) {
        records_ += bytes;
        return *this;
    }
    // Common records.
    Emf& solidBrush(quint32 index, quint32 color) { return rec(39, {index, 0, color, 0}); }
    Emf& select(quint32 index) { return rec(37, {index}); }
    Emf& nullPen() { return select(0x80000008); }
    Emf& rectangle(int l, int t, int r, int b) {
        return rec(43, {quint32(l), quint32(t), quint32(r), quint32(b)});
    }
    Emf& redFill() { return solidBrush(1, rgb(255, 0, 0)).select(1).nullPen(); }

    QByteArray bytes(bool eof = true) const {
        QByteArray out;
        put32(out, 1);
        put32(out, 108);
        for (int v : {0, 0, 99, 99})
            put32(out, quint32(v));
        for (int v : {0, 0, 2500, 2500}) // 25 mm at 4 px per mm
            put32(out, quint32(v));
        put32(out, 0x464D4520);
        put32(out, 0x10000);
        put32(out, 0); // total size, filled below
        put32(out, 0);
        put16(out, handles_);
        put16(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 400);
        put32(out, 400);
        put32(out, 100);
        put32(out, 100);
        out.append(20, '\0');
        out += records_;
        if (eof) {
            for (quint32 v : {14u, 20u, 0u, 0u, 20u})
                put32(out, v);
        }
        qToLittleEndian(quint32(out.size()), out.data() + 48);
        return out;
    }

private:
    quint16 handles_;
    QByteArray records_;
};

// An old-style metafile with a placeable header whose box is 0..100 in
// units of 96 per inch: 100 x 100 pixels.
class Wmf {
public:
    explicit Wmf(quint16 objects = 16) : objects_(objects) {}
    Wmf& rec(quint16 function, const QVector<qint16>& params) {
        put32(records_, 3 + params.size());
        put16(records_, function);
        for (qint16 p : params)
            put16(records_, quint16(p));
        return *this;
    }
    Wmf& raw(const QByteArray& bytes) {
        records_ += bytes;
        return *this;
    }
    Wmf& solidBrush(quint32 color) {
        return rec(0x02FC, {0, qint16(color & 0xffff), qint16(color >> 16), 0});
    }
    Wmf& nullPen() { return rec(0x02FA, {5, 0, 0, 0, 0}); }
    Wmf& select(qint16 index) { return rec(0x012D, {index}); }
    // Stored bottom, right, top, left.
    Wmf& rectangle(int l, int t, int r, int b) {
        return rec(0x041B, {qint16(b), qint16(r), qint16(t), qint16(l)});
    }
    Wmf& redFill() { return solidBrush(rgb(255, 0, 0)).select(0).nullPen().select(1); }

    QByteArray bytes(bool placeable = true) const {
        QByteArray out;
        if (placeable) {
            put32(out, 0x9AC6CDD7);
            put16(out, 0);
            for (int v : {0, 0, 100, 100})
                put16(out, quint16(v));
            put16(out, 96);
            put32(out, 0);
            put16(out, 0);
        }
        put16(out, 1);
        put16(out, 9);
        put16(out, 0x0300);
        put32(out, 0);
        put16(out, objects_);
        put32(out, 0);
        put16(out, 0);
        out += records_;
        put32(out, 3);
        put16(out, 0);
        return out;
    }

private:
    quint16 objects_;
    QByteArray records_;
};

inline QImage draw(const QByteArray& bytes, QSize size = QSize(100, 100)) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    const Metafile m = Metafile::fromBytes(bytes);
    QPainter p(&image);
    m.play(p, QRectF(QPointF(0, 0), size));
    return image;
}

inline bool near(QRgb a, QRgb b, int tolerance = 40) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace metafiletest
