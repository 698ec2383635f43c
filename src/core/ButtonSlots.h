#pragma once
#include <QString>

// What a button holds and shows: the kind of a target by its extension, and
// the hints of filled and empty buttons. Paths use "/" where the Windows
// program used "\"; the colon keeps its role.
namespace buttonslots {

constexpr int ButtonCount = 360;
constexpr int TableCount = 30;
constexpr int ButtonsPerTable = 12;

enum class Kind { Shortcut, Executable, Other };

// The extension of the last path component of the lower-cased path, dot
// included: the text from the last "." after the last "/" or ":"; empty when
// there is none.
QString lowerExtension(const QString& path);
// ".lnk" shortcut; ".exe" and ".desktop" entries executable; else other.
Kind kindOf(const QString& path);
bool isExecutable(const QString& path);
// "scheme:" at the start, as in a web or mail address: an ASCII letter, then
// at least one more letter, digit, "+", "-" or "."; a local path starts with
// "/", and "c:" is a drive.
bool isAddress(const QString& path);

// The whole path when it is exactly 3 characters long or an address with a
// scheme ("https:", "mailto:"); else the text after the last "/" or ":"
// (empty for a path ending in "/").
QString buttonHint(const QString& path);
QString emptyButtonHint();
// The hint a loaded button shows for its target: an executable is named by
// its file name alone, also when it is an address; else buttonHint.
QString loadedHint(const QString& path);
// How a screen reader and the find list name button n: "Button N, table T",
// and ": hint" when it has one.
QString spokenName(int n, const QString& hint);

// Table t (1-based) holds buttons 12(t-1)+1 .. 12t.
inline int tableOfButton(int n) {
    return (n - 1) / ButtonsPerTable + 1;
}
inline int firstButtonOfTable(int t) {
    return ButtonsPerTable * (t - 1) + 1;
}

} // namespace buttonslots
