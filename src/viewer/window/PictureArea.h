#pragma once
#include <QImage>
#include <QRect>
#include <QWidget>

class PictureViewer;

// ThePic: draws the picture on show where the viewer places it, the
// picture so far while a JPEG decodes with IncDisplay on, and a busy
// pointer while a picture loads.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    PictureArea(const PictureViewer& viewer, QWidget* parent);

    // Draws the part decoded so far, until the picture changes.
    void drawStep(const QImage& soFar, const QRect& target);
    void pictureChanged();
    void setBusy(bool busy);

signals:
    void areaResized(const QSize& size, qreal devicePixelRatio);
    void pointerMoved();
    void rightPressed(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const PictureViewer& viewer_;
    QImage step_;
    QRect stepTarget_;
};
