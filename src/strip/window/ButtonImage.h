#pragma once
#include "graphics/Picture.h"
#include "strip/ButtonFace.h"

#include <QImage>
#include <QWidget>

// A button's picture control (img1..img360, and the blank Image1): shows a
// picture centred at its natural size, transparent, clipped to the control.
// It keeps only the rendered pixels, not the decoded picture, so 360 large
// pictures cost no more than 360 small ones. A metafile or a JPEG is
// rendered when first painted or asked for: until then it is only its
// file's bytes, and at start 29 of the 30 tables are hidden.
class ButtonImage : public QWidget {
    Q_OBJECT
public:
    explicit ButtonImage(QWidget* parent = nullptr);

    using Face = ButtonFace;
    static Face faceFor(const Picture& picture, const QSize& size, qreal dpr);
    void setFace(Face face);

    void setPicture(const Picture& picture);
    void clearPicture();
    bool hasPicture() const;
    // A dotted frame: the button the keyboard selected.
    void setFocusMark(bool on);
    bool focusMark() const { return focusMark_; }
    // Drawn faint: the target is gone.
    void setDimmed(bool on);
    bool dimmed() const { return dimmed_; }
    // What the control shows, at its device-pixel ratio.
    const QImage& image() const;

    // The pixels a picture gives on a control of this size and ratio.
    static QImage renderCentred(const Picture& picture, const QSize& size, qreal dpr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void renderPending() const;

    mutable QImage image_;
    mutable Picture pending_; // set but not rendered yet
    bool focusMark_ = false;
    bool dimmed_ = false;
};
