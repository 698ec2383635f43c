#include "rtf/CodePages.h"

namespace rtf {

namespace {

// 0x80..0x9F of code page 1252; the rest of it is Latin-1. Undefined bytes
// keep their C1 value.
constexpr char16_t kWestern80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString western(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (const char c : bytes) {
        const quint8 b = quint8(c);
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? kWestern80[b - 0x80] : char16_t(b));
    }
    return out;
}

std::shared_ptr<QStringDecoder> makeDecoder(int codePage) {
    QByteArrayList names;
    if (codePage == 65001)
        names << "UTF-8";
    else if (codePage == 10000)
        names << "macintosh";
    names << "windows-" + QByteArray::number(codePage) << "cp" + QByteArray::number(codePage);
    for (const QByteArray& name : names) {
        auto decoder =
            std::make_shared<QStringDecoder>(name.constData(), QStringDecoder::Flag::Stateless);
        if (decoder->isValid())
            return decoder;
    }
    return nullptr;
}

} // namespace

QString CodePages::decode(const QByteArray& bytes, int codePage) {
    if (codePage == 1252 || codePage <= 0)
        return western(bytes);
    auto it = decoders_.find(codePage);
    if (it == decoders_.end())
        it = decoders_.insert(codePage, makeDecoder(codePage));
    if (!*it)
        return western(bytes);
    return (*it)->decode(bytes);
}

int CodePages::forCharset(int charset) {
    switch (charset) {
    case 0:
    case 2: // symbol fonts: their bytes are read as Western text
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

QString CodePages::decodeTextFile(const QByteArray& bytes) {
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    return western(bytes);
}

QByteArray CodePages::textFileAsUtf8(const QByteArray& bytes) {
    if (QByteArrayView(bytes).isValidUtf8())
        return bytes;
    return western(bytes).toUtf8();
}

} // namespace rtf
