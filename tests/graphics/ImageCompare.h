#pragma once
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace imagecompare {

// The largest difference of one channel between two pixels; two pixels
// that are both (nearly) fully transparent are equal whatever their colour.
inline int pixelDistance(QRgb a, QRgb b) {
    if (qAlpha(a) < 8 && qAlpha(b) < 8)
        return 0;
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// Largest pixel distance over the whole image; -1 when the sizes differ.
inline int maxDistance(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return -1;
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            worst = std::max(worst, pixelDistance(a.pixel(x, y), e.pixel(x, y)));
    return worst;
}

// Corners and centre, as "x,y: actual expected" for the first one that is
// off by more than tolerance; empty when all agree.
inline QString landmarkMismatch(const QImage& actual, const QImage& expected, int tolerance) {
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32);
    if (a.size() != e.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(a.width())
            .arg(a.height())
            .arg(e.width())
            .arg(e.height());
    const int w = a.width() - 1;
    const int h = a.height() - 1;
    const QPoint points[] = {{0, 0}, {w, 0}, {0, h}, {w, h}, {w / 2, h / 2}};
    for (const QPoint& p : points) {
        const QRgb x = a.pixel(p);
        const QRgb y = e.pixel(p);
        if (pixelDistance(x, y) > tolerance)
            return QStringLiteral("%1,%2: %3 expected %4")
                .arg(p.x())
                .arg(p.y())
                .arg(x, 8, 16, QLatin1Char('0'))
                .arg(y, 8, 16, QLatin1Char('0'));
    }
    return {};
}

inline QString fixture(const QString& name) {
    return QStringLiteral(TABDECK_TEST_DATA "/graphics/") + name;
}

} // namespace imagecompare
