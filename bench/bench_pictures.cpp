// JPEG figures: a 12-megapixel full-size decode against libjpeg-turbo's own
// djpeg on the same file, and 240 button pictures decoded at a DCT scale
// against decoding them at full size. Every figure is printed with its
// baseline, measured in this same run.
#include "BenchUtil.h"
#include "PhotoJpeg.h"
#include "graphics/JpegDecoder.h"
#include "graphics/Picture.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using benchphoto::makeJpeg;
using benchphoto::seconds;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const int runs = 7;
    int status = 0;

    // 1. Full-size decode of a 12-megapixel JPEG against djpeg.
    const QString djpeg = QStandardPaths::findExecutable("djpeg");
    const QString big = dir.filePath("12mp.jpg");
    const QByteArray bigBytes = makeJpeg(4000, 3000, 1, false);
    writeFile(big, bigBytes);
    std::vector<double> ours, theirs, viaPicture;
    for (int i = 0; i < runs; ++i) {
        theirs.push_back(seconds([&] {
            QProcess p;
            p.start(djpeg, {"-outfile", "/dev/null", big});
            p.waitForFinished(-1);
            if (p.exitCode() != 0)
                status = 1;
        }));
        ours.push_back(seconds([&] {
            QFile f(big);
            f.open(QIODevice::ReadOnly);
            JpegDecoder decoder(f.readAll());
            if (decoder.decode().size() != QSize(4000, 3000))
                status = 1;
        }));
        viaPicture.push_back(seconds([&] {
            if (Picture::load(big).width() != 4000)
                status = 1;
        }));
    }
    const double o = median(ours), t = median(theirs), v = median(viaPicture);
    std::printf("jpeg_12mp_full_decode: ours %.1f ms, djpeg %.1f ms (%s, %d runs, median), "
                "ratio %.3f (limit 1.15)\n",
                o * 1000, t * 1000, qPrintable(djpeg), runs, o / t);
    std::printf("jpeg_12mp_picture_load: Picture::load %.1f ms, djpeg %.1f ms, ratio %.3f\n",
                v * 1000, t * 1000, v / t);
    if (djpeg.isEmpty() || o / t > 1.15)
        status = 1;

    // 2. 240 button pictures of 512 x 512, decoded for 34 x 34.
    QStringList paths;
    for (int i = 0; i < 240; ++i) {
        const QString path = dir.filePath(QStringLiteral("button%1.jpg").arg(i));
        writeFile(path, makeJpeg(512, 512, unsigned(100 + i), i % 4 == 3));
        paths << path;
    }
    const QSize button(34, 34);
    std::vector<double> scaled, full;
    for (int r = 0; r < 3; ++r) {
        scaled.push_back(seconds([&] {
            for (const QString& p : paths)
                if (Picture::load(p, button).render(button).isNull())
                    status = 1;
        }));
        full.push_back(seconds([&] {
            for (const QString& p : paths)
                if (Picture::load(p).render(button).isNull())
                    status = 1;
        }));
    }
    const double s = median(scaled), f = median(full);
    std::printf("jpeg_240_buttons_34x34: scaled decode %.1f ms total (%.2f ms each), full-size "
                "decode %.1f ms, ratio %.3f\n",
                s * 1000, s * 1000 / 240, f * 1000, s / f);
    return status;
}
