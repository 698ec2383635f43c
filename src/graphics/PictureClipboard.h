#pragma once
#include "graphics/Picture.h"

#include <QMimeData>
#include <memory>

// What Copy and Cut put on the clipboard and what Paste takes from it, as
// plain data; the window hands it to QClipboard.
namespace pictureclipboard {

// The metafile's own bytes travel under these types beside its rendering.
inline constexpr const char* kEnhancedMetafileMime = "image/x-emf";
inline constexpr const char* kWindowsMetafileMime = "image/x-wmf";

// A bitmap as an image, a JPEG converted to an image, a metafile as its
// rendering plus its own bytes; an empty picture gives empty data. Throws
// AppError("Clipboard does not support Icons") for an icon.
std::unique_ptr<QMimeData> mimeData(const Picture& picture);

// The bitmap picture Paste takes when the clipboard holds an image;
// an empty picture when it holds none.
Picture fromMimeData(const QMimeData* data);

} // namespace pictureclipboard
