#include "editor/EditorText.h"

#include <QHash>
#include <QList>
#include <QStringView>

namespace editortext {

namespace {

constexpr char16_t EscapeBase = 0xDC00;

struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    QByteArrayView end; // "\r\n", "\n", "\r", or empty for a last line without one
};

QList<Line> splitLines(const QByteArray& bytes) {
    QList<Line> lines;
    const qsizetype n = bytes.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype i = pos;
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        QByteArrayView end;
        if (i < n)
            end = QByteArrayView(bytes.constData() + i,
                                 bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n' ? 2 : 1);
        lines.append({pos, i - pos, end});
        pos = i + end.size();
    }
    return lines;
}

// The editor's lines; a text ending in "\n" has no empty line after it.
QList<QStringView> textLines(const QString& text) {
    QList<QStringView> lines;
    if (text.isEmpty())
        return lines;
    for (QStringView line : QStringView(text).split(u'\n'))
        lines.append(line);
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

// The length of the well-formed UTF-8 sequence at i and its code point; 0
// when the byte at i starts none.
int utf8Sequence(QByteArrayView b, qsizetype i, char32_t* codePoint) {
    const auto c = uchar(b[i]);
    if (c < 0x80) {
        *codePoint = c;
        return 1;
    }
    int length = 0;
    char32_t value = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        value = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        value = c & 0x0F;
        low = c == 0xE0 ? 0xA0 : low;   // no overlong forms
        high = c == 0xED ? 0x9F : high; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        value = c & 0x07;
        low = c == 0xF0 ? 0x90 : low;
        high = c == 0xF4 ? 0x8F : high; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (i + length > b.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const auto d = uchar(b[i + k]);
        if (d < (k == 1 ? low : 0x80) || d > (k == 1 ? high : 0xBF))
            return 0;
        value = value << 6 | (d & 0x3F);
    }
    *codePoint = value;
    return length;
}

// Characters the text widget does not keep as they are: it ends a line at a
// paragraph or line separator, and its frame marks would be taken for frames.
bool widgetAlters(char32_t c) {
    return c == 0 || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1;
}

QString decodeLine(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        char32_t c = 0;
        const int length = utf8Sequence(bytes, i, &c);
        if (length == 0 || widgetAlters(c)) {
            for (int k = 0; k < qMax(length, 1); ++k)
                out.append(QChar(char16_t(EscapeBase + uchar(bytes[i + k]))));
            i += qMax(length, 1);
            continue;
        }
        if (c < 0x10000) {
            out.append(QChar(char16_t(c)));
        } else {
            const char32_t pair[] = {c};
            out.append(QString::fromUcs4(pair, 1));
        }
        i += length;
    }
    return out;
}

void appendEncoded(QByteArray& out, QStringView line) {
    qsizetype run = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t u = line[i].unicode();
        const bool paired = i > 0 && line[i - 1].isHighSurrogate();
        if (u >= EscapeBase && u <= EscapeBase + 0xFF && !paired) {
            out += line.mid(run, i - run).toUtf8();
            out += char(u - EscapeBase);
            run = i + 1;
        }
    }
    out += line.mid(run).toUtf8();
}

} // namespace

QString fromFile(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const Line& line : splitLines(bytes)) {
        out += decodeLine(QByteArrayView(bytes.constData() + line.start, line.length));
        if (!line.end.isEmpty())
            out += u'\n';
    }
    return out;
}

QByteArray toFile(const QString& text) {
    return LoadedFile().toFile(text);
}

LoadedFile::LoadedFile(QByteArray bytes) : bytes_(std::move(bytes)), text_(fromFile(bytes_)) {}

QByteArray LoadedFile::toFile(const QString& edited) const {
    if (edited == text_)
        return bytes_;
    // The loaded lines of each text, in file order; each is used once.
    struct Kept {
        QList<Line> lines;
        qsizetype next = 0;
    };
    QHash<QStringView, Kept> kept;
    const QList<Line> lines = splitLines(bytes_);
    const QList<QStringView> shown = textLines(text_);
    for (qsizetype i = 0; i < lines.size() && i < shown.size(); ++i)
        kept[shown[i]].lines.append(lines[i]);

    const QList<QStringView> now = textLines(edited);
    const bool lastOpen = !edited.isEmpty() && !edited.endsWith(u'\n');
    QByteArray out;
    out.reserve(edited.size() + now.size() * 2);
    for (qsizetype i = 0; i < now.size(); ++i) {
        const auto found = kept.find(now[i]);
        QByteArrayView end = "\r\n";
        if (found != kept.end() && found->next < found->lines.size()) {
            const Line& line = found->lines[found->next++];
            out.append(bytes_.constData() + line.start, line.length);
            // Only the last line may go without an end, as it did in the file.
            if (!line.end.isEmpty() || (lastOpen && i == now.size() - 1))
                end = line.end;
        } else {
            appendEncoded(out, now[i]);
        }
        out += end;
    }
    return out;
}

} // namespace editortext
