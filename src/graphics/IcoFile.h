#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

// Icon (.ico) files: every image of the directory.
namespace icofile {

struct Image {
    QImage image;     // Format_ARGB32, the AND mask applied
    int bitCount = 0; // 32 for PNG images
    bool png = false;
};

// Throws AppError("Icon image is not valid") unless the header, the
// directory and every image it names are complete and well-formed.
QList<Image> read(const QByteArray& bytes);

// The image a window shows at its large-icon size: the one nearest to
// 32 x 32, with the most colours among equals.
qsizetype largeIconIndex(const QList<Image>& images);
// The image that draws best into a target: the smallest that covers it
// (most colours among equals), else the largest.
qsizetype bestIndexFor(const QList<Image>& images, const QSize& target);

} // namespace icofile
