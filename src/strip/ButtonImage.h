#pragma once
#include "graphics/Picture.h"

#include <QImage>
#include <QWidget>

// A button's picture control (img1..img360, and the blank Image1): shows a
// picture centred at its natural size, transparent, clipped to the control.
// It keeps only the rendered pixels, not the decoded picture, so 360 large
// pictures cost no more than 360 small ones.
class ButtonImage : public QWidget {
    Q_OBJECT
public:
    explicit ButtonImage(QWidget* parent = nullptr);

    void setPicture(const Picture& picture);
    void clearPicture();
    bool hasPicture() const { return !image_.isNull(); }
    // What the control shows, at its device-pixel ratio.
    const QImage& image() const { return image_; }

    // The pixels a picture gives on a control of this size and ratio.
    static QImage renderCentred(const Picture& picture, const QSize& size, qreal dpr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
