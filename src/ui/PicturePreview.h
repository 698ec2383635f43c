#pragma once
#include "graphics/Picture.h"

#include <QWidget>

// The preview pane of the picture chooser: the highlighted file drawn
// through the program's own readers, scaled down to fit and centred. A file
// that is no readable picture shows nothing.
class PicturePreview : public QWidget {
    Q_OBJECT
public:
    explicit PicturePreview(QWidget* parent = nullptr);

    void showFile(const QString& path);
    const Picture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};
