#include "filemanager/FolderPathList.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FolderPathList)
};
} // namespace

namespace folderpathlist {

QList<Entry> entries(const QString& current) {
    const QString folder = QDir::cleanPath(QFileInfo(current).absoluteFilePath());
    QDir dir(folder);
    if (!dir.exists() || !QFileInfo(folder).isExecutable())
        throw AppError(Text::tr("Cannot open the folder %1").arg(folder));
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
