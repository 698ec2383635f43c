#include "graphics/PictureClipboard.h"
#include "core/Error.h"
#include "graphics/Metafile.h"

namespace pictureclipboard {

std::unique_ptr<QMimeData> mimeData(const Picture& picture) {
    auto data = std::make_unique<QMimeData>();
    switch (picture.kind()) {
    case Picture::Kind::Empty:
        break;
    case Picture::Kind::Icon:
        throw AppError(QStringLiteral("Clipboard does not support Icons"));
    case Picture::Kind::Bitmap:
    case Picture::Kind::Jpeg:
        data->setImageData(picture.image());
        break;
    case Picture::Kind::Metafile: {
        data->setImageData(picture.image());
        const QByteArray bytes = picture.fileBytes();
        // The enhanced form starts with its header record (type 1).
        const bool enhanced =
            bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0;
        data->setData(QLatin1String(enhanced ? kEnhancedMetafileMime : kWindowsMetafileMime),
                      bytes);
        break;
    }
    }
    return data;
}

Picture fromMimeData(const QMimeData* data) {
    if (data == nullptr || !data->hasImage())
        return Picture();
    return Picture::fromImage(qvariant_cast<QImage>(data->imageData()));
}

} // namespace pictureclipboard
