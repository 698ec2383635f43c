#include "graphics/BmpFile.h"
#include "core/Error.h"
#include "dib/DibDecoder.h"
#include "graphics/ByteWriter.h"

namespace bmpfile {
namespace {

using bytewriter::put16;
using bytewriter::put32;

constexpr qsizetype kFileHeaderSize = 14;

[[noreturn]] void invalid() {
    throw dib::DibError(dib::DibError::Kind::Bitmap);
}

} // namespace

QImage read(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < kFileHeaderSize || data[0] != 'B' || data[1] != 'M')
        invalid();
    // The size field of the file header is often wrong; the pixel offset is
    // what counts, and it is checked against the bytes we really have.
    const quint32 offBits = qFromLittleEndian<quint32>(data + 10);
    if (offBits < kFileHeaderSize + 12 || qsizetype(offBits) > bytes.size())
        invalid();
    dib::Source source;
    source.bytes = ByteView(data, std::uint64_t(bytes.size()));
    source.headerOffset = kFileHeaderSize;
    source.bitsOffset = qint64(offBits);
    return dib::decode(source).image;
}

QByteArray write(const QImage& source) {
    const bool alpha = source.hasAlphaChannel();
    const QImage image =
        source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int bitCount = alpha ? 32 : 24;
    const quint32 headerSize = alpha ? 108 : 40;
    const qsizetype stride = ((qsizetype(w) * bitCount + 31) / 32) * 4;
    const qsizetype bitsSize = stride * h;
    const quint32 offBits = quint32(kFileHeaderSize + headerSize);

    QByteArray out;
    out.reserve(offBits + bitsSize);
    out.append("BM", 2);
    put32(out, quint32(offBits + bitsSize));
    put32(out, 0);
    put32(out, offBits);
    put32(out, headerSize);
    put32(out, quint32(w));
    put32(out, quint32(h));
    put16(out, 1);
    put16(out, quint16(bitCount));
    put32(out, alpha ? 3 : 0); // bit fields for the alpha version
    put32(out, quint32(bitsSize));
    put32(out, 3780); // 96 dpi in pixels per metre
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);
    if (alpha) {
        put32(out, 0x00FF0000);
        put32(out, 0x0000FF00);
        put32(out, 0x000000FF);
        put32(out, 0xFF000000);
        put32(out, 0x73524742);                // sRGB
        out.append(QByteArray(36 + 12, '\0')); // end points and gamma, unused for sRGB
    }
    QByteArray row(stride, '\0');
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* p = row.data();
        for (int x = 0; x < w; ++x) {
            *p++ = char(qBlue(in[x]));
            *p++ = char(qGreen(in[x]));
            *p++ = char(qRed(in[x]));
            if (alpha)
                *p++ = char(qAlpha(in[x]));
        }
        out.append(row);
    }
    return out;
}

} // namespace bmpfile
