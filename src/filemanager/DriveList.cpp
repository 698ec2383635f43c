#include "filemanager/DriveList.h"

#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

QString DriveList::Drive::display() const {
    return label.isEmpty() ? mountPath : mountPath + QStringLiteral("  [") + label.toUpper() + u']';
}

QList<DriveList::Drive> DriveList::mounted() {
    QList<Drive> out;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !QFileInfo(v.rootPath()).isDir())
            continue;
        const QString path = v.rootPath();
        if (std::any_of(out.cbegin(), out.cend(),
                        [&](const Drive& d) { return d.mountPath == path; }))
            continue;
        out.append({path, v.name()});
    }
    std::sort(out.begin(), out.end(),
              [](const Drive& a, const Drive& b) { return a.mountPath < b.mountPath; });
    return out;
}

QString DriveList::driveOf(const QString& folder, const QList<Drive>& drives) {
    QString best = QStringLiteral("/");
    for (const Drive& d : drives) {
        const QString& m = d.mountPath;
        const bool holds = folder == m || m == u'/' || folder.startsWith(m + u'/');
        if (holds && m.size() > best.size())
            best = m;
    }
    return best;
}

void DriveList::remember(const QString& folder, const QList<Drive>& drives) {
    current_.insert(driveOf(folder, drives), folder);
}

QString DriveList::currentFolderOf(const QString& mountPath) const {
    const QString f = current_.value(mountPath);
    return !f.isEmpty() && QFileInfo(f).isDir() ? f : mountPath;
}
