#pragma once
#include "graphics/MetafileBytes.h"
#include "graphics/MetafileCanvas.h"

#include <QByteArray>
#include <QRect>
#include <QRectF>

class QPainter;

namespace metafile {

// The fixed part of an enhanced metafile's header record.
struct EmfHeader {
    QRect bounds;      // device pixels, inclusive
    QRect frame;       // 0.01 mm, inclusive
    QSize device;      // reference device, pixels
    QSize millimeters; // reference device, mm
    quint32 handles = 0;
    quint32 headerSize = 0;
};
bool readEmfHeader(const Bytes& file, EmfHeader& header);
void playEmf(const QByteArray& bytes, QPainter& painter, const QRectF& target);

// An old-style metafile: where its records start and the logical box it
// covers (from the placeable header, or from its window records).
struct WmfHeader {
    bool placeable = false;
    QRect box; // logical units
    int unitsPerInch = 1440;
    qint64 recordsAt = 0;
    quint16 objects = 0;
};
bool readWmfHeader(const Bytes& file, WmfHeader& header);
void playWmf(const QByteArray& bytes, QPainter& painter, const QRectF& target);

// Shared decoding helpers.
inline QColor colorRef(quint32 c) {
    return QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
}
// Region rectangles (RGNDATA) in device units, or nullopt when malformed.
std::optional<QPainterPath> readRegionData(const Bytes& data, Budget& budget);
bool dibBottomUp(const Bytes& header);
QString windowsAnsi(const Bytes& bytes, qint64 at, qint64 length);

} // namespace metafile
