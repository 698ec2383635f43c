#include "IniDocument.h"

#include <QHashFunctions>
#include <algorithm>
#include <cstring>
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
        // Names come trimmed nearly always: then there is nothing to trim.
        const bool bare = name.isEmpty() || (!name.front().isSpace() && !name.back().isSpace());
        const QStringView trimmed = bare ? QStringView(name) : QStringView(name).trimmed();
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

// Names are hashed with a per-process seed (a file cannot choose names that
// all land together) by a multiply-xor pass over their folded UTF-16 units:
// a read hashes two short names, so this is kept inline and cheap.
quint64 mixIn(quint64 h, QStringView folded) {
    for (const QChar c : folded)
        h = (h ^ c.unicode()) * 0x100000001b3ULL;
    return h;
}

quint32 finish(quint64 h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return quint32(h);
}

quint64 seeded() {
    static const quint64 seed = quint64(QHashSeed::globalSeed()) * 0x9e3779b97f4a7c15ULL + 1;
    return seed;
}

quint32 sectionHash(QStringView folded) {
    return finish(mixIn(seeded(), folded)) & ~1u;
}

quint32 keyHash(QStringView foldedSection, QStringView foldedKey) {
    // 0x10000 is no UTF-16 unit: it marks where the section name ends.
    const quint64 h = (mixIn(seeded(), foldedSection) ^ 0x10000u) * 0x100000001b3ULL;
    return finish(mixIn(h, foldedKey)) | 1u;
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

// A value's bytes as value() gives them: cut at a NUL, without the blanks
// around it.
QString decodeValue(QByteArrayView raw) {
    const qsizetype nul = raw.indexOf('\0');
    if (nul >= 0)
        raw = raw.first(nul);
    return QString::fromUtf8(trimBlanks(raw));
}

bool before(const auto& a, const auto& b) {
    return a.hash != b.hash ? a.hash < b.hash : a.offset < b.offset;
}

} // namespace

qsizetype IniDocument::lineEnd(qsizetype offset) const {
    const char* data = text_.constData();
    const qsizetype size = text_.size();
    // Either end byte may be missing from the whole file: looking a chunk at
    // a time keeps a file of lone CRs (or LFs) from being scanned to its end
    // for every line.
    constexpr qsizetype Chunk = 256;
    for (qsizetype i = offset; i < size; i += Chunk) {
        const qsizetype n = std::min(Chunk, size - i);
        const auto* lf = static_cast<const char*>(std::memchr(data + i, '\n', size_t(n)));
        const qsizetype upTo = lf ? lf - (data + i) : n;
        if (const auto* cr = static_cast<const char*>(std::memchr(data + i, '\r', size_t(upTo))))
            return cr - data;
        if (lf)
            return lf - data;
    }
    return size;
}

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    doc.text_ = bytes;
    doc.decoded_ = bytes.size() <= DecodeLimit;
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
            if (doc.decoded_)
                doc.keys_.reserve(entryCount - headerCount);
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
                    doc.index_.push_back(Entry{quint32(begin), sectionHash(section), NoSlot});
                }
            } else if (p.kind == Kind::Key && inSection) {
                if (pass == 0) {
                    ++entryCount;
                } else {
                    QString name = foldedName(p.name);
                    const quint32 hash = keyHash(section, name);
                    const quint32 slot =
                        doc.decoded_
                            ? doc.addKey(Key{section, std::move(name),
                                             decodeValue(all.sliced(begin + p.valueStart,
                                                                    end - begin - p.valueStart))})
                            : NoSlot;
                    doc.index_.push_back(Entry{quint32(begin), hash, slot});
                }
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
        *out++ = std::move(*in);
    }
    doc.index_.erase(out, doc.index_.end());
    doc.index_.shrink_to_fit();
    doc.indexBuckets();
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
    const auto [first, last] = candidates(sectionHash(foldedSection));
    for (auto e = first; e != last; ++e) {
        if (inSection(e->offset, foldedSection))
            return e->offset;
    }
    return std::nullopt;
}

