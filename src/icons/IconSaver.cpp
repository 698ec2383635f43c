#include "icons/IconSaver.h"

#include "core/AtomicFile.h"
#include "core/Error.h"
#include "graphics/IconWriter.h"
#include "graphics/Picture.h"
#include "icons/IconFileNames.h"
#include "platform/IconReader.h"

#include <QCoreApplication>
#include <utility>

namespace iconsaver {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(IconSaver)
};

AppError cannotCreate(const QString& path) {
    return AppError(Text::tr("Cannot create file %1").arg(path));
}

} // namespace

void save(const QImage& icon, const QString& path) {
    const Picture picture = Picture::fromIcon(icon);
    if (picture.isEmpty())
        throw cannotCreate(path);
    picture.save(path);
}

void saveInBatch(const QImage& icon, const QString& path) {
    const QByteArray bytes = iconwriter::write16(icon);
    if (bytes.isEmpty() || !atomicfile::replace(path, bytes, {}, atomicfile::Sync::Later))
        throw cannotCreate(path);
}

} // namespace iconsaver

SaveAllJob::SaveAllJob(QString path, int count, QString folder)
    : path_(std::move(path)), count_(count), folder_(std::move(folder)) {}

int SaveAllJob::run(const Each& each) const {
    const QString stem = iconfilenames::stem(path_);
    int written = 0;
    for (int i = 0; i < count_; ++i) {
        const std::optional<QImage> icon = iconreader::icon(path_, i);
        if (icon) {
            iconsaver::saveInBatch(*icon, iconfilenames::iconFilePath(folder_, stem, i));
            ++written;
        }
        if (each && !each(i + 1, icon.value_or(QImage())))
            break;
    }
    // Once for the batch, not a look through the growing folder per file.
    atomicfile::removeStale(folder_);
    return written;
}
