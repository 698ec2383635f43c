#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace {

bool folderWritable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace

ProgramPaths ProgramPaths::fromExecutable(const QString& executablePath, const QString& homeDir,
                                          const QString& configHome) {
    ProgramPaths p;
    const QString absolute = QFileInfo(executablePath).absoluteFilePath();
    const int slash = absolute.lastIndexOf('/');
    p.programDir = absolute.left(slash + 1);
    const QString fileName = absolute.mid(slash + 1);
    const int dot = fileName.lastIndexOf('.');
    // A name that only starts with a dot keeps it, so the base name is never empty.
    p.baseName = dot > 0 ? fileName.left(dot) : fileName;

    p.dataDir = p.programDir;
    // An installed copy says so beside itself: even root, who could write
    // there, must not leave files in a folder the package manager owns.
    const bool installed = QFileInfo::exists(p.programDir + InstalledMarker);
    if (installed || !folderWritable(p.programDir)) {
        // What the program writes goes to the user's own folder.
        QString config = configHome;
        if (config.isEmpty()) {
            config = homeDir.isEmpty() ? QDir::homePath() : homeDir;
            if (!config.endsWith('/'))
                config += '/';
            config += QStringLiteral(".config");
        }
        if (!config.endsWith('/'))
            config += '/';
        p.dataDir = config + p.baseName + '/';
        QDir().mkpath(p.dataDir);
        p.shippedControlFile = p.programDir + p.baseName + QStringLiteral(".INI");
    }
    p.controlFile = p.dataDir + p.baseName + QStringLiteral(".INI");
    p.programBasePath = p.dataDir + p.baseName;
    p.extensiveHelp = p.programDir + QStringLiteral("ExtensiveHelp.hlp");
    p.editHelp = p.programDir + QStringLiteral("EditHelp.txt");
    p.iconsDir = p.programDir + QStringLiteral("Icons");
    p.listDir = p.dataDir;
    return p;
}

ProgramPaths ProgramPaths::forRunningProgram() {
    QString exe =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    if (exe.isEmpty())
        exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    // The user's configuration folder, $XDG_CONFIG_HOME when set.
    return fromExecutable(exe, QDir::homePath(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}
