#include "dialogs/FileProperties.h"

#include "core/ButtonSlotSettings.h"
#include "core/ButtonSlots.h"
#include "core/ControlFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileproperties {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileProperties)
};

// The length line's value: the length of a regular file the user may read,
// otherwise why there is none. Only regular files are opened, and without
// blocking, so a device or a FIFO on a button is never touched.
QString lengthOf(const QByteArray& name, const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return Text::tr("none, this is a folder");
    if (!S_ISREG(st.st_mode))
        return Text::tr("none, this is not a regular file");
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Text::tr("unknown, the file cannot be read");
    struct stat opened;
    const bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    ::close(fd);
    return ok ? QString::number(qint64(opened.st_size))
              : Text::tr("unknown, the file cannot be read");
}

QString nameOf(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p.mid(p.lastIndexOf(QLatin1Char('/')) + 1);
}

QString attributeLine(const QString& path, const QByteArray& name, const struct stat& st) {
    const QString prefix = Text::tr("  The File Attribute is: ");
    if (nameOf(path).startsWith(QLatin1Char('.')))
        return prefix + Text::tr("Hidden file");
    // Without any write bit the file counts as read-only even for a user
    // whom the system would let write it anyway.
    const bool noWriteBit = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (noWriteBit || ::access(name.constData(), W_OK) != 0)
        return prefix + Text::tr("Read-only file");
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return prefix + Text::tr("System file");
    return QString();
}

} // namespace

QString buttonTarget(const ControlFile& file, int button) {
    const ControlFile::Value v = ButtonSlotSettings::target(file, button);
    return v.isSet() ? v.text : QString();
}

QStringList describeFile(const QString& path, int button, const QLocale& locale) {
    const QString heading = Text::tr("  File Properties for the Application:");
    const QString onButton = Text::tr("  On Button %1").arg(button);
    if (path.isEmpty())
        return {QString(), heading, onButton,
                Text::tr("  This button is empty: it holds no file.")};
    QStringList lines{QString(), heading, QStringLiteral("  ") + path, onButton};
    if (buttonslots::isAddress(path))
        return lines << Text::tr("  This is a web address, not a file: it has no length or date.");
    if (!QDir::isAbsolutePath(path))
        return lines << Text::tr("  This is not the full path of a file.");
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return lines << Text::tr("  This file does not exist.");
        return lines << Text::tr("  This file cannot be examined: %1.")
                            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
    const QDateTime written = QDateTime::fromSecsSinceEpoch(qint64(st.st_mtime));
    lines << Text::tr("  File length in bytes: ") + lengthOf(name, st)
          << Text::tr("  The File Date: ") + locale.toString(written.date(), QLocale::ShortFormat)
          << attributeLine(path, name, st);
    return lines;
}

} // namespace fileproperties
