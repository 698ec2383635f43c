#include "platform/Autostart.h"

#include "core/AtomicFile.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace autostart {

QString entryPath(const QString& desktopId, const QString& configHome) {
    const QString home =
        configHome.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            : configHome;
    return QDir(home).filePath(QStringLiteral("autostart/") + desktopId +
                               QStringLiteral(".desktop"));
}

QString execValue(const QString& programPath) {
    // Quoting rules of the Exec key: inside double quotes, ", `, $ and \ take a
    // backslash; % is doubled as a field code; then the string value's own
    // escape doubles every backslash once more.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted = '"' + quoted + '"';
    QString value;
    for (const QChar c : quoted) {
        if (c == '\\')
            value += QStringLiteral("\\\\");
        else if (c == '\n')
            value += QStringLiteral("\\n");
        else if (c == '\t')
            value += QStringLiteral("\\t");
        else if (c == '\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

QByteArray entryText(const QString& programPath, const QString& iconName) {
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=TabdeckV10\n"
                                  "Comment=Start programs, documents and folders from a strip "
                                  "of buttons\n");
    text += QStringLiteral("Exec=") + execValue(programPath) + '\n';
    text += QStringLiteral("Icon=") + iconName + '\n';
    text += QStringLiteral("Terminal=false\n"
                           "X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool enabled(const QString& path) {
    // An entry someone hid (Hidden=true) does not start the program.
    const regularfile::Result entry = regularfile::read(path, 64 * 1024);
    if (!entry.ok())
        return false;
    for (const QByteArray& line : entry.bytes.split('\n')) {
        const QByteArray l = line.trimmed();
        if (l == "Hidden=true" || l == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

bool setEnabled(const QString& path, bool on, const QString& programPath, const QString& iconName) {
    if (!on)
        return !QFileInfo::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return atomicfile::replace(path, entryText(programPath, iconName));
}

} // namespace autostart
