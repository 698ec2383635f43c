#include "filemanager/FolderPathList.h"

#include "core/Error.h"

#include <QDir>
#include <QFileInfo>

namespace folderpathlist {

QList<Entry> entries(const QString& current) {
    const QString folder = QDir::cleanPath(QFileInfo(current).absoluteFilePath());
    QDir dir(folder);
    if (!dir.exists() || !QFileInfo(folder).isExecutable())
        throw AppError(QStringLiteral("Cannot open the folder %1").arg(folder));
    QList<Entry> out;
    out.append({QStringLiteral("/"), QStringLiteral("/"), 0, true});
    const QStringList parts = folder.split(u'/', Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += u'/' + part;
        out.append({path, part, int(out.size()), true});
    }
    const int depth = int(out.size());
    const QStringList children =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                      QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children)
        out.append({dir.filePath(child), child, depth, false});
    return out;
}

} // namespace folderpathlist