const IniDocument::Entry* IniDocument::findKey(QStringView foldedSection,
                                               QStringView foldedKey) const {
    const auto [first, last] = candidates(keyHash(foldedSection, foldedKey));
    for (auto e = first; e != last; ++e) {
        if (decoded_) {
            const Key& k = keys_[e->slot];
            if (k.name == foldedKey && k.section == foldedSection)
                return &*e;
            continue;
        }
        const Parsed p =
            classify(QByteArrayView(text_).sliced(e->offset, lineEnd(e->offset) - e->offset),
                     e->offset == 0);
        if (p.kind == Kind::Key && sameFolded(p.name, foldedKey) &&
            inSection(e->offset, foldedSection))
            return &*e;
    }
    return nullptr;
}

quint32 IniDocument::addKey(Key key) {
    if (!decoded_)
        return NoSlot;
    keys_.push_back(std::move(key));
    return quint32(keys_.size() - 1);
}

QString IniDocument::valueAt(quint32 offset) const {
    const QByteArrayView text = QByteArrayView(text_).sliced(offset, lineEnd(offset) - offset);
    return decodeValue(text.sliced(classify(text, offset == 0).valueStart));
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const {
    const Entry* e = findKey(FoldedName(section).view(), FoldedName(key).view());
    if (!e)
        return std::nullopt;
    return decoded_ ? keys_[e->slot].value : valueAt(e->offset);
}

void IniDocument::splice(qsizetype from, qsizetype to, const QByteArray& bytes) {
    const qsizetype delta = bytes.size() - (to - from);
    // Nothing starts at or after the end: an append moves no line.
    const bool append = from == text_.size();
    text_.replace(from, to - from, bytes);
    if (delta == 0 || append)
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
    if (!batching_)
        indexBuckets();
}

void IniDocument::indexBuckets() {
    starts_.clear();
    bucketBits_ = 0;
    // A very large file keeps to the binary search: no table per line.
    if (!decoded_)
        return;
    while ((size_t(1) << bucketBits_) < index_.size() && bucketBits_ < 24)
        ++bucketBits_;
    const size_t buckets = size_t(1) << bucketBits_;
    starts_.resize(buckets + 1);
    size_t at = 0;
    for (size_t b = 0; b <= buckets; ++b) {
        while (at < index_.size() && (index_[at].hash >> 1 >> (31 - bucketBits_)) < b)
            ++at;
        starts_[b] = quint32(at);
    }
}

std::pair<std::vector<IniDocument::Entry>::const_iterator,
          std::vector<IniDocument::Entry>::const_iterator>
IniDocument::candidates(quint32 hash) const {
    auto first = index_.begin();
    auto last = index_.end();
    if (!starts_.empty()) {
        const size_t b = hash >> 1 >> (31 - bucketBits_);
        last = first + starts_[b + 1];
        first += starts_[b];
    }
    const Entry probe{0, hash, NoSlot};
    first = std::lower_bound(first, last, probe,
                             [](const Entry& a, const Entry& b) { return before(a, b); });
    last = std::find_if(first, last, [hash](const Entry& e) { return e.hash != hash; });
    return {first, last};
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
    if (const Entry* found = findKey(foldedSection, fold(key))) {
        const quint32 line = found->offset;
        const quint32 slot = found->slot;
        const qsizetype end = lineEnd(line);
        const QByteArrayView text = QByteArrayView(text_).sliced(line, end - line);
        const QByteArrayView keyBytes =
            trimBlanks(text.first(classify(text, line == 0).valueStart - 1));
        // A byte-order mark before the key stays where it was.
        const bool bom = line == 0 && text.startsWith(QByteArrayView(Bom));
        const QByteArrayView bare = bom && keyBytes.startsWith(QByteArrayView(Bom))
                                        ? trimBlanks(keyBytes.sliced(3))
                                        : keyBytes;
        splice(line, end, (bom ? Bom : QByteArray()) + bare.toByteArray() + '=' + valueBytes);
        if (decoded_)
            keys_[slot].value = valueAt(line);
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
            addEntry(Entry{start, sectionHash(keySection), NoSlot});
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
    if (p.kind == Kind::Key) {
        QString name = foldedName(p.name);
        const quint32 hash = keyHash(keySection, name);
        addEntry(Entry{start, hash, addKey(Key{keySection, std::move(name), valueAt(start)})});
    }
}
