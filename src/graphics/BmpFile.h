#pragma once
#include <QByteArray>
#include <QImage>

// Windows bitmap files.
namespace bmpfile {

// Throws AppError("Bitmap image is not valid") for anything but a complete,
// well-formed bitmap file.
QImage read(const QByteArray& bytes);

// A bottom-up bitmap file: 24 bits per pixel, or 32 bits with an alpha mask
// when the image has transparency.
QByteArray write(const QImage& image);

} // namespace bmpfile
