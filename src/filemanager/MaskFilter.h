#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The file list's masks: one or several joined by ";" ("*.txt;*.rtf"),
// each with "*" and "?" wildcards, matched without regard to case.
namespace maskfilter {

// A stored or typed mask text may be hostile: at most MaxMasks masks are
// searched, runs of "*" count as one "*", and a mask is cut after
// MaxMaskLength characters (with no two "*" together, that many name 255
// characters besides the stars, as many as a file name may have).
constexpr int MaxMasks = 32;
constexpr int MaxMaskLength = 2 * 255 + 1;

// The masks of a mask text, within the bounds above, empty parts dropped;
// "*.*" when none is left.
QStringList split(const QString& maskText);
// The mask text as the list uses and shows it: the masks of split joined
// by ";" when the text is past the bounds, else the text itself.
QString bounded(const QString& maskText);
bool hasWildcard(const QString& text);
// One mask against one file name. "*.*" matches every name, also one
// without a dot, as users of such masks expect.
bool matches(const QString& mask, const QString& name);

// A file name as the folder holds it (bytes, not always valid UTF-8) and
// as it is shown: bytes that are not UTF-8 show as \xFF, so two names that
// differ only there stay apart.
struct FileName {
    QByteArray bytes;
    QString shown;
    bool isText() const; // the shown form names the file itself
    bool operator==(const FileName&) const = default;
};
QString readable(const QByteArray& bytes);

// The names of the files (no folders; hidden files included) of a folder
// that match the masks, each mask searched in turn: a name matching two
// masks is listed twice. Sorted alphabetically without regard to case.
// A folder that cannot be read gives an empty list.
QList<FileName> listFiles(const QString& folder, const QString& maskText);
QStringList shownNames(const QList<FileName>& names);

// A program gets the program picture: .exe .com .bat .pif, or on Linux a
// file with an execute bit.
bool isProgramName(const QString& name);
bool isProgram(const QString& folder, const QByteArray& name);

} // namespace maskfilter
