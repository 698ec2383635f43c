#include "icons/IconSaver.h"

#include "core/Error.h"
#include "graphics/Picture.h"
#include "icons/IconFileNames.h"
#include "platform/IconReader.h"

#include <utility>

namespace iconsaver {

void save(const QImage& icon, const QString& path) {
    // The 16-colour format holds at most 256 x 256 pixels; a larger image
    // is written at the large-icon size rather than as an empty file.
    QImage image = icon;
    if (image.width() > 256 || image.height() > 256)
        image = image.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const Picture picture = Picture::fromIcon(image);
    if (picture.isEmpty())
        throw AppError(QStringLiteral("Cannot create file %1").arg(path));
    picture.save(path);
}

} // namespace iconsaver

SaveAllJob::SaveAllJob(QString path, int count, QString folder)
    : path_(std::move(path)), count_(count), folder_(std::move(folder)) {}

int SaveAllJob::run(const std::function<void(const QImage&)>& onIcon) const {
    const QString stem = iconfilenames::stem(path_);
    int written = 0;
    for (int i = 0; i < count_; ++i) {
        const std::optional<QImage> icon = iconreader::icon(path_, i);
        if (!icon)
            continue;
        if (onIcon)
            onIcon(*icon);
        iconsaver::save(*icon, iconfilenames::iconFilePath(folder_, stem, i));
        ++written;
    }
    return written;
}
