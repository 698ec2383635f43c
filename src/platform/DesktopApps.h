#pragma once
#include "platform/Shell.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A .desktop entry as the desktop itself reads it (GLib's key-file and
// application-info readers): its Name and Comment in the user's language,
// its additional actions, and whether the program it names is there.
namespace desktopapps {

struct EntryAction {
    QString id;   // the Actions key's word, e.g. "new-window"
    QString name; // localized
    QString icon; // a theme name or an absolute file; may be empty
    QString exec; // its own command line, with the entry's field codes
};

struct Entry {
    QString name;    // localized; empty when the entry has none
    QString comment; // localized
    QString icon;
    QList<EntryAction> actions; // in the order Actions lists them
    // The TryExec or Exec program that is not installed; empty when the
    // entry can run (or is not an application at all).
    QString missingProgram;
    bool terminal = false; // its programs run in a terminal
    QString workingDir;    // Path: the folder they run in; may be empty
};

// Nothing for a file that is not a readable desktop entry (over 1 MiB, not
// a regular file, no [Desktop Entry] group). Answers from a cache while the
// file's size and time stay the same; safe from any thread.
std::optional<Entry> read(const QString& path);

// True for a path ending in ".desktop", in any letter case.
bool isEntryPath(const QString& path);

// What a local target needs to be opened: it exists, and for a desktop
// entry its program is installed.
bool usable(const QString& path);

// The start of an entry's action: its own Exec, with the entry's Terminal
// and Path. Nothing kind, with the reason, when the entry has no such
// action or its program is missing.
shell::Action route(const QString& path, const QString& actionId,
                    const shell::ProgramFinder& find = shell::findOnPath);

} // namespace desktopapps
