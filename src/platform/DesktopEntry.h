#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The keys of a .desktop entry's [Desktop Entry] group that opening and
// showing it need, with the key file's string escapes (\s \n \t \r \\)
// already undone. Localised variants (Name[de]) are ignored.
struct DesktopEntry {
    QString type;
    QString name;
    QString exec;
    QString path;
    QString icon;
    QString url;
    bool terminal = false;

    // Nothing when the text has no [Desktop Entry] group.
    static std::optional<DesktopEntry> parse(const QByteArray& text);
    // Only a regular file of at most maxFileSize bytes; anything else is refused.
    static std::optional<DesktopEntry> load(const QString& file);
    static constexpr qint64 maxFileSize = 1 << 20;
};

namespace desktopexec {

// Splits an Exec value into its arguments by the quoting rules of desktop
// entries: blanks separate, double quotes group, and inside quotes a
// backslash escapes ", `, $ and \. Nothing when a quote is left open or a
// backslash escapes anything else. No shell is involved, so ; | $( ) and
// the like are ordinary characters.
std::optional<QStringList> split(const QString& exec);

// The command line to start for an entry opened without files: the Exec
// value split, then its field codes expanded (%i, %c, %k, %%) or dropped
// (%f %F %u %U and the deprecated ones); an argument that was only a file
// code disappears. Nothing for a malformed Exec, an unknown field code or
// an empty command. entryPath is the entry's own file, for %k.
std::optional<QStringList> command(const DesktopEntry& entry, const QString& entryPath);

} // namespace desktopexec
