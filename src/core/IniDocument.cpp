#include "IniDocument.h"

#include <QHashFunctions>
#include <algorithm>
#include <iterator>

namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray Crlf = QByteArrayLiteral("\r\n");

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

QString fold(const QString& name) {
    return name.trimmed().toCaseFolded();
}

char16_t asciiLower(char16_t c) {
    return c >= 'A' && c <= 'Z' ? char16_t(c + ('a' - 'A')) : c;
}

// A name as fold() gives it, for one lookup: the short ASCII names a program
// asks for are folded on the stack, so a read allocates nothing for them.
class FoldedName {
public:
    explicit FoldedName(const QString& name) {
        const QStringView trimmed = QStringView(name).trimmed();
        if (trimmed.size() <= qsizetype(std::size(small_))) {
            qsizetype i = 0;
            for (; i < trimmed.size() && trimmed[i].unicode() < 0x80; ++i)
                small_[i] = asciiLower(trimmed[i].unicode());
            if (i == trimmed.size()) {
                view_ = QStringView(small_, i);
                return;
            }
        }
        heap_ = trimmed.toString().toCaseFolded();
        view_ = heap_;
    }
    FoldedName(const FoldedName&) = delete;
    FoldedName& operator=(const FoldedName&) = delete;
    QStringView view() const { return view_; }

private:
    char16_t small_[48];
    QString heap_;
    QStringView view_;
};

// First byte of the line that is not a blank (or a byte-order mark on line 0).
qsizetype contentStart(QByteArrayView text, bool firstLine) {
    qsizetype i = 0;
    if (firstLine && text.startsWith(QByteArrayView(Bom)))
        i = 3;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

QByteArrayView trimBlanks(QByteArrayView bytes) {
    qsizetype b = 0;
    qsizetype e = bytes.size();
    while (b < e && isBlank(bytes[b]))
        ++b;
    while (e > b && isBlank(bytes[e - 1]))
        --e;
    return bytes.sliced(b, e - b);
}

// A value or name is one line: a line break inside it would start a new one.
QByteArray singleLine(const QString& text) {
    QByteArray bytes = text.toUtf8();
    for (char& c : bytes)
        if (isLineEnd(c))
            c = ' ';
    return bytes;
}

enum class Kind { Other, Header, Key };

struct Parsed {
    Kind kind = Kind::Other;
    QByteArrayView name;
    qsizetype valueStart = 0;
};

Parsed classify(QByteArrayView text, bool firstLine) {
    Parsed p;
    const qsizetype start = contentStart(text, firstLine);
    if (start >= text.size())
        return p;
    const char first = text[start];
    if (first == '[') {
        const qsizetype close = text.indexOf(']', start + 1);
        if (close < 0)
            return p;
        p.kind = Kind::Header;
        p.name = trimBlanks(text.sliced(start + 1, close - start - 1));
        return p;
    }
    if (first == ';' || first == '#')
        return p;
    const qsizetype eq = text.indexOf('=', start);
    if (eq < 0)
        return p;
    p.name = trimBlanks(text.sliced(start, eq - start));
    if (p.name.isEmpty())
        return p;
    p.kind = Kind::Key;
    p.valueStart = eq + 1;
    return p;
}

size_t seed() {
    return QHashSeed::globalSeed();
}

quint32 sectionHash(QStringView folded) {
    return quint32(qHash(folded, seed())) & ~1u;
}

quint32 keyHash(QStringView foldedSection, QStringView foldedKey) {
    return quint32(qHash(foldedKey, qHash(foldedSection, seed()) ^ 0x9e3779b9u)) | 1u;
}

QString foldedName(QByteArrayView name) {
    return QString::fromUtf8(name).toCaseFolded();
}

// foldedName(name) == folded, without a copy while the name is ASCII.
bool sameFolded(QByteArrayView name, QStringView folded) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const uchar b = uchar(name[i]);
        if (b >= 0x80)
            return foldedName(name) == folded;
        if (i >= folded.size() || asciiLower(b) != folded[i].unicode())
            return false;
    }
    return name.size() == folded.size();
}

bool before(const auto& a, const auto& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.offset < b.offset;
}

} // namespace

