#include "platform/SystemInfo.h"

#include <QDir>
#include <QFileInfo>

namespace systeminfo {

QStringList systemDirectoryCandidates(const QString& homeDir) {
    return {
        QDir(homeDir).filePath(QStringLiteral(".wine/drive_c/windows/system32")),
        QStringLiteral("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows"),
        QStringLiteral("/usr/lib/i386-linux-gnu/wine/i386-windows"),
        QStringLiteral("/usr/lib/wine/x86_64-windows"),
        QStringLiteral("/usr/lib/wine/i386-windows"),
        QStringLiteral("/usr/lib64/wine/x86_64-windows"),
        QStringLiteral("/usr/lib32/wine/i386-windows"),
        QStringLiteral("/opt/wine-stable/lib/wine/x86_64-windows"),
        QStringLiteral("/opt/wine-stable/lib64/wine/x86_64-windows"),
    };
}

QString systemDirectory(const QStringList& candidates) {
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return QStringLiteral("/usr/lib");
}

QString systemDirectory() {
    return systemDirectory(systemDirectoryCandidates(QDir::homePath()));
}

} // namespace systeminfo
