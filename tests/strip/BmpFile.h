#pragma once
// A small bitmap picture file for the loading tests.
#include "TempDir.h"

#include <QColor>
#include <QImage>
#include <QString>

namespace teststrip {

inline QString writeBmp(testsupport::TempDir& dir, const QString& name, QColor colour) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(colour);
    // Bitmaps are drawn transparent: their bottom-left pixel's colour is left out.
    img.setPixelColor(0, 15, QColor(255, 255, 255));
    const QString path = dir.file(name);
    img.save(path, "BMP");
    return path;
}

} // namespace teststrip
