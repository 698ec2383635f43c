#include "ui/PicturePreview.h"

#include "core/Error.h"

#include <QFileInfo>
#include <QPainter>

PicturePreview::PicturePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PicturePreview"));
    setMinimumSize(160, 160);
}

void PicturePreview::showFile(const QString& path) {
    picture_ = Picture();
    // Folders and special files are only passed over while browsing.
    if (QFileInfo(path).isFile()) {
        try {
            picture_ = Picture::load(path, size());
        } catch (const AppError&) {
            // Not a picture we read: the pane stays empty; choosing it reports the error.
        }
    }
    update();
}

void PicturePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (picture_.isEmpty() || picture_.width() <= 0 || picture_.height() <= 0)
        return;
    QSize shown = picture_.size();
    if (shown.width() > width() || shown.height() > height())
        shown.scale(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       shown);
    picture_.draw(painter, target, true);
}
