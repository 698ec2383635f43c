#include "viewer/PrintBlocks.h"
#include "graphics/Picture.h"

#include <QPainter>

namespace printblocks {

QImage source(const Picture& picture) {
    switch (picture.kind()) {
    case Picture::Kind::Empty:
        return picture.toBitmap().image(); // raises the conversion error
    case Picture::Kind::Bitmap:
    case Picture::Kind::Jpeg:
        return picture.decodedToBitmap().image();
    case Picture::Kind::Icon:
    case Picture::Kind::Metafile:
    case Picture::Kind::Png:
    case Picture::Kind::Svg:
    case Picture::Kind::Theme:
        break;
    }
    // Transparent parts print as paper.
    QImage page(picture.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(0, 0, picture.render(picture.size()));
    return page;
}

QRect target(const QSize& source) {
    return QRect(0, 0, source.width() * Scale, source.height() * Scale);
}

void draw(QPainter& painter, const QImage& source) {
    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A page description (PDF, the print queue's format) would otherwise
    // carry the pixels as JPEG, blurring the blocks' edges.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(target(source.size()), source);
    painter.restore();
}

} // namespace printblocks
