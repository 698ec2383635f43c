#pragma once
#include "dib/ByteView.h"
#include "dib/IconImage.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <optional>
#include <vector>

// Icon (.ico) files: the directory and every image it names. A file whose
// data is a PNG (favicons often are) is an icon of that one image.
namespace icofile {

// Where each image of the directory lies, in order: none for an entry whose
// bytes are empty, overlap the directory or run past the data. None at all
// when the bytes are neither an icon file with a whole directory nor a PNG.
std::optional<std::vector<std::optional<ByteView>>> directory(ByteView file);

// Raises dib::DibError("Icon image is not valid") unless the header, the
// directory and every image it names are complete and well-formed.
QList<iconimage::Image> read(const QByteArray& bytes);

// The image a window shows at its large-icon size (iconimage::largeIndex).
qsizetype largeIconIndex(const QList<iconimage::Image>& images);
// The image that draws best into a target: the smallest that covers it
// (most colours among equals), else the largest.
qsizetype bestIndexFor(const QList<iconimage::Image>& images, const QSize& target);

} // namespace icofile
