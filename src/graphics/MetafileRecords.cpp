#include "graphics/MetafileRecords.h"

namespace metafile {

std::optional<QPainterPath> readRegionData(const Bytes& data, Budget& budget) {
    const quint32 headerSize = data.u32(0);
    const quint32 count = data.u32(8);
    if (!data.ok() || headerSize < 32 || !data.has(headerSize, 0))
        return std::nullopt;
    if (qint64(count) > (data.size() - headerSize) / 16 || !budget.work(count))
        return std::nullopt;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 at = headerSize + 16 * qint64(i);
        const QRectF r(QPointF(data.i32(at), data.i32(at + 4)),
                       QPointF(data.i32(at + 8), data.i32(at + 12)));
        if (r.width() > 0 && r.height() > 0)
            path.addRect(r);
    }
    return path;
}

bool dibBottomUp(const Bytes& header) {
    if (header.u32(0) == 12)
        return true;
    return header.i32(8) > 0;
}

QString windowsAnsi(const Bytes& bytes, qint64 at, qint64 length) {
    // Code page 1252: Latin-1 with printable characters in 0x80..0x9f.
    static const char16_t high[32] = {
        0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};
    QString text;
    if (!bytes.has(at, length))
        return text;
    text.reserve(length);
    for (qint64 i = 0; i < length; ++i) {
        const quint8 ch = bytes.u8(at + i);
        if (ch == 0)
            break;
        text.append(ch >= 0x80 && ch < 0xa0 ? QChar(high[ch - 0x80]) : QChar(ch));
    }
    return text;
}

} // namespace metafile
