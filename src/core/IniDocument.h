#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The text of an INI file as one byte buffer with a compact index of its
// section headers and keys. Whatever a rewrite does not touch comes back
// byte for byte, even when it is not valid UTF-8. Names match without regard
// to case; where a key appears twice the first one counts, and a section
// that appears twice is searched in file order.
// A file of ordinary size also keeps each key's folded names and decoded
// value, so a read after the parse is a lookup; a larger one (a million
// lines) keeps only the bytes and a few bytes per line, and reads them.
class IniDocument {
public:
    IniDocument() = default;
    static IniDocument parse(const QByteArray& bytes);

    // The value after "=", without the blanks around it and cut at a NUL;
    // nullopt when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Changes an existing key in place, else appends the key at the end of
    // its section, else appends the section at the end of the text.
    void set(const QString& section, const QString& key, const QString& value);
    // set() for each change ({section, key, value}) in order, with the lookup
    // table rebuilt once at the end instead of once per key added.
    template <typename Changes> void setAll(const Changes& changes) {
        // Meanwhile lookups search the sorted index alone.
        starts_.clear();
        batching_ = true;
        for (const auto& c : changes)
            set(c.section, c.key, c.value);
        batching_ = false;
        indexBuckets();
    }
    QByteArray serialize() const { return text_; }

    int lineCount() const;

private:
    // A header or key line: where it starts and the hash of its folded name
    // (a key's hash also covers its section's name). Headers have even
    // hashes, keys odd ones, so one sorted table serves both.
    static constexpr quint32 NoSlot = 0xFFFFFFFFu;
    struct Entry {
        quint32 offset;
        quint32 hash;
        quint32 slot; // the key's place in keys_, or NoSlot
    };
    // A key line as read: its folded section and key names, its value.
    struct Key {
        QString section;
        QString name;
        QString value;
    };
    // Files up to this size keep their keys decoded: a control file is some
    // 30 KiB, and a file of tiny keys costs some 40 bytes a byte decoded.
    static constexpr qsizetype DecodeLimit = 256 * 1024;

    const Entry* findKey(QStringView foldedSection, QStringView foldedKey) const;
    std::optional<quint32> findSection(QStringView foldedSection) const;
    QString sectionOf(quint32 offset) const;
    // Whether the line at `offset` lies in a section of that folded name.
    bool inSection(quint32 offset, QStringView foldedSection) const;
    qsizetype lineEnd(qsizetype offset) const;
    qsizetype insertionPoint(quint32 header) const;
    // Puts `bytes` in place of [from, to) and moves every later offset.
    void splice(qsizetype from, qsizetype to, const QByteArray& bytes);
    void addEntry(Entry e);
    // The entries whose hash is `hash` lie in [first, last) of index_.
    std::pair<std::vector<Entry>::const_iterator, std::vector<Entry>::const_iterator>
    candidates(quint32 hash) const;
    // Rebuilds starts_ after index_ changed.
    void indexBuckets();
    // Keeps the key decoded when the document does; its slot.
    quint32 addKey(Key key);
    // The value of the key line at `offset`, as value() gives it.
    QString valueAt(quint32 offset) const;

    QByteArray text_;
    std::vector<quint32> headers_; // every header line, ascending
    // The first header of each name and every key, by (hash, offset).
    std::vector<Entry> index_;
    // While decoded_: where in index_ the hashes of each top-bit prefix
    // start, so a lookup is a jump rather than a binary search.
    std::vector<quint32> starts_;
    int bucketBits_ = 0;
    bool decoded_ = true;
    bool batching_ = false; // inside setAll(): starts_ is left empty
    std::vector<Key> keys_; // filled while decoded_
};
