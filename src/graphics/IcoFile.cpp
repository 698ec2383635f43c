#include "graphics/IcoFile.h"
#include "core/Error.h"
#include "graphics/DecodeLimits.h"
#include "graphics/DibDecoder.h"

#include <QtEndian>
#include <cstdlib>
#include <cstring>

namespace icofile {
namespace {

[[noreturn]] void invalid() {
    throw AppError(QStringLiteral("Icon image is not valid"));
}

constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;

} // namespace

QList<Image> read(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < kHeaderSize)
        invalid();
    const quint16 reserved = qFromLittleEndian<quint16>(data);
    const quint16 type = qFromLittleEndian<quint16>(data + 2);
    const quint16 count = qFromLittleEndian<quint16>(data + 4);
    if (reserved != 0 || type != 1 || count == 0)
        invalid();
    // The count must fit the data before anything is read by it.
    if (kHeaderSize + qsizetype(count) * kEntrySize > size)
        invalid();

    QList<Image> images;
    images.reserve(count);
    for (int i = 0; i < count; ++i) {
        const uchar* e = data + kHeaderSize + qsizetype(i) * kEntrySize;
        const qsizetype length = qFromLittleEndian<quint32>(e + 8);
        const qsizetype offset = qFromLittleEndian<quint32>(e + 12);
        if (length <= 0 || offset < kHeaderSize + qsizetype(count) * kEntrySize || offset > size ||
            length > size - offset)
            invalid();
        const uchar* image = data + offset;
        Image out;
        static const uchar pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        if (length >= 8 && std::memcmp(image, pngSignature, 8) == 0) {
            // Check the declared size before the PNG decoder allocates for it.
            if (length < 24)
                invalid();
            const qint64 w = qFromBigEndian<quint32>(image + 16);
            const qint64 h = qFromBigEndian<quint32>(image + 20);
            if (w <= 0 || h <= 0 || w * h > DecodeLimits::current().maxPixels)
                invalid();
            QImage png = QImage::fromData(image, int(length), "PNG");
            if (png.isNull())
                invalid();
            out.image = png.convertToFormat(QImage::Format_ARGB32);
            out.bitCount = 32;
            out.png = true;
        } else {
            try {
                dib::Source source;
                source.data = image;
                source.size = length;
                source.icon = true;
                const dib::Result r = dib::decode(source);
                out.image = r.image;
                out.bitCount = r.bitCount;
            } catch (const dib::DibError&) {
                invalid();
            }
        }
        images.append(std::move(out));
    }
    return images;
}

qsizetype largeIconIndex(const QList<Image>& images) {
    qsizetype best = -1;
    int bestDistance = 0;
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QSize s = images[i].image.size();
        const int distance = std::abs(s.width() - 32) + std::abs(s.height() - 32);
        if (best < 0 || distance < bestDistance ||
            (distance == bestDistance && images[i].bitCount > images[best].bitCount)) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

qsizetype bestIndexFor(const QList<Image>& images, const QSize& target) {
    qsizetype best = -1;
    qsizetype largest = -1;
    auto area = [&](qsizetype i) {
        return qint64(images[i].image.width()) * images[i].image.height();
    };
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QSize s = images[i].image.size();
        if (largest < 0 || area(i) > area(largest) ||
            (area(i) == area(largest) && images[i].bitCount > images[largest].bitCount))
            largest = i;
        if (s.width() < target.width() || s.height() < target.height())
            continue;
        if (best < 0 || area(i) < area(best) ||
            (area(i) == area(best) && images[i].bitCount > images[best].bitCount))
            best = i;
    }
    return best >= 0 ? best : largest;
}

} // namespace icofile
