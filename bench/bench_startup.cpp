// Start-up of the launcher, from process start to the end of the last table
// loading job, against the floor: a bare Qt Widgets process that shows one
// empty frameless window, both measured in this run, offscreen.
//   bench_startup                 runs everything and prints the figures
//   bench_startup --floor         (child) the bare window
//   bench_startup --floor --stay  the bare window until the process is ended
//   bench_startup --strip DIR     (child) the program's twelve windows, with
//                                 DIR as the program folder
//   bench_startup --fill DIR      fills DIR as the full program folder, for
//                                 profiling a child by hand
// A child prints "loaded <longest job ns> <peak KiB>" when the last table
// loading job has run, then "built <longest build step ns> <peak KiB>" when
// idle time has built the tool windows.
#include "BenchUtil.h"
#include "app/ProgramWindows.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "core/ProgramPaths.h"
#include "strip/TableLoader.h"
#include "strip/window/TForm1.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

long peakKiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void report(const char* what, qint64 longestNs) {
    std::printf("%s %lld %ld\n", what, static_cast<long long>(longestNs), peakKiB());
    std::fflush(stdout);
}

// `stay`: the window stays until the process is ended (for map_time).
int runFloor(int argc, char** argv, bool stay) {
    QApplication app(argc, argv);
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    w.resize(622, 51);
    w.show();
    if (stay)
        return app.exec();
    QTimer::singleShot(0, [] {
        report("loaded", 0);
        report("built", 0);
        QCoreApplication::quit();
    });
    return app.exec();
}

class NoOpener : public Opener {
public:
    void open(QObject*, const QString&) override {}
};

int runStrip(int argc, char** argv, const QString& dir) {
    QElapsedTimer stage;
    stage.start();
    // As the program starts: the control file is read while the application
    // object is made, the tool windows are made once the strip shows.
    ProgramWindows::shareMallocArenas();
    AppContext context;
    context.paths = ProgramPaths::fromExecutable(dir + QStringLiteral("/TabdeckV10"), dir);
    ControlFile file(context.paths.controlFile);
    file.preload();
    QApplication app(argc, argv);
    const qint64 appNs = stage.nsecsElapsed();
    QtPrompts prompts;
    NoOpener opener;
    context.controlFile = &file;
    context.prompts = &prompts;
    context.opener = &opener;
    ProgramWindows windows;
    windows.createStrip(context);
    const qint64 formNs = stage.nsecsElapsed();
    TForm1* form = windows.form1();
    TableLoader& loader = form->tableLoader();
    qint64 showNs = 0;
    QTimer poll;
    QObject::connect(&loader, &TableLoader::allLoaded, &app, [&] {
        std::fprintf(stderr, "loading: %.1f ms from show to the last job\n",
                     (stage.nsecsElapsed() - showNs) / 1e6);
        report("loaded", loader.longestJobNs());
        poll.start(1);
    });
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (!windows.toolWindowsBuilt())
            return;
        poll.stop();
        std::fprintf(stderr, "tool windows built: %.1f ms from show\n",
                     (stage.nsecsElapsed() - showNs) / 1e6);
        report("built", windows.longestBuildNs());
        QCoreApplication::quit();
    });
    showNs = stage.nsecsElapsed();
    form->show();
    const qint64 shownNs = stage.nsecsElapsed();
    windows.createToolWindows(context);
    const qint64 windowsNs = stage.nsecsElapsed();
    std::fprintf(
        stderr, "stages: application %.1f ms, strip %.1f ms, show %.1f ms, tool windows %.1f ms\n",
        appNs / 1e6, (formNs - appNs) / 1e6, (shownNs - showNs) / 1e6, (windowsNs - shownNs) / 1e6);
    return app.exec();
}

struct Run {
    double ms = 0; // to the last loading job
    qint64 longestNs = 0;
    long peakKiB = 0;
    double builtMs = 0; // to the tool windows built
    qint64 longestBuildNs = 0;
    long builtPeakKiB = 0;
};

Run runChild(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(QCoreApplication::applicationFilePath(), args);
    Run r;
    QByteArray out;
    while (r.builtMs == 0 && p.waitForReadyRead(30000)) {
        out += p.readAll();
        const double now = clock.nsecsElapsed() / 1e6;
        for (;;) {
            const int end = out.indexOf('\n');
            if (end < 0)
                break;
            const QList<QByteArray> f = out.left(end).trimmed().split(' ');
            out.remove(0, end + 1);
            if (f.value(0) == "loaded") {
                r.ms = now;
                r.longestNs = f.value(1).toLongLong();
                r.peakKiB = f.value(2).toLong();
            } else if (f.value(0) == "built") {
                r.builtMs = now;
                r.longestBuildNs = f.value(1).toLongLong();
                r.builtPeakKiB = f.value(2).toLong();
            }
        }
    }
    p.waitForFinished(30000);
    return r;
}

