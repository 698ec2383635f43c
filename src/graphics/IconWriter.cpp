#include "graphics/IconWriter.h"
#include "dib/IconImage.h"
#include "graphics/ByteWriter.h"

#include <QPainter>
#include <climits>

namespace iconwriter {
namespace {

constexpr int maxSide = 256;
using iconimage::largeSide;

QImage writable(const QImage& source) {
    if (source.width() <= maxSide && source.height() <= maxSide)
        return source.convertToFormat(QImage::Format_ARGB32);
    // Too big for the format: into the large-icon square, aspect kept, centred.
    const QSize size =
        source.size().scaled(largeSide, largeSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage square(largeSide, largeSide, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage((largeSide - scaled.width()) / 2, (largeSide - scaled.height()) / 2, scaled);
    painter.end();
    return square;
}

} // namespace

using bytewriter::put16;
using bytewriter::put32;
using bytewriter::put8;

const std::array<QRgb, 16>& standardPalette() {
    static const std::array<QRgb, 16> palette = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
        qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
        qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
        qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0xFF, 0xFF)};
    return palette;
}

int nearestIndex(QRgb colour) {
    const auto& palette = standardPalette();
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(colour) - qRed(palette[i]);
        const int dg = qGreen(colour) - qGreen(palette[i]);
        const int db = qBlue(colour) - qBlue(palette[i]);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

QByteArray write16(const QImage& source) {
    if (source.isNull())
        return {};
    const QImage image = writable(source);
    const int w = image.width();
    const int h = image.height();
    const int colourStride = ((w * 4 + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 dataSize = 40 + 64 + quint32(colourStride * h) + quint32(maskStride * h);

    QByteArray out;
    out.reserve(22 + int(dataSize));
    // Header and the one directory entry.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    put8(out, w == 256 ? 0 : w);
    put8(out, h == 256 ? 0 : h);
    put16(out, 4); // planes times bits per pixel, where the colour count byte stands
    put16(out, 0);
    put16(out, 0);
    put32(out, dataSize);
    put32(out, 22);
    // Bitmap info header of the colour part; the height counts the mask rows too.
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, quint32(colourStride * h + maskStride * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (QRgb c : standardPalette()) {
        put8(out, qBlue(c));
        put8(out, qGreen(c));
        put8(out, qRed(c));
        put8(out, 0);
    }
    // Colour bits, bottom row first; transparent pixels are black so that
    // the mask shows what lies behind.
    QByteArray row(colourStride, '\0');
    for (int y = h - 1; y >= 0; --y) {
        row.fill('\0');
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int index = qAlpha(in[x]) < 128 ? 0 : nearestIndex(in[x]);
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    QByteArray maskRow(maskStride, '\0');
    for (int y = h - 1; y >= 0; --y) {
        maskRow.fill('\0');
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(in[x]) < 128)
                maskRow[x / 8] = char(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(maskRow);
    }
    return out;
}

} // namespace iconwriter
