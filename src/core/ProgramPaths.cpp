#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

bool folderWritable(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace

ProgramPaths ProgramPaths::fromExecutable(const QString& executablePath, const QString& homeDir) {
    ProgramPaths p;
    const QString absolute = QFileInfo(executablePath).absoluteFilePath();
    const int slash = absolute.lastIndexOf('/');
    p.programDir = absolute.left(slash + 1);
    const QString fileName = absolute.mid(slash + 1);
    const int dot = fileName.lastIndexOf('.');
    // A name that only starts with a dot keeps it, so the base name is never empty.
    p.baseName = dot > 0 ? fileName.left(dot) : fileName;

    p.dataDir = p.programDir;
    if (!folderWritable(p.programDir)) {
        // An installed copy: what the program writes goes to the user's own folder.
        QString home = homeDir.isEmpty() ? QDir::homePath() : homeDir;
        if (!home.endsWith('/'))
            home += '/';
        p.dataDir = home + QStringLiteral(".config/") + p.baseName + '/';
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
    return fromExecutable(exe, QDir::homePath());
}
