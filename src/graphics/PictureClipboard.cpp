#include "graphics/PictureClipboard.h"
#include "core/Error.h"
#include "core/Job.h"
#include "graphics/JpegDecoder.h"
#include "graphics/Metafile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QPromise>
#include <memory>

namespace pictureclipboard {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PictureClipboard)
};

constexpr const char* kImageMime = "application/x-qt-image";

QByteArray encode(const QImage& image, const QByteArray& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace

PictureData::PictureData(const Picture& picture) {
    if (picture.kind() == Picture::Kind::Jpeg) {
        // Decoded in full from the file's bytes; the picture's own cache
        // belongs to the UI thread.
        image_ = Job::future([bytes = picture.fileBytes()] {
            try {
                return JpegDecoder(bytes).decode();
            } catch (const AppError&) {
                return QImage(); // it decoded when it was opened
            }
        });
    } else {
        image_ = Job::future([image = picture.image()] { return image; });
    }
    png_ = encodeLater("png");
}

QFuture<QByteArray> PictureData::encodeLater(const QByteArray& format) const {
    // A future runs one continuation: another one set while it is still
    // running replaces the first and cancels its future. So each encoding
    // follows the last, which hands the image on; the encodings themselves
    // run side by side on the pool. Never run here, on the UI thread, even
    // when the image is at hand. A promise dropped unkept cancels its future.
    auto promise = std::make_shared<QPromise<QByteArray>>();
    promise->start();
    QFuture<QByteArray> bytes = promise->future();
    image_ = image_.then(QtFuture::Launch::Sync, [promise, format](const QImage& image) {
        Job::future([promise, image, format] {
            promise->addResult(encode(image, format));
            promise->finish();
        });
        return image;
    });
    return bytes;
}

QStringList PictureData::formats() const {
    QStringList out = QMimeData::formats();
    out.prepend(QLatin1String(kImageMime));
    out.prepend(QLatin1String(kPngMime));
    return out;
}

bool PictureData::ready() const {
    return png_.isFinished();
}

std::optional<QFuture<QByteArray>> PictureData::bytesInBackground(const QString& mimeType) const {
    if (mimeType == QLatin1String(kPngMime))
        return png_;
    if (QMimeData::hasFormat(mimeType))
        return std::nullopt; // kept as given, small
    auto known = encoded_.constFind(mimeType);
    if (known != encoded_.constEnd())
        return *known;
    const QList<QByteArray> writers = QImageWriter::imageFormatsForMimeType(mimeType.toLatin1());
    if (writers.isEmpty())
        return std::nullopt;
    const QFuture<QByteArray> bytes = encodeLater(writers.first());
    encoded_.insert(mimeType, bytes);
    return bytes;
}

QVariant PictureData::retrieveData(const QString& mimeType, QMetaType type) const {
    if (mimeType == QLatin1String(kPngMime))
        return png_.result();
    if (mimeType == QLatin1String(kImageMime))
        return image_.result();
    return QMimeData::retrieveData(mimeType, type);
}

std::unique_ptr<QMimeData> mimeData(const Picture& picture) {
    switch (picture.kind()) {
    case Picture::Kind::Empty:
        return std::make_unique<QMimeData>();
    case Picture::Kind::Icon:
        throw AppError(Text::tr("Clipboard does not support Icons"));
    case Picture::Kind::Bitmap:
    case Picture::Kind::Jpeg:
    case Picture::Kind::Png:
    case Picture::Kind::Svg:
    case Picture::Kind::Theme:
        return std::make_unique<PictureData>(picture);
    case Picture::Kind::Metafile: {
        auto data = std::make_unique<PictureData>(picture);
        const QByteArray bytes = picture.fileBytes();
        // The enhanced form starts with its header record (type 1).
        const bool enhanced =
            bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0;
        data->setData(QLatin1String(enhanced ? kEnhancedMetafileMime : kWindowsMetafileMime),
                      bytes);
        return data;
    }
    }
    return std::make_unique<QMimeData>();
}

Picture fromMimeData(const QMimeData* data) {
    if (data == nullptr || !data->hasImage())
        return Picture();
    return Picture::fromImage(qvariant_cast<QImage>(data->imageData()));
}

} // namespace pictureclipboard
