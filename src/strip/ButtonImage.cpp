#include "strip/ButtonImage.h"

#include <QPainter>

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
    const qreal w = picture.width();
    const qreal h = picture.height();
    const QRectF target((size.width() - w) / 2.0, (size.height() - h) / 2.0, w, h);
    p.setClipRect(QRectF(QPointF(0, 0), QSizeF(size)));
    picture.draw(p, target, true);
    return out;
}

void ButtonImage::setPicture(const Picture& picture) {
    image_ = renderCentred(picture, size(), devicePixelRatioF());
    update();
}

void ButtonImage::clearPicture() {
    image_ = QImage();
    update();
}

void ButtonImage::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
}
