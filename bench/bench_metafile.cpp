// Drawing a clip-art enhanced metafile of a few hundred records at 640 x 480
// against QSvgRenderer drawing the SVG it was exported from, onto the same
// kind of image in the same run.
#include "graphics/Metafile.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <chrono>
#include <cstdio>

namespace {

template <typename Draw> double secondsPerDraw(Draw draw, int rounds) {
    QImage image(640, 480, QImage::Format_ARGB32_Premultiplied);
    double best = 1e9;
    // Best of five batches, to keep other load on the machine out of the figure.
    for (int batch = 0; batch < 5; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            image.fill(Qt::white);
            QPainter p(&image);
            draw(p);
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / rounds);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QStringLiteral(TABDECK_SOURCE_DIR "/tests/data/metafile/");
    QFile emfFile(dir + QStringLiteral("many.emf"));
    if (!emfFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read many.emf\n");
        return 1;
    }
    const Metafile emf = Metafile::fromBytes(emfFile.readAll());
    QSvgRenderer svg(dir + QStringLiteral("many.svg"));
    if (!svg.isValid()) {
        std::fprintf(stderr, "cannot read many.svg\n");
        return 1;
    }
    const QRectF target(0, 0, 640, 480);
    const int rounds = 40;
    const double ours = secondsPerDraw([&](QPainter& p) { emf.play(p, target); }, rounds);
    const double baseline = secondsPerDraw([&](QPainter& p) { svg.render(&p, target); }, rounds);
    std::printf("metafile: EMF (%lld bytes) drawn at 640x480: %.3f ms\n",
                static_cast<long long>(emf.bytes().size()), ours * 1e3);
    std::printf("metafile: QSvgRenderer, same SVG at 640x480: %.3f ms\n", baseline * 1e3);
    std::printf("metafile: ratio EMF / SVG = %.2f (target <= 1.5)\n", ours / baseline);
    return 0;
}
