#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

// The text of an INI file as its lines, with an index of sections and keys.
// Lines are kept as raw bytes with their own line end, so whatever a rewrite
// does not touch comes back byte for byte, even when it is not valid UTF-8.
// Names match without regard to case; where a key appears twice the first one
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
    QByteArray serialize() const;

    int lineCount() const { return int(lines_.size()); }

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n", "\r" or "" for a last line without one
    };
    struct KeyRef {
        int line = -1;
        int valueStart = 0; // byte offset just after "="
    };
    struct Section {
        std::vector<int> headers;    // line numbers of each "[name]" of this name
        QHash<QString, KeyRef> keys; // folded key name -> first occurrence
    };

    void reindex();
    void shiftFrom(int line);
    int insertionPoint(int header) const;
    void insertLine(int at, const QByteArray& text);

    std::vector<Line> lines_;
    std::vector<int> allHeaders_; // every header line, ascending
    QHash<QString, Section> sections_;
};