// Median of several runs, alternating with the floor so both see the same load.

void fillFullFolder(const QString& dir) {
    const QString src = QStringLiteral(TABDECK_SOURCE_DIR "/tests/data/");
    QDir().mkpath(dir + QStringLiteral("/Icons"));
    // A 512 x 512 JPEG: Qt's writer when present, else the test fixture.
    QImage big(512, 512, QImage::Format_RGB32);
    {
        QPainter p(&big);
        for (int y = 0; y < 512; y += 32)
            for (int x = 0; x < 512; x += 32)
                p.fillRect(x, y, 32, 32, QColor((x * 7) & 255, (y * 5) & 255, (x + y) & 255));
    }
    const QString jpg = dir + QStringLiteral("/Icons/big.jpg");
    if (!big.save(jpg, "JPEG"))
        QFile::copy(src + QStringLiteral("graphics/baseline.jpg"), jpg);
    const QStringList pictures{jpg, src + QStringLiteral("graphics/core24.bmp"),
                               src + QStringLiteral("graphics/depth32.ico"),
                               src + QStringLiteral("metafile/shapes.emf"),
                               src + QStringLiteral("metafile/house.wmf")};
    QByteArray buttons = "[BUTTON]\r\n", icons = "[ICON]\r\n";
    int picture = 0;
    for (int n = 1; n <= 360; ++n) {
        QString target, icon;
        if (n % 3 == 0) {
            target = dir + QStringLiteral("/app%1.exe").arg(n);
            QFile::copy(src + QStringLiteral("platform/pe32.exe"), target);
            icon = target;
        } else {
            target = dir + QStringLiteral("/doc%1.txt").arg(n);
            icon = pictures[picture++ % pictures.size()];
        }
        buttons += QStringLiteral("%1=%2\r\n").arg(n).arg(target).toUtf8();
        icons += QStringLiteral("%1=%2\r\n").arg(n).arg(icon).toUtf8();
    }
    QFile f(dir + QStringLiteral("/TabdeckV10.INI"));
    f.open(QIODevice::WriteOnly);
    f.write("[HELP_INFORMATION]\r\nTabdeckV10=x\r\n" + buttons + icons);
}

int runAll(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir full;
    fillFullFolder(full.path());
    const int rounds = 7;
    std::vector<double> floor, empty, loaded, longest, built, buildStep;
    std::vector<long> floorMem, loadedMem, builtMem;
    for (int i = 0; i < rounds; ++i) {
        const Run f = runChild({QStringLiteral("--floor")});
        floor.push_back(f.ms);
        floorMem.push_back(f.peakKiB);
        QTemporaryDir fresh; // first start: the control file is created
        const Run e = runChild({QStringLiteral("--strip"), fresh.path()});
        empty.push_back(e.ms);
        const Run l = runChild({QStringLiteral("--strip"), full.path()});
        loaded.push_back(l.ms);
        loadedMem.push_back(l.peakKiB);
        longest.push_back(l.longestNs / 1e6);
        built.push_back(l.builtMs);
        buildStep.push_back(std::max(e.longestBuildNs, l.longestBuildNs) / 1e6);
        builtMem.push_back(l.builtPeakKiB);
        if (f.ms == 0 || e.ms == 0 || l.ms == 0 || e.builtMs == 0 || l.builtMs == 0) {
            std::printf("a child did not report\n");
            return 1;
        }
    }
    const double fl = median(floor);
    std::printf("floor (bare frameless window): %.1f ms, peak %ld KiB\n", fl,
                *std::max_element(floorMem.begin(), floorMem.end()));
    std::printf("first start, empty folder:     %.1f ms = %.2f x floor (limit 2)\n", median(empty),
                median(empty) / fl);
    std::printf("full control file:             %.1f ms = %.2f x floor (limit 3)\n", median(loaded),
                median(loaded) / fl);
    const long fm = *std::max_element(floorMem.begin(), floorMem.end());
    const long lm = *std::max_element(loadedMem.begin(), loadedMem.end());
    std::printf("peak memory, full file:        %ld KiB = %.2f x floor (limit 1.5)\n", lm,
                double(lm) / fm);
    std::printf("longest group job, full file:  %.1f ms (median of %d runs; limit 50)\n",
                median(longest), rounds);
    const long bm = *std::max_element(builtMem.begin(), builtMem.end());
    std::printf("tool windows built in idle time, full file: at %.1f ms, peak %ld KiB = %.2f x "
                "floor; longest step %.1f ms (limit 16)\n",
                median(built), bm, double(bm) / fm, median(buildStep));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--floor")
        return runFloor(argc, argv, argc > 2 && std::string(argv[2]) == "--stay");
    if (argc > 2 && std::string(argv[1]) == "--strip")
        return runStrip(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc > 2 && std::string(argv[1]) == "--fill") {
        QCoreApplication app(argc, argv);
        fillFullFolder(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    return runAll(argc, argv);
}
