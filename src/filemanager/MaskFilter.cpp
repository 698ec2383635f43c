#include "filemanager/MaskFilter.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace maskfilter {

namespace {

QString oneStarPerRun(const QString& mask) {
    QString out;
    out.reserve(mask.size());
    for (const QChar c : mask)
        if (c != u'*' || !out.endsWith(u'*'))
            out += c;
    return out;
}

// The masks and whether the text was past the bounds.
std::pair<QStringList, bool> masksOf(const QString& maskText) {
    QStringList out;
    bool cut = false;
    for (QStringView part : QStringView(maskText).split(u';')) {
        part = part.trimmed();
        if (part.isEmpty())
            continue;
        if (out.size() == MaxMasks)
            return {out, true};
        const QString m = oneStarPerRun(part.toString());
        cut = cut || m.size() != part.size() || m.size() > MaxMaskLength;
        out << m.left(MaxMaskLength);
    }
    return {out, cut};
}

} // namespace

QStringList split(const QString& maskText) {
    QStringList masks = masksOf(maskText).first;
    if (masks.isEmpty())
        masks << QStringLiteral("*.*");
    return masks;
}

QString bounded(const QString& maskText) {
    const auto [masks, cut] = masksOf(maskText);
    return cut ? masks.join(u';') : maskText;
}

bool hasWildcard(const QString& text) {
    return text.contains(u'*') || text.contains(u'?');
}

namespace {

bool sameLetter(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Iterative wildcard match with one back-track point: linear in practice,
// never exponential on hostile masks such as "*a*a*a*a*b".
bool wildcard(const QChar* m, qsizetype mn, const QChar* s, qsizetype sn) {
    qsizetype mi = 0, si = 0, star = -1, mark = 0;
    while (si < sn) {
        if (mi < mn && (m[mi] == u'?' || (m[mi] != u'*' && sameLetter(m[mi], s[si])))) {
            ++mi;
            ++si;
        } else if (mi < mn && m[mi] == u'*') {
            star = mi++;
            mark = si;
        } else if (star >= 0) {
            mi = star + 1;
            si = ++mark;
        } else {
            return false;
        }
    }
    while (mi < mn && m[mi] == u'*')
        ++mi;
    return mi == mn;
}

bool isFile(const QByteArray& folder, const dirent* e) {
    if (e->d_type == DT_REG)
        return true;
    if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
        return false;
    // A link counts as what it points to; a broken link is still a file
    // entry the user can see and remove.
    struct stat st;
    const QByteArray path = folder + '/' + e->d_name;
    if (::stat(path.constData(), &st) == 0)
        return !S_ISDIR(st.st_mode);
    return ::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

} // namespace

bool matches(const QString& mask, const QString& name) {
    if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
        return true;
    return wildcard(mask.constData(), mask.size(), name.constData(), name.size());
}

QString readable(const QByteArray& bytes) {
    const QString whole = QString::fromUtf8(bytes);
    if (whole.toUtf8() == bytes)
        return whole;
    QString out;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar b = uchar(bytes[i]);
        const int len = b < 0x80         ? 1
                        : (b >> 5) == 6  ? 2
                        : (b >> 4) == 14 ? 3
                        : (b >> 3) == 30 ? 4
                                         : 0;
        if (len > 0 && i + len <= bytes.size()) {
            // One sequence is valid when it decodes and encodes back to
            // itself (overlong forms and surrogates do not).
            const QByteArray seq = bytes.mid(i, len);
            const QString c = QString::fromUtf8(seq);
            if (c.toUtf8() == seq) {
                out += c;
                i += len;
                continue;
            }
        }
        out += QStringLiteral("\\x") + QString::number(b, 16).toUpper().rightJustified(2, u'0');
        ++i;
    }
    return out;
}

bool FileName::isText() const {
    return QFile::encodeName(shown) == bytes;
}

QList<FileName> listFiles(const QString& folder, const QString& maskText) {
    const QStringList masks = split(maskText);
    const QByteArray encoded = QFile::encodeName(folder);
    QList<FileName> out;
    DIR* dir = ::opendir(encoded.isEmpty() ? "." : encoded.constData());
    if (!dir)
        return out;
    while (const dirent* e = ::readdir(dir)) {
        if (!isFile(encoded, e))
            continue;
        const QByteArray bytes(e->d_name);
        // Each byte that is not UTF-8 counts as one character for "?".
        const QString name = QString::fromUtf8(bytes);
        for (const QString& mask : masks)
            if (matches(mask, name))
                out.append({bytes, readable(bytes)});
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(), [](const FileName& a, const FileName& b) {
        const int c = a.shown.compare(b.shown, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.bytes < b.bytes;
    });
    return out;
}

QStringList shownNames(const QList<FileName>& names) {
    QStringList out;
    for (const FileName& n : names)
        out << n.shown;
    return out;
}

bool isProgramName(const QString& name) {
    static const char* const kinds[] = {".exe", ".com", ".bat", ".pif"};
    for (const char* k : kinds)
        if (name.endsWith(QLatin1String(k), Qt::CaseInsensitive))
            return true;
    return false;
}

bool isProgram(const QString& folder, const QByteArray& name) {
    if (isProgramName(QString::fromUtf8(name)))
        return true;
    struct stat st;
    const QByteArray path = QFile::encodeName(folder) + '/' + name;
    return ::stat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}

} // namespace maskfilter
