#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The text of an INI file as one byte buffer with a compact index of its
// section headers and keys, so that a file of a million lines costs a few
// bytes per line and not an object per line. Whatever a rewrite does not
// touch comes back byte for byte, even when it is not valid UTF-8. Names
// match without regard to case; where a key appears twice the first one
// counts, and a section that appears twice is searched in file order.
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
    QByteArray serialize() const { return text_; }

    int lineCount() const;

private:
    // A header or key line: where it starts and the hash of its folded name
    // (a key's hash also covers its section's name). Headers have even
    // hashes, keys odd ones, so one sorted table serves both.
    struct Entry {
        quint32 offset;
        quint32 hash;
    };

    std::optional<quint32> findKey(QStringView foldedSection, QStringView foldedKey) const;
    std::optional<quint32> findSection(QStringView foldedSection) const;
    QString sectionOf(quint32 offset) const;
    // Whether the line at `offset` lies in a section of that folded name.
    bool inSection(quint32 offset, QStringView foldedSection) const;
    qsizetype lineEnd(qsizetype offset) const;
    qsizetype insertionPoint(quint32 header) const;
    // Puts `bytes` in place of [from, to) and moves every later offset.
    void splice(qsizetype from, qsizetype to, const QByteArray& bytes);
    void addEntry(Entry e);

    QByteArray text_;
    std::vector<quint32> headers_; // every header line, ascending
    // The first header of each name and every key, by (hash, offset).
    std::vector<Entry> index_;
};