qsizetype IniDocument::lineEnd(qsizetype offset) const {
    const char* data = text_.constData();
    const qsizetype size = text_.size();
    qsizetype i = offset;
    while (i < size && !isLineEnd(data[i]))
        ++i;
    return i;
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    doc.text_ = bytes;
    const QByteArrayView all(doc.text_);
    const qsizetype size = all.size();
    // Two passes: counting first lets the index be allocated once, at its
    // final size, instead of growing by doubling.
    size_t headerCount = 0;
    size_t entryCount = 0;
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            doc.headers_.reserve(headerCount);
            doc.index_.reserve(entryCount);
        }
        QString section;
        bool inSection = false;
        for (qsizetype begin = 0; begin < size;) {
            const qsizetype end = doc.lineEnd(begin);
            const Parsed p = classify(all.sliced(begin, end - begin), begin == 0);
            if (p.kind == Kind::Header) {
                inSection = true;
                if (pass == 0) {
                    ++headerCount;
                    ++entryCount;
                } else {
                    section = foldedName(p.name);
                    doc.headers_.push_back(quint32(begin));
                    doc.index_.push_back(Entry{quint32(begin), sectionHash(section)});
                }
            } else if (p.kind == Kind::Key && inSection) {
                if (pass == 0)
                    ++entryCount;
                else
                    doc.index_.push_back(
                        Entry{quint32(begin), keyHash(section, foldedName(p.name))});
            }
            qsizetype next = end;
            if (next < size)
                next += all[next] == '\r' && next + 1 < size && all[next + 1] == '\n' ? 2 : 1;
            begin = next;
        }
    }
    std::sort(doc.index_.begin(), doc.index_.end(),
              [](const Entry& a, const Entry& b) { return before(a, b); });
    // Only the first header of each name is ever looked up.
    auto out = doc.index_.begin();
    for (auto in = doc.index_.begin(); in != doc.index_.end(); ++in) {
        if ((in->hash & 1u) == 0) {
            bool repeated = false;
            for (auto kept = out; kept != doc.index_.begin() && (kept - 1)->hash == in->hash;) {
                --kept;
                if (doc.sectionOf(kept->offset) == doc.sectionOf(in->offset)) {
                    repeated = true;
                    break;
                }
            }
            if (repeated)
                continue;
        }
        *out++ = *in;
    }
    doc.index_.erase(out, doc.index_.end());
    doc.index_.shrink_to_fit();
    return doc;
}

int IniDocument::lineCount() const {
    int lines = 0;
    const qsizetype size = text_.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= size || text_[i + 1] != '\n')))
            ++lines;
    }
    if (size > 0 && !isLineEnd(text_[size - 1]))
        ++lines;
    return lines;
}

// The folded name of the section the line at `offset` belongs to; a null
// string before the first header.
QString IniDocument::sectionOf(quint32 offset) const {
    const auto after = std::upper_bound(headers_.begin(), headers_.end(), offset);
    if (after == headers_.begin())
        return QString();
    const quint32 header = *(after - 1);
    const Parsed p =
        classify(QByteArrayView(text_).sliced(header, lineEnd(header) - header), header == 0);
    return foldedName(p.name);
}

bool IniDocument::inSection(quint32 offset, QStringView foldedSection) const {
    const auto after = std::upper_bound(headers_.begin(), headers_.end(), offset);
    if (after == headers_.begin())
        return foldedSection.isEmpty();
    const quint32 header = *(after - 1);
    const Parsed p =
        classify(QByteArrayView(text_).sliced(header, lineEnd(header) - header), header == 0);
    return sameFolded(p.name, foldedSection);
}

std::optional<quint32> IniDocument::findSection(QStringView foldedSection) const {
    const Entry probe{0, sectionHash(foldedSection)};
    for (auto e = std::lower_bound(index_.begin(), index_.end(), probe,
                                   [](const Entry&a, const Entry&b) { return before(a, b); });
         e != index_.end() && e->hash == probe.hash; ++e) {
        if (inSection(e->offset, foldedSection))
            return e->offset;
    }
    return std::nullopt;
}

