#include "icons/IconFolders.h"

#include "context/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace iconfolders {

Created create(Prompts& prompts, QWidget* owner, const QString& selected, const QString& name) {
    const QString candidate = selected + u'/' + name;
    if (QFileInfo(candidate).isDir()) {
        prompts.notice(owner, QStringLiteral("The folder ") + candidate +
                                  QStringLiteral(" already exists!\rEnter another folder name!"));
        return {Created::Exists, candidate};
    }
    if (!QDir().mkdir(candidate)) {
        prompts.notice(owner, QStringLiteral("ERROR: Cannot create ") + candidate +
                                  QStringLiteral(" folder!!!"));
        return {Created::Failed, candidate};
    }
    prompts.notice(owner, QStringLiteral("Folder ") + candidate + QStringLiteral(" was created."));
    return {Created::Made, candidate};
}

QString useSelected(Prompts& prompts, QWidget* owner, const QString& selected) {
    prompts.notice(owner, QStringLiteral("The icon folder is the selected folder:\r") + selected);
    return selected;
}

QStringList volumes() {
    QStringList paths;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady() && !paths.contains(v.rootPath()))
            paths << v.rootPath();
    std::sort(paths.begin(), paths.end());
    paths.removeAll(QStringLiteral("/"));
    paths.prepend(QStringLiteral("/"));
    return paths;
}

QString volumeOf(const QString& path, const QStringList& volumes) {
    QString best = QStringLiteral("/");
    for (const QString& v : volumes) {
        const bool holds = path == v || path.startsWith(v.endsWith(u'/') ? v : v + u'/');
        if (holds && v.size() > best.size())
            best = v;
    }
    return best;
}

} // namespace iconfolders
