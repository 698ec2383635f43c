#pragma once
#include <QString>
#include <QStringList>

// The folder that stands for the Windows system directory: where a
// shell32.dll with the classic icons would be found.
namespace systeminfo {

// Folders tried in order: the user's Wine prefix, then Wine's own libraries.
QStringList systemDirectoryCandidates(const QString& homeDir);
// The first candidate that exists, else "/usr/lib"; no trailing "/".
QString systemDirectory(const QStringList& candidates);
// For the running user.
QString systemDirectory();

} // namespace systeminfo
