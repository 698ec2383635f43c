#include "strip/KindPicture.h"

#include "core/ButtonSlots.h"
#include "core/Error.h"

#include <QDir>
#include <QMimeDatabase>

QString KindPicture::kindOf(const QString& target) {
    if (buttonslots::isAddress(target))
        return target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
                   ? QStringLiteral("mail")
                   : QStringLiteral("globe");
    if (target.endsWith(QLatin1Char('/')) || buttonslots::lowerExtension(target).isEmpty())
        return QStringLiteral("folder");
    if (buttonslots::isExecutable(target))
        return QStringLiteral("terminal");
    const QMimeType type = QMimeDatabase().mimeTypeForFile(target, QMimeDatabase::MatchExtension);
    if (type.inherits(QStringLiteral("application/x-executable")) ||
        type.inherits(QStringLiteral("application/x-shellscript")))
        return QStringLiteral("terminal");
    if (type.name().startsWith(QLatin1String("image/")))
        return QStringLiteral("photo");
    if (type.name().startsWith(QLatin1String("audio/")))
        return QStringLiteral("music");
    return QStringLiteral("document");
}

Picture KindPicture::load(const QString& source, const QString& target) const {
    if (!Picture::isThemeName(source))
        return Picture::loadDeferred(source);
    try {
        // The theme, the themes it inherits and hicolor, as the desktop's
        // icon lookup goes.
        return Picture::fromTheme(source);
    } catch (const AppError&) {
    }
    if (iconsDir_.isEmpty())
        return Picture();
    try {
        return Picture::load(QDir(iconsDir_).filePath(kindOf(target) + QStringLiteral(".ico")));
    } catch (const AppError&) {
        return Picture();
    }
}