std::optional<quint32> IniDocument::findKey(QStringView foldedSection,
                                            QStringView foldedKey) const {
    const Entry probe{0, keyHash(foldedSection, foldedKey)};
    for (auto e = std::lower_bound(index_.begin(), index_.end(), probe,
                                   [](const Entry&a, const Entry&b) { return before(a, b); });
         e != index_.end() && e->hash == probe.hash; ++e) {
        const Parsed p =
            classify(QByteArrayView(text_).sliced(e->offset, lineEnd(e->offset) - e->offset),
                     e->offset == 0);
        if (p.kind == Kind::Key && sameFolded(p.name, foldedKey) &&
            inSection(e->offset, foldedSection))
            return e->offset;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const std::optional<quint32> line = findKey(FoldedName(section).view(), FoldedName(key).view());
    if (!line)
        return std::nullopt;
    const QByteArrayView text = QByteArrayView(text_).sliced(*line, lineEnd(*line) - *line);
    QByteArrayView raw = text.sliced(classify(text, *line == 0).valueStart);
    const qsizetype nul = raw.indexOf('\0');
    if (nul >= 0)
        raw = raw.first(nul);
    return QString::fromUtf8(trimBlanks(raw));
}

void IniDocument::splice(qsizetype from, qsizetype to, const QByteArray& bytes) {
    const qsizetype delta = bytes.size() - (to - from);
    text_.replace(from, to - from, bytes);
    if (delta == 0)
        return;
    // Lines starting at `from` stay where they are only when the splice
    // replaced part of their own line.
    const auto moves = [&](quint32 offset) {
        return offset > quint32(from) || (offset == quint32(from) && to == from);
    };
    for (quint32& h : headers_)
        if (moves(h))
            h = quint32(h + delta);
    for (Entry& e : index_)
        if (moves(e.offset))
            e.offset = quint32(e.offset + delta);
}

void IniDocument::addEntry(Entry e) {
    index_.insert(std::upper_bound(index_.begin(), index_.end(), e,
                                   [](const Entry& a, const Entry& b) { return before(a, b); }),
                  e);
}

// After the last non-blank line of the section that starts at `header`.
qsizetype IniDocument::insertionPoint(quint32 header) const {
    const auto next = std::upper_bound(headers_.begin(), headers_.end(), header);
    qsizetype at = next == headers_.end() ? text_.size() : qsizetype(*next);
    for (;;) {
        // The line before `at`: an unended last line, or the one whose end
        // comes just before it.
        qsizetype end = at;
        if (at > 0 && isLineEnd(text_[at - 1])) {
            end = at - 1;
            if (text_[end] == '\n' && end > 0 && text_[end - 1] == '\r')
                --end;
        }
        qsizetype start = end;
        while (start > 0 && !isLineEnd(text_[start - 1]))
            --start;
        if (start <= qsizetype(header))
            return at;
        const QByteArrayView line = QByteArrayView(text_).sliced(start, end - start);
        if (contentStart(line, start == 0) < line.size())
            return at;
        at = start;
    }
}

void IniDocument::set(const QString& section, const QString& key, const QString& value) {
    const QString foldedSection = fold(section);
    const QByteArray keyName = singleLine(key.trimmed());
    const QByteArray valueBytes = singleLine(value);
    if (const std::optional<quint32> line = findKey(foldedSection, fold(key))) {
        const qsizetype end = lineEnd(*line);
        const QByteArrayView text = QByteArrayView(text_).sliced(*line, end - *line);
        const QByteArrayView keyBytes =
            trimBlanks(text.first(classify(text, *line == 0).valueStart - 1));
        // A byte-order mark before the key stays where it was.
        const bool bom = *line == 0 && text.startsWith(QByteArrayView(Bom));
        const QByteArrayView bare = bom && keyBytes.startsWith(QByteArrayView(Bom))
                                        ? trimBlanks(keyBytes.sliced(3))
                                        : keyBytes;
        splice(*line, end, (bom ? Bom : QByteArray()) + bare.toByteArray() + '=' + valueBytes);
        return;
    }
    const QByteArray keyLine = keyName + '=' + valueBytes + Crlf;
    qsizetype at = text_.size();
    QString keySection = foldedSection;
    if (const std::optional<quint32> header = findSection(foldedSection)) {
        at = insertionPoint(*header);
    } else {
        QByteArray headerLine = '[' + singleLine(section.trimmed()) + ']' + Crlf;
        if (!text_.isEmpty() && !isLineEnd(text_.back()))
            headerLine.prepend(Crlf);
        splice(at, at, headerLine);
        const quint32 start = quint32(text_.size() - headerLine.size() +
                                      (headerLine.startsWith(Crlf) ? Crlf.size() : 0));
        const QByteArrayView written = QByteArrayView(text_).sliced(start, lineEnd(start) - start);
        const Parsed p = classify(written, start == 0);
        keySection = foldedName(p.name);
        headers_.push_back(start);
        if (!findSection(keySection))
            addEntry(Entry{start, sectionHash(keySection)});
        at = text_.size();
    }
    // The line before gets a line end if it was the last one without.
    QByteArray inserted = keyLine;
    if (at == text_.size() && !text_.isEmpty() && !isLineEnd(text_.back()))
        inserted.prepend(Crlf);
    splice(at, at, inserted);
    const quint32 start =
        quint32(at + (inserted.startsWith(Crlf) && !keyLine.startsWith(Crlf) ? 2 : 0));
    const QByteArrayView written = QByteArrayView(text_).sliced(start, lineEnd(start) - start);
    const Parsed p = classify(written, start == 0);
    if (p.kind == Kind::Key)
        addEntry(Entry{start, keyHash(keySection, foldedName(p.name))});
}
