#include "icons/IconFolders.h"

#include "context/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(IconFolders)
};
} // namespace

namespace iconfolders {

Created create(Prompts& prompts, QWidget* owner, const QString& selected, const QString& name) {
    const QString candidate = selected + u'/' + name;
    if (QFileInfo(candidate).isDir()) {
        prompts.notice(owner, Text::tr("The folder ") + candidate +
                                  Text::tr(" already exists!\rEnter another folder name!"));
        return {Created::Exists, candidate};
    }
    if (!QDir().mkdir(candidate)) {
        prompts.notice(owner,
                       Text::tr("ERROR: Cannot create ") + candidate + Text::tr(" folder!!!"));
        return {Created::Failed, candidate};
    }
    prompts.notice(owner, Text::tr("Folder ") + candidate + Text::tr(" was created."));
    return {Created::Made, candidate};
}

QString useSelected(Prompts& prompts, QWidget* owner, const QString& selected) {
    prompts.notice(owner, Text::tr("The icon folder is the selected folder:\r") + selected);
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
