#include "strip/window/ButtonImage.h"

#include <QPainter>

#include <algorithm>

namespace {
// Kinds whose rendering costs more than keeping them does: a metafile plays
// all its records, a JPEG decodes all its pixels, but both are kept as their
// compressed bytes.
bool rendersLater(const Picture& picture) {
    return picture.kind() == Picture::Kind::Metafile || picture.kind() == Picture::Kind::Jpeg;
}
// Today's pictures (PNG, SVG, theme icons) often come larger than a button:
// they are shrunk to show whole. The older kinds stand at their own size,
// centred, as they always have.
bool fitsWhole(const Picture& picture) {
    switch (picture.kind()) {
    case Picture::Kind::Png:
    case Picture::Kind::Svg:
    case Picture::Kind::Theme:
        return true;
    default:
        return false;
    }
}
} // namespace

ButtonImage::ButtonImage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground, false);
}

QImage ButtonImage::renderCentred(const Picture& picture, const QSize& size, qreal dpr) {
    if (picture.isEmpty())
        return QImage();
    QImage out(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)),
               QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(dpr);
    out.fill(Qt::transparent);
    QPainter p(&out);
    qreal w = picture.width();
    qreal h = picture.height();
    if (fitsWhole(picture) && w > 0 && h > 0) {
        const qreal scale = std::min({1.0, size.width() / w, size.height() / h});
        w *= scale;
        h *= scale;
    }
    const QRectF target((size.width() - w) / 2.0, (size.height() - h) / 2.0, w, h);
    p.setClipRect(QRectF(QPointF(0, 0), QSizeF(size)));
    picture.draw(p, target, true);
    return out;
}

ButtonImage::Face ButtonImage::faceFor(const Picture& picture, const QSize& size, qreal dpr) {
    if (rendersLater(picture))
        return {QImage(), picture};
    return {renderCentred(picture, size, dpr), Picture()};
}

void ButtonImage::setFace(Face face) {
    image_ = std::move(face.image);
    pending_ = std::move(face.pending);
    update();
}

void ButtonImage::setPicture(const Picture& picture) {
    setFace(faceFor(picture, size(), devicePixelRatioF()));
}

void ButtonImage::clearPicture() {
    image_ = QImage();
    pending_ = Picture();
    update();
}

void ButtonImage::renderPending() const {
    if (pending_.isEmpty())
        return;
    const Picture picture = pending_;
    pending_ = Picture();
    // A JPEG whose data turns out broken shows nothing, as one that failed
    // to load.
    if (picture.decodes())
        image_ = renderCentred(picture, size(), devicePixelRatioF());
}

bool ButtonImage::hasPicture() const {
    renderPending();
    return !image_.isNull();
}

const QImage& ButtonImage::image() const {
    renderPending();
    return image_;
}

void ButtonImage::setFocusMark(bool on) {
    if (focusMark_ == on)
        return;
    focusMark_ = on;
    update();
}

void ButtonImage::setDimmed(bool on) {
    if (dimmed_ == on)
        return;
    dimmed_ = on;
    update();
}

void ButtonImage::paintEvent(QPaintEvent*) {
    renderPending();
    QPainter p(this);
    if (!image_.isNull()) {
        p.setOpacity(dimmed_ ? 0.35 : 1.0);
        p.drawImage(QPointF(0, 0), image_);
        p.setOpacity(1.0);
    }
    if (focusMark_) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
