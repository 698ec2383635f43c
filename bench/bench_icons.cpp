// Save All of a 200-group library through the extractor window, against
// icoutils' wrestool extracting the same groups, both measured in this run;
// and showing the extractor (shell32.dll loaded, first icon drawn).
// Without a Wine shell32.dll the fixture stands in for it, in a Wine-prefix
// layout under a temporary home folder.
#include "BenchPrompts.h"
#include "BenchUtil.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "icons/window/TExIcons.h"
#include "platform/SystemInfo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void emptyFolder(const QString& dir) {
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir home;
    const QString fixture = QStringLiteral(TABDECK_SOURCE_DIR "/tests/data/platform/big.dll");
    QString library = systeminfo::systemDirectory() + QStringLiteral("/shell32.dll");
    const bool wine = QFile::exists(library);
    if (!wine) {
        const QString system = home.filePath(QStringLiteral(".wine/drive_c/windows/system32"));
        QDir().mkpath(system);
        QFile::copy(fixture, system + QStringLiteral("/shell32.dll"));
        qputenv("HOME", home.path().toLocal8Bit());
        library = systeminfo::systemDirectory() + QStringLiteral("/shell32.dll");
    }
    QApplication app(argc, argv);
    BenchPrompts prompts;
    ControlFile controlFile(home.filePath(QStringLiteral("TabdeckV10.INI")));
    AppContext context;
    context.controlFile = &controlFile;
    context.prompts = &prompts;

    // Showing: a new window each round, so the first show pays for the file.
    std::vector<double> shows;
    for (int r = 0; r < 7; ++r) {
        TExIcons w(context);
        QElapsedTimer t;
        t.start();
        w.show();
        w.repaint();
        shows.push_back(t.nsecsElapsed() / 1e6);
        if (w.currentIcon().isNull()) {
            std::fprintf(stderr, "no first icon in %s\n", qPrintable(library));
            return 1;
        }
    }

    const int rounds = 10;
    const QString ours = home.filePath(QStringLiteral("ours"));
    const QString theirs = home.filePath(QStringLiteral("theirs"));
    TExIcons w(context);
    w.show();
    w.FileDropped(library);
    std::vector<double> saveAll, wrestool;
    int written = 0;
    for (int r = 0; r < rounds; ++r) {
        emptyFolder(ours);
        w.openFolder(ours);
        w.UseSelectedFolderBtnClick();
        QElapsedTimer t;
        t.start();
        // Save All runs as a Job: from the button to its last file written.
        QEventLoop done;
        QObject::connect(&w.saveAll(), &SaveAllFlow::finished, &done, &QEventLoop::quit);
        QObject::connect(&w.saveAll(), &SaveAllFlow::failed, &done, &QEventLoop::quit);
        w.SaveAllBtnClick();
        if (w.saveAll().saving())
            done.exec();
        saveAll.push_back(t.nsecsElapsed() / 1e6);
        written = int(QDir(ours).entryList(QDir::Files).size());
        w.SpeedButton1Click();

        emptyFolder(theirs);
        QProcess p;
        t.start();
        p.start(QStringLiteral("wrestool"), {QStringLiteral("-x"), QStringLiteral("--type=14"),
                                             QStringLiteral("-o"), theirs, library});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            std::fprintf(stderr, "wrestool failed; install icoutils\n");
            return 1;
        }
        wrestool.push_back(t.nsecsElapsed() / 1e6);
    }
    const int extracted = int(QDir(theirs).entryList(QDir::Files).size());
    const double a = median(saveAll);
    const double b = median(wrestool);
    std::printf("extractor show (%s%s, first icon drawn): first %.2f ms, median of 7 %.2f ms\n",
                qPrintable(library), wine ? "" : " = big.dll fixture", shows.front(),
                median(shows));
    std::printf("Save All of %s: %d files, median of %d: %.2f ms\n", qPrintable(library), written,
                rounds, a);
    std::printf("baseline: wrestool -x --type=14 (%d files): %.2f ms\n", extracted, b);
    std::printf("ratio (Save All / wrestool): %.3f\n", a / b);
    return written == 200 || wine ? 0 : 1;
}
