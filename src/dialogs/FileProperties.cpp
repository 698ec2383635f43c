#include "dialogs/FileProperties.h"

#include "core/ButtonSlotSettings.h"
#include "core/ControlFile.h"
#include "core/Error.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileproperties {

namespace {

// The length of a regular file the user may read; -1 for anything else.
// Only regular files are opened, and without blocking, so a device or a
// FIFO on a button is never touched.
qint64 lengthOf(const QByteArray& name, const struct stat& st) {
    if (!S_ISREG(st.st_mode))
        return -1;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat opened;
    const bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    ::close(fd);
    return ok ? qint64(opened.st_size) : -1;
}

QString nameOf(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

QString attributeLine(const QString& path, const QByteArray& name, const struct stat& st) {
    const QString prefix = QStringLiteral("  The File Attribute is: ");
    if (nameOf(path).startsWith(QLatin1Char('.')))
        return prefix + QStringLiteral("Hidden file");
    // Without any write bit the file counts as read-only even for a user
    // whom the system would let write it anyway.
    const bool noWriteBit = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (noWriteBit || ::access(name.constData(), W_OK) != 0)
        return prefix + QStringLiteral("Read-only file");
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return prefix + QStringLiteral("System file");
    return QString();
}

} // namespace

QString buttonTarget(const ControlFile& file, int button) {
    const ControlFile::Value v = ButtonSlotSettings::target(file, button);
    return v.isSet() ? v.text : QString();
}

QStringList describeFile(const QString& path, int button, const QLocale& locale) {
    QStringList lines{QString(), QStringLiteral("  File Properties for the Application:"),
                      QStringLiteral("  ") + path, QStringLiteral("  On Button %1").arg(button)};
    const QString lengthLine = QStringLiteral("  File length in bytes: %1");
    const QString dateLine = QStringLiteral("  The File Date: ");
    if (path.isEmpty()) {
        lines << lengthLine.arg(-1) << dateLine << QString();
        return lines;
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (!QDir::isAbsolutePath(path) || ::stat(name.constData(), &st) != 0)
        throw AppError(QStringLiteral("Invalid argument to date encode"));
    const QDateTime written = QDateTime::fromSecsSinceEpoch(qint64(st.st_mtime));
    lines << lengthLine.arg(lengthOf(name, st))
          << dateLine + locale.toString(written.date(), QLocale::ShortFormat)
          << attributeLine(path, name, st);
    return lines;
}

} // namespace fileproperties
