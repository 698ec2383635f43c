#pragma once
#include "graphics/Picture.h"

#include <QFuture>
#include <QHash>
#include <QImage>
#include <QMimeData>
#include <memory>
#include <optional>

// What Copy and Cut put on the clipboard and what Paste takes from it, as
// plain data; the window hands it to QClipboard.
namespace pictureclipboard {

// The metafile's own bytes travel under these types beside its rendering.
inline constexpr const char* kEnhancedMetafileMime = "image/x-emf";
inline constexpr const char* kWindowsMetafileMime = "image/x-wmf";
inline constexpr const char* kPngMime = "image/png";

// A picture on the clipboard. Other programs mostly ask for PNG, and the
// request is answered on the UI thread; encoding a photo takes seconds, so
// it starts in the background when the data is made, and the answer only
// waits for what is left of it. A JPEG is decoded there too.
class PictureData : public QMimeData {
public:
    explicit PictureData(const Picture& picture);
    QStringList formats() const override;
    // Whether the image and its PNG are ready, so that asking costs nothing.
    bool ready() const;
    // The bytes of an image type, made away from the UI thread (the PNG
    // since Copy, another format from its first request on); nothing for a
    // type that is no image format or is kept as data (a metafile's own).
    std::optional<QFuture<QByteArray>> bytesInBackground(const QString& mimeType) const;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    // The bytes of the image in a QImageWriter format, encoded on a worker.
    QFuture<QByteArray> encodeLater(const QByteArray& format) const;

    // The image, from the newest link of the chain that hands it on.
    mutable QFuture<QImage> image_;
    QFuture<QByteArray> png_;
    mutable QHash<QString, QFuture<QByteArray>> encoded_;
};

// A bitmap as an image, a JPEG converted to an image, a metafile as its
// rendering plus its own bytes; an empty picture gives empty data. Throws
// AppError("Clipboard does not support Icons") for an icon.
std::unique_ptr<QMimeData> mimeData(const Picture& picture);

// The bitmap picture Paste takes when the clipboard holds an image;
// an empty picture when it holds none.
Picture fromMimeData(const QMimeData* data);

} // namespace pictureclipboard
