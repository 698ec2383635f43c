#include "filemanager/FolderOps.h"

#include "context/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FolderOps)
};

QString canonical(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : c;
}

bool isSameOrInside(const QString& path, const QString& folder) {
    const QString p = canonical(path);
    const QString f = canonical(folder);
    return p == f || p.startsWith(f.endsWith(u'/') ? f : f + u'/');
}

} // namespace

QString FolderOps::join(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool FolderOps::createFolder(const QString& current, const QString& name) {
    const QString path = join(current, name);
    if (!prompts_.confirm(owner_, Text::tr("Are you sure you want to create (Folder) "
                                           "Diredtory ") +
                                      path + u'?'))
        return false;
    if (QFileInfo(path).isDir()) {
        prompts_.notice(owner_, Text::tr("Directory ") + path +
                                    Text::tr(" already Exists!\rTry a new name!"));
        return false;
    }
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0) {
        prompts_.notice(owner_, Text::tr("ERROR: Cannot create (folder) directory ") + path +
                                    Text::tr("\rTry again!"));
        return false;
    }
    return true;
}

std::optional<QString> FolderOps::removeFolder(const QString& target, const QString& remembered) {
    if (!prompts_.confirm(
            owner_, Text::tr("Are you sure you want to Remove (Folder) Diredtory ") + target + u'?',
            Prompts::No))
        return std::nullopt;
    // The list moves to the remembered folder, or above the target when
    // that folder is the target or lies inside it.
    QString show = remembered;
    if (remembered.isEmpty() || isSameOrInside(remembered, target) ||
        !QFileInfo(remembered).isDir())
        show = QFileInfo(canonical(target)).absolutePath();
    const QFileInfo info(target);
    const bool removed =
        info.isDir() && !info.isSymLink() && ::rmdir(QFile::encodeName(target).constData()) == 0;
    if (!removed) {
        prompts_.notice(owner_, Text::tr("ERROR: Could NOT Remove Directory ") + target +
                                    Text::tr("!\rCannot Remove a Directory that is not "
                                             "Empty!"));
        return std::nullopt;
    }
    return show;
}

bool FolderOps::removeFile(const QString& path) {
    return removeFile(path, QFile::encodeName(path));
}

bool FolderOps::removeFile(const QString& path, const QByteArray& encoded) {
    if (!prompts_.confirm(owner_, Text::tr("Are you sure you want to Remove File:\r") + path + u'?',
                          Prompts::No))
        return false;
    struct stat st;
    const bool removed = !encoded.isEmpty() && ::lstat(encoded.constData(), &st) == 0 &&
                         !S_ISDIR(st.st_mode) && ::unlink(encoded.constData()) == 0;
    if (!removed)
        prompts_.notice(owner_, Text::tr("ERROR: Could NOT Remove File ") + path +
                                    Text::tr("!\rCannot Remove Read Only Files!"));
    return removed;
}

bool FolderOps::removeListedFile(const std::optional<FileBrowser::Picked>& file,
                                 const FileBrowser& list) {
    if (!file)
        return removeFile(QString());
    if (!list.isListed(*file)) {
        prompts_.notice(owner_, Text::tr("ERROR: Could NOT Remove File ") + file->path() +
                                    Text::tr("!\rThe file is no longer in the list."));
        return false;
    }
    return removeFile(file->path(), file->bytes());
}

bool FolderOps::canOpen(const FileBrowser::Picked& file) {
    if (file.name.isText())
        return true;
    prompts_.notice(owner_, Text::tr("Cannot open the file ") + file.path() +
                                Text::tr("\rIts name is not valid text."));
    return false;
}
