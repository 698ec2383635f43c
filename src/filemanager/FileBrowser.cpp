#include "filemanager/FileBrowser.h"

#include "filemanager/FolderOps.h"
#include "filemanager/MaskFilter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString FileBrowser::Picked::path() const {
    return FolderOps::join(folder, name.shown);
}

QByteArray FileBrowser::Picked::bytes() const {
    const QByteArray f = QFile::encodeName(folder);
    return f.endsWith('/') ? f + name.bytes : f + '/' + name.bytes;
}

std::optional<FileBrowser::Picked> FileBrowser::picked() const {
    if (row_ < 0)
        return std::nullopt;
    return Picked{folder_, files_[row_]};
}

bool FileBrowser::isListed(const Picked& file) const {
    return file.folder == folder_ && files_.contains(file.name);
}

int FileBrowser::enter(const QString& folder) {
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty())
        path = canonical;
    folders_ = folderpathlist::entries(path); // throws before anything moves
    folder_ = path;
    driveFolders_.remember(path, drives_);
    row_ = -1;
    files_.clear();
    shown_.clear();
    return settle(Folder | Folders | Files | Selection | list(mask_));
}

void FileBrowser::readDrives() {
    drives_ = DriveList::mounted();
}

QString FileBrowser::currentDrive() const {
    return DriveList::driveOf(folder_, drives_);
}

int FileBrowser::enterDrive(int index) {
    if (index < 0 || index >= drives_.size())
        return 0;
    return enter(driveFolders_.currentFolderOf(drives_[index].mountPath));
}

int FileBrowser::select(int row) {
    const int was = row_;
    row_ = row >= 0 && row < files_.size() ? row : -1;
    return settle(row_ != was ? Selection : 0);
}

int FileBrowser::setMask(const QString& mask) {
    mask_ = maskfilter::bounded(mask);
    return settle(list(mask_));
}

int FileBrowser::applyTyped(const QString& text) {
    const QFileInfo info(QDir(folder_), text);
    QString folder = info.absoluteFilePath();
    QString name;
    if (!info.isDir()) {
        folder = info.absolutePath();
        name = info.fileName();
    }
    int changes = enter(folder);
    if (maskfilter::hasWildcard(name)) {
        changes |= list(maskfilter::bounded(name));
        pathText_ = text;
    } else if (!name.isEmpty()) {
        changes |= select(int(shown_.indexOf(name)));
    }
    return changes;
}

int FileBrowser::reread() {
    if (!QFileInfo(folder_).isDir()) {
        QString up = folder_;
        while (!QFileInfo(up).isDir() && up != QLatin1String("/"))
            up = QFileInfo(up).absolutePath();
        return enter(up);
    }
    const int changes = rereadFolders() | list(listMask_);
    return changes & Files ? settle(changes) : changes;
}

int FileBrowser::rereadFolders() {
    auto entries = folderpathlist::entries(folder_);
    QStringList was, now;
    for (const auto& e : folders_)
        was << e.path;
    for (const auto& e : entries)
        now << e.path;
    if (was == now)
        return 0;
    folders_ = std::move(entries);
    return Folders;
}

int FileBrowser::list(const QString& mask) {
    QList<maskfilter::FileName> names = maskfilter::listFiles(folder_, mask);
    const bool sameMask = mask == listMask_;
    listMask_ = mask;
    if (sameMask && names == files_)
        return 0;
    const std::optional<maskfilter::FileName> name =
        row_ >= 0 ? std::optional(files_[row_]) : std::nullopt;
    files_ = std::move(names);
    shown_ = maskfilter::shownNames(files_);
    const int was = row_;
    row_ = name ? int(files_.indexOf(*name)) : -1;
    return Files | (row_ != was || row_ < 0 ? Selection : 0);
}

int FileBrowser::settle(int changes) {
    if (changes & (Files | Selection)) {
        const auto file = picked();
        pathText_ = file ? file->path() : QString();
    }
    return changes;
}
