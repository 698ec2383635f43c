#include "viewer/window/PictureArea.h"
#include "viewer/PictureViewer.h"

#include <QMouseEvent>
#include <QPainter>

PictureArea::PictureArea(const PictureViewer& viewer, QWidget* parent)
    : QWidget(parent), viewer_(viewer) {
    setObjectName(QStringLiteral("ThePic"));
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void PictureArea::drawStep(const QImage& soFar, const QRect& target) {
    step_ = soFar;
    stepTarget_ = target;
    update();
}

void PictureArea::pictureChanged() {
    step_ = QImage();
    update();
}

void PictureArea::setBusy(bool busy) {
    setCursor(busy ? Qt::BusyCursor : Qt::PointingHandCursor);
}

void PictureArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!step_.isNull()) {
        painter.drawImage(stepTarget_, step_);
        return;
    }
    // Never decoded here: the viewer has a JPEG decoded anew in the
    // background when it is drawn larger.
    viewer_.picture().draw(painter, viewer_.placement(), viewer_.options().transparent, false);
}

void PictureArea::resizeEvent(QResizeEvent*) {
    emit areaResized(size(), devicePixelRatioF());
}

void PictureArea::mouseMoveEvent(QMouseEvent*) {
    emit pointerMoved();
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        emit rightPressed(event->globalPosition().toPoint());
}
