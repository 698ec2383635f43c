#include "icons/IconFileNames.h"

namespace iconfilenames {

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString stem(const QString& path) {
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString iconFilePath(const QString& folder, const QString& stem, int index) {
    const QString separator = folder.endsWith(u'/') ? QString() : QStringLiteral("/");
    const QString number =
        (index < 10 ? QStringLiteral("_0") : QStringLiteral("_")) + QString::number(index);
    return folder + separator + stem + number + QStringLiteral(".ICO");
}

} // namespace iconfilenames
