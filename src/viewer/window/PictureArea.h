#pragma once
#include <QImage>
#include <QRect>
#include <QWidget>

class PictureViewer;

// ThePic: draws the picture on show where the viewer places it, and the
// picture so far while a JPEG decodes with IncDisplay on.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    PictureArea(const PictureViewer& viewer, QWidget* parent);

    // Draws the part decoded so far at once, before the decode goes on.
    void drawStep(const QImage& soFar, const QRect& target);

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
    const QImage* step_ = nullptr;
    QRect stepTarget_;
};
