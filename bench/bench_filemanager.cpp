// Entering a folder of 100,000 files with the mask "*.txt;*.log" until the
// file list is filled, against `ls -1` listing the same folder (which sorts
// too), both in this run; then resizing the window for two seconds while
// that folder is shown, counting the folder's re-reads.
#include "BenchUtil.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/Opener.h"
#include "filemanager/RereadThrottle.h"
#include "filemanager/window/TPathnook.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {
class SilentPrompts : public QtPrompts {
public:
    Button box(QWidget*, const Box& box) override {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(box.text));
        return Ok;
    }
};
class NoOpener : public Opener {
public:
    void open(QObject*, const QString&) override {}
};

void pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    const QString big = dir.filePath("big");
    QDir().mkpath(big);
    const char* const kinds[] = {".txt", ".log", ".dat", ".rtf"};
    for (int i = 0; i < 100000; ++i) {
        const QByteArray name =
            QFile::encodeName(big) + "/File" + QByteArray::number(i * 7919 % 100000) + kinds[i % 4];
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
        if (fd >= 0)
            ::close(fd);
    }
    {
        QFile ini(dir.filePath("TabdeckV10.INI"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[REGSETUP]\r\nSwitch=1\r\n[PATHNOOK]\r\nFileMask=*.txt;*.log\r\n");
    }
    SilentPrompts prompts;
    NoOpener opener;
    ControlFile file(dir.filePath("TabdeckV10.INI"));
    AppContext context;
    context.controlFile = &file;
    context.prompts = &prompts;
    context.opener = &opener;
    QDir::setCurrent(dir.path());
    TPathnook window(context);
    window.show();
    pump(300);

    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 5;
    std::vector<double> enter, ls;
    for (int i = 0; i < rounds; ++i) {
        window.enterFolder(dir.path());
        QElapsedTimer t;
        t.start();
        window.enterFolder(big);
        enter.push_back(t.nsecsElapsed() / 1e6);
        if (window.fileNames().size() != 50000) {
            std::fprintf(stderr, "file list has %lld rows, not 50000\n",
                         qlonglong(window.fileNames().size()));
            return 1;
        }
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        t.restart();
        p.start(QStringLiteral("ls"), {QStringLiteral("-1"), big});
        p.waitForFinished(60000);
        ls.push_back(t.nsecsElapsed() / 1e6);
    }
    const double e = median(enter), l = median(ls);
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    std::printf("filemanager: enter 100,000-file folder (*.txt;*.log, 50,000 rows) %.1f ms "
                "(median of %d), ls -1 %.1f ms, ratio %.2f (limit 2), peak memory %.1f MB\n",
                e, rounds, l, e / l, ru.ru_maxrss / 1024.0);

    const int before = window.throttle().count();
    QElapsedTimer t;
    t.start();
    int w = 600;
    while (t.elapsed() < 2000) {
        window.resize(w, 450);
        w = w == 600 ? 700 : 600;
        window.repaint();
        QApplication::processEvents();
    }
    pump(300);
    const double perSecond = (window.throttle().count() - before) / (t.elapsed() / 1000.0);
    std::printf("filemanager: re-reads while resizing %.2f per second (limit 4)\n", perSecond);
    return e / l <= 2.0 && perSecond <= 4.0 ? 0 : 1;
}
