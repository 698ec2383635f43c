#pragma once
#include <QString>

// Starting the program with the desktop session: one entry in the user's
// autostart folder, as the Desktop Application Autostart convention has it
// ($XDG_CONFIG_HOME/autostart, or ~/.config/autostart).
namespace autostart {

// The program's desktop id: its desktop entry's name and its icon's.
inline const QString DesktopId = QStringLiteral("example.fernhollow.TabdeckV10");

// The entry's path for a desktop id, under configHome (empty: the user's).
QString entryPath(const QString& desktopId, const QString& configHome = {});

// A desktop entry's Exec value that starts exactly this program, whatever
// characters its path holds.
QString execValue(const QString& programPath);

// The entry's whole text.
QByteArray entryText(const QString& programPath, const QString& iconName);

// On when the entry exists and is not hidden.
bool enabled(const QString& path);
// Writes or removes the entry; false when that failed (nothing half-written).
bool setEnabled(const QString& path, bool on, const QString& programPath, const QString& iconName);

} // namespace autostart
