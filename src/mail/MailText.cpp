#include "mail/MailText.h"

#include "core/Error.h"
#include "core/RegularFile.h"
#include "rtf/CodePages.h"
#include "rtf/Rtf.h"

#include <QHostInfo>
#include <QRegularExpression>
#include <QUuid>
#include <cstring>

namespace mailtext {

bool isRichFile(const QString& path) {
    return path.toLower().endsWith(QStringLiteral(".rtf"));
}

namespace {
QByteArray readOrThrow(const QString& path) {
    regularfile::Result r = regularfile::read(path);
    if (!r.ok())
        throw AppError(regularfile::cannotOpen(path, r.status));
    return std::move(r.bytes);
}

QByteArray asBody(const QByteArray& bytes, bool rich) {
    if (rich)
        return rtf::toPlainText(rtf::parse(bytes)).toUtf8();
    return rtf::CodePages::textFileAsUtf8(bytes);
}
} // namespace

QByteArray loadBody(const QString& path, bool rich) {
    return asBody(readOrThrow(path), rich);
}

namespace {
bool controlCharacter(quint8 b) {
    return b < 0x20 && b != '\t' && b != '\n' && b != '\f' && b != '\r';
}
bool undefinedInWestern(quint8 b) {
    return b == 0x81 || b == 0x8d || b == 0x8f || b == 0x90 || b == 0x9d;
}
constexpr quint64 eachByte = ~quint64(0) / 255;
constexpr quint64 highBits = eachByte * 0x80;
// Whether some byte of the word is below 0x20 or at or above 0x80.
constexpr bool mayMatter(quint64 word) {
    return (((word - eachByte * 0x20) & ~word) | word) & highBits;
}
} // namespace

bool isText(const QByteArray& bytes, bool rich) {
    if (rich && !bytes.startsWith("{\\rtf"))
        return false;
    // Eight bytes at a time, and only words with a control or high byte one
    // by one: a body can be tens of megabytes, and a byte loop took 1 ns each.
    bool undefinedWestern = false;
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    const auto look = [&](const char* from, const char* to) {
        for (; from < to; ++from) {
            const auto b = quint8(*from);
            if (controlCharacter(b))
                return false;
            undefinedWestern = undefinedWestern || undefinedInWestern(b);
        }
        return true;
    };
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (mayMatter(word) && !look(p, p + 8))
            return false;
    }
    if (!look(p, end))
        return false;
    return !undefinedWestern || QByteArrayView(bytes).isValidUtf8();
}

std::optional<QByteArray> loadTextBody(const QString& path, bool rich) {
    const QByteArray bytes = readOrThrow(path);
    if (!isText(bytes, rich))
        return std::nullopt;
    return asBody(bytes, rich);
}

bool isAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(const QByteArray& bytes) {
    // Eight bytes at a time: a body can be tens of megabytes.
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    quint64 high = 0;
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        high |= word;
    }
    for (; p < end; ++p)
        high |= quint8(*p);
    return (high & 0x8080808080808080ULL) == 0;
}

QString headerWords(const QString& text) {
    if (isAscii(text))
        return text;
    // "=?utf-8?B?" + base64 + "?=" stays within 75 characters with 45 bytes.
    constexpr int kMaxBytes = 45;
    QStringList words;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype n = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            n = 2;
        const QByteArray bytes = text.mid(i, n).toUtf8();
        i += n - 1;
        if (chunk.size() + bytes.size() > kMaxBytes) {
            words << QStringLiteral("=?utf-8?B?%1?=").arg(QString::fromLatin1(chunk.toBase64()));
            chunk.clear();
        }
        chunk += bytes;
    }
    if (!chunk.isEmpty())
        words << QStringLiteral("=?utf-8?B?%1?=").arg(QString::fromLatin1(chunk.toBase64()));
    return words.join(u' ');
}

QString dateNow() {
    return QDateTime::currentDateTime().toString(Qt::RFC2822Date);
}

QString newMessageId(const QString& fromAddress) {
    QString domain = fromAddress.section(u'@', -1).trimmed();
    if (!fromAddress.contains(u'@') || domain.isEmpty() || !isAscii(domain))
        domain = QHostInfo::localHostName();
    domain.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]")));
    if (domain.isEmpty())
        domain = QStringLiteral("localhost");
    return QStringLiteral("<%1@%2>").arg(QUuid::createUuid().toString(QUuid::WithoutBraces),
                                         domain);
}

} // namespace mailtext
