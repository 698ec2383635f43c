// The picture viewer opening a 12-megapixel JPEG in its 630 x 470 window,
// from the Open step until the picture is drawn, against libjpeg-turbo's
// djpeg decoding the same file at full size in the same run: with
// Proportional on (a DCT-scaled decode) and with every option off (natural
// size). Then the process's memory with that picture on show against the
// bare window.
#include "BenchPrompts.h"
#include "PhotoJpeg.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "graphics/JpegDecoder.h"
#include "graphics/JpegSplitDecoder.h"
#include "viewer/PictureViewer.h"
#include "viewer/window/TViewPic.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

using benchphoto::seconds;

namespace {

// Resident and peak memory of this process, in MB.
std::pair<double, double> memoryMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    double rss = 0, hwm = 0;
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2 && parts[0] == "VmRSS:")
                rss = parts[1].toDouble() / 1024;
            if (parts.size() >= 2 && parts[0] == "VmHWM:")
                hwm = parts[1].toDouble() / 1024;
        }
    return {rss, hwm};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const int runs = 7;
    int status = 0;

    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    const QString photo = dir.filePath(QStringLiteral("photo12mp.jpg"));
    QByteArray bytes;
    {
        QFile f(photo);
        // Noise of +-10 gives the size of a camera's 12 MP photo (a few MB);
        // the +-12 of the decoder benchmark makes a 31 MB file of nearly pure
        // noise, where entropy decoding is all the work and no scale helps.
        bytes = benchphoto::makeJpeg(4000, 3000, 7, false, 10);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            return 1;
    }

    ControlFile control(dir.filePath(QStringLiteral("TabdeckV10.INI")));
    BenchPrompts prompts;
    AppContext context;
    context.paths.dataDir = dir.path() + QLatin1Char('/');
    context.controlFile = &control;
    context.prompts = &prompts;

    auto window = std::make_unique<TViewPic>(context);
    window->show();
    QApplication::processEvents();
    QWidget* area = window->findChild<QWidget*>(QStringLiteral("ThePic"));
    const auto bare = memoryMb();

    // Open until drawn: load, then the area's paint, as after the Open dialog.
    // The recent list is written once the event loop is back, after the
    // paint; it runs between the timed opens, as it would for a user.
    auto openAndDraw = [&] {
        window->viewer().openFile(photo);
        area->repaint();
    };
    auto settle = [] { QApplication::processEvents(); };

    std::vector<double> djpegTimes, proportional, natural, library, split;
    std::pair<double, double> shown{};
    int freeCore = 0;
    window->viewer().setOption(ViewOption::Proportional, true);
    for (int i = 0; i < runs; ++i) {
        // The decode the viewer makes, by each way, so that both are known
        // whichever the machine's load chooses for the open.
        const auto quarter = [&](bool twoThreads) {
            return seconds([&] {
                JpegDecoder decoder(bytes);
                decoder.setSplitAllowed(twoThreads, true);
                decoder.decode(2);
            });
        };
        library.push_back(quarter(false));
        split.push_back(quarter(true));
        freeCore += jpegsplit::coreIsFree() ? 1 : 0;
        djpegTimes.push_back(seconds([&] {
            QProcess p;
            p.start(djpeg, {"-outfile", "/dev/null", photo});
            p.waitForFinished(-1);
            if (p.exitCode() != 0)
                status = 1;
        }));
        proportional.push_back(seconds(openAndDraw));
        settle();
    }
    shown = memoryMb();
    const QRect placed = window->viewer().placement();
    window->viewer().setOption(ViewOption::Proportional, false);
    for (int i = 0; i < runs; ++i) {
        natural.push_back(seconds(openAndDraw));
        settle();
    }
    const auto full = memoryMb();

    const double d = median(djpegTimes), p = median(proportional), n = median(natural);
    std::printf("photo: 4000x3000 baseline JPEG, %.1f MB\n", bytes.size() / 1048576.0);
    std::printf("viewer_open_12mp_proportional: %.1f ms (drawn %dx%d in %dx%d), djpeg full %.1f "
                "ms (%d runs, median), ratio %.3f (limit 0.5)\n",
                p * 1000, placed.width(), placed.height(), area->width(), area->height(), d * 1000,
                runs, p / d);
    std::printf(
        "viewer_decode_12mp_quarter: library %.1f ms, two threads %.1f ms (%d runs, median); "
        "a core was free before %d of the %d proportional opens\n",
        median(library) * 1000, median(split) * 1000, runs, freeCore, runs);
    std::printf("viewer_open_12mp_natural: %.1f ms, djpeg full %.1f ms, ratio %.3f (limit 1.2)\n",
                n * 1000, d * 1000, n / d);
    std::printf("viewer_memory: bare window RSS %.1f MB; 12 MP picture on show, proportional: RSS "
                "%.1f MB (+%.1f), peak %.1f MB; natural size: RSS %.1f MB (+%.1f), peak %.1f MB\n",
                bare.first, shown.first, shown.first - bare.first, shown.second, full.first,
                full.first - bare.first, full.second);
    if (prompts.shown > 0)
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(prompts.last));
    if (djpeg.isEmpty() || p / d > 0.5 || n / d > 1.2 || prompts.shown > 0)
        status = 1;
    return status;
}
