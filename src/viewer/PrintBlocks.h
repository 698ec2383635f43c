#pragma once
#include <QImage>
#include <QRect>

class Picture;
class QPainter;

// What Print puts on the page, apart from the printer itself.
namespace printblocks {

// Every picture pixel becomes a Scale x Scale block of device pixels.
inline constexpr int Scale = 6;

// The bitmap printed for a picture: a bitmap as it is, any other kind
// rendered at its own size (a JPEG decoded in full). No picture fails with
// "Cannot assign a %s to a %s".
QImage source(const Picture& picture);
// The device-pixel rectangle the source fills: at the top-left corner of the
// printable area, Scale times its size.
QRect target(const QSize& source);
// Draws the source as plain blocks (no smoothing) in device pixels.
void draw(QPainter& painter, const QImage& source);

} // namespace printblocks
