#include "IniDocument.h"

#include <algorithm>

namespace {

const QByteArray Crlf = QByteArrayLiteral("\r\n");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QString fold(const QString& name) {
    return name.trimmed().toCaseFolded();
}

// First byte of the line that is not a blank (or a byte-order mark on line 0).
int contentStart(const QByteArray& text, bool firstLine) {
    int i = 0;
    if (firstLine && text.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

QByteArray trimBlanks(QByteArrayView bytes) {
    qsizetype b = 0;
    qsizetype e = bytes.size();
    while (b < e && isBlank(bytes[b]))
        ++b;
    while (e > b && isBlank(bytes[e - 1]))
        --e;
    return bytes.sliced(b, e - b).toByteArray();
}

// A value is one line: a line break inside it would start a new key.
QByteArray singleLine(const QString& value) {
    QByteArray bytes = value.toUtf8();
    for (char& c : bytes)
        if (c == '\r' || c == '\n')
            c = ' ';
    return bytes;
}

enum class Kind { Other, Header, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QString name;
    int valueStart = 0;
};

Parsed classify(const QByteArray& text, bool firstLine) {
    Parsed p;
    const int start = contentStart(text, firstLine);
    if (start >= text.size())
        return p;
    const char first = text[start];
    if (first == '[') {
        const int close = text.indexOf(']', start + 1);
        if (close < 0)
            return p;
        p.kind = Kind::Header;
        p.name = QString::fromUtf8(
            trimBlanks(QByteArrayView(text).sliced(start + 1, close - start - 1)));
        return p;
    }
    if (first == ';' || first == '#')
        return p;
    const int eq = text.indexOf('=', start);
    if (eq < 0)
        return p;
    const QByteArray key = trimBlanks(QByteArrayView(text).sliced(start, eq - start));
    if (key.isEmpty())
        return p;
    p.kind = Kind::Key;
    p.name = QString::fromUtf8(key);
    p.valueStart = eq + 1;
    return p;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype begin = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\n' && c != '\r')
            continue;
        Line line;
        line.text = QByteArray(data + begin, i - begin);
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n') {
            line.end = Crlf;
            ++i;
        } else {
            line.end = QByteArray(1, c);
        }
        doc.lines_.push_back(std::move(line));
        begin = i + 1;
    }
    if (begin < size)
        doc.lines_.push_back(Line{QByteArray(data + begin, size - begin), QByteArray()});
    doc.reindex();
    return doc;
}

void IniDocument::reindex() {
    sections_.clear();
    allHeaders_.clear();
    Section* current = nullptr;
    for (int i = 0; i < int(lines_.size()); ++i) {
        const Parsed p = classify(lines_[i].text, i == 0);
        if (p.kind == Kind::Header) {
            current = &sections_[p.name.toCaseFolded()];
            current->headers.push_back(i);
            allHeaders_.push_back(i);
        } else if (p.kind == Kind::Key && current) {
            const QString key = p.name.toCaseFolded();
            if (!current->keys.contains(key))
                current->keys.insert(key, KeyRef{i, p.valueStart});
        }
    }
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const auto s = sections_.constFind(fold(section));
    if (s == sections_.constEnd())
        return std::nullopt;
    const auto k = s->keys.constFind(fold(key));
    if (k == s->keys.constEnd())
        return std::nullopt;
    QByteArrayView raw = QByteArrayView(lines_[k->line].text).sliced(k->valueStart);
    const qsizetype nul = raw.indexOf('\0');
    if (nul >= 0)
        raw = raw.first(nul);
    return QString::fromUtf8(trimBlanks(raw));
}

// After the last non-blank line of the section that starts at `header`.
int IniDocument::insertionPoint(int header) const {
    const auto next = std::upper_bound(allHeaders_.begin(), allHeaders_.end(), header);
    const int end = next == allHeaders_.end() ? int(lines_.size()) : *next;
    int at = end;
    while (at - 1 > header &&
           contentStart(lines_[at - 1].text, at - 1 == 0) >= lines_[at - 1].text.size())
        --at;
    return at;
}

void IniDocument::shiftFrom(int line) {
    for (int& h : allHeaders_)
        if (h >= line)
            ++h;
    for (Section& s : sections_) {
        for (int& h : s.headers)
            if (h >= line)
                ++h;
        for (KeyRef& k : s.keys)
            if (k.line >= line)
                ++k.line;
    }
}

void IniDocument::insertLine(int at, const QByteArray& text) {
    // The line before gets a line end if it was the last one without.
    if (at > 0 && lines_[at - 1].end.isEmpty())
        lines_[at - 1].end = Crlf;
    const bool atEnd = at == int(lines_.size());
    lines_.insert(lines_.begin() + at, Line{text, Crlf});
    if (!atEnd)
        shiftFrom(at);
}

void IniDocument::set(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    const QString foldedKey = keyName.toCaseFolded();
    const QByteArray valueBytes = singleLine(value);
    auto s = sections_.find(sectionName.toCaseFolded());
    if (s != sections_.end()) {
        auto k = s->keys.find(foldedKey);
        if (k != s->keys.end()) {
            Line& line = lines_[k->line];
            const QByteArray keyBytes =
                trimBlanks(QByteArrayView(line.text).first(k->valueStart - 1));
            // A byte-order mark before the key stays where it was.
            const QByteArray bom = k->line == 0 && line.text.startsWith("\xEF\xBB\xBF")
                                       ? QByteArrayLiteral("\xEF\xBB\xBF")
                                       : QByteArray();
            const QByteArray key = bom.isEmpty() || !keyBytes.startsWith(bom)
                                       ? keyBytes
                                       : trimBlanks(QByteArrayView(keyBytes).sliced(3));
            line.text = bom + key + '=' + valueBytes;
            k->valueStart = int(bom.size() + key.size() + 1);
            return;
        }
        const int at = insertionPoint(s->headers.front());
        insertLine(at, keyName.toUtf8() + '=' + valueBytes);
        s->keys.insert(foldedKey, KeyRef{at, int(keyName.toUtf8().size()) + 1});
        return;
    }
    const int header = int(lines_.size());
    insertLine(header, '[' + sectionName.toUtf8() + ']');
    insertLine(header + 1, keyName.toUtf8() + '=' + valueBytes);
    Section& fresh = sections_[sectionName.toCaseFolded()];
    fresh.headers.push_back(header);
    allHeaders_.push_back(header);
    fresh.keys.insert(foldedKey, KeyRef{header + 1, int(keyName.toUtf8().size()) + 1});
}

QByteArray IniDocument::serialize() const {
    qsizetype total = 0;
    for (const Line& l : lines_)
        total += l.text.size() + l.end.size();
    QByteArray out;
    out.reserve(total);
    for (const Line& l : lines_) {
        out += l.text;
        out += l.end;
    }
    return out;
}
