// From the left press on a button to the target program running, against a
// bare QProcess::startDetached of the same script, both in this run. The
// script records its own start time (bash's EPOCHREALTIME), so the figure
// is what the user waits for, not when the launcher's call returned.
#include "BenchUtil.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "platform/Shell.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/TForm1.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
// No box is expected while measuring; any would be a fault of the run.
class SilentPrompts : public QtPrompts {
public:
    Button box(QWidget*, const Box& box) override {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(box.text));
        return Ok;
    }
};

double nowSeconds() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

// Waits for the marker and returns the start time the script wrote.
double waitForMarker(const QString& marker) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10000) {
        QFile f(marker);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray text = f.readAll().trimmed();
            if (!text.isEmpty()) {
                f.close();
                QFile::remove(marker);
                return text.toDouble();
            }
        }
        QThread::usleep(200);
    }
    std::fprintf(stderr, "the script did not start\n");
    std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("target.sh"));
    const QString marker = dir.filePath(QStringLiteral("marker"));
    {
        QFile f(script);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/bash\nprintf '%s' \"$EPOCHREALTIME\" > \"${0%/*}/marker.tmp\" && "
                "mv \"${0%/*}/marker.tmp\" \"${0%/*}/marker\"\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    {
        QFile ini(dir.filePath(QStringLiteral("TabdeckV10.INI")));
        ini.open(QIODevice::WriteOnly);
        ini.write("[BUTTON]\r\n1=" + script.toUtf8() + "\r\n[HIDE]\r\nHideMe=true\r\n");
    }

    SilentPrompts prompts;
    shell::DesktopOpener opener;
    AppContext context;
    context.paths =
        ProgramPaths::fromExecutable(dir.filePath(QStringLiteral("TabdeckV10")), dir.path());
    ControlFile file(context.paths.controlFile);
    context.controlFile = &file;
    context.prompts = &prompts;
    context.opener = &opener;
    TForm1 strip(context);
    ButtonImage* img = strip.buttonPicture(1);

    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 30;
    std::vector<double> pressed, bare;
    for (int i = 0; i < rounds; ++i) {
        // A click on button 1, as the pointer gives it.
        const QPointF at(10, 10);
        QMouseEvent move(QEvent::MouseMove, at, img->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(img, &move);
        QMouseEvent press(QEvent::MouseButtonPress, at, img->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, img->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        // A click launches on its release (a press may begin a drag).
        const double t0 = nowSeconds();
        QApplication::sendEvent(img, &press);
        QApplication::sendEvent(img, &release);
        pressed.push_back(waitForMarker(marker) - t0);

        const double t1 = nowSeconds();
        QProcess::startDetached(script, {});
        bare.push_back(waitForMarker(marker) - t1);
    }
    const double p = median(pressed) * 1000.0;
    const double b = median(bare) * 1000.0;
    std::printf("launch: press to target running %.2f ms (median of %d), "
                "bare QProcess::startDetached %.2f ms, ratio %.2f (limit 1.5)\n",
                p, rounds, b, p / b);
    return p / b <= 1.5 ? 0 : 1;
}
