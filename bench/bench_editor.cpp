// Control file editor costs, each printed with the baseline measured in this run:
//  1. showing the editor on a 751-entry control file and on a 5 MB file,
//     against a bare QPlainTextEdit::setPlainText of the same text;
//  2. Save Changes of the 751-entry file against one atomic write of the same bytes.
// Files live in a folder of the current directory's file system, so flushes
// cost what they cost for a user.
#include "BenchPrompts.h"
#include "FullControlFile.h"
#include "context/AppContext.h"
#include "core/AtomicFile.h"
#include "core/ControlFile.h"
#include "core/DefaultControlFile.h"
#include "core/Opener.h"
#include "editor/EditSession.h"
#include "editor/window/TEdDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double micros(const std::function<void()>& body) {
    const auto t0 = Clock::now();
    body();
    return std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
}

// Subject and baseline take turns, so both meet the same disk and load.
std::pair<double, double> interleaved(int rounds, const std::function<void()>& a,
                                      const std::function<void()>& b) {
    std::vector<double> ta, tb;
    for (int i = 0; i < rounds; ++i) {
        ta.push_back(micros(a));
        tb.push_back(micros(b));
    }
    std::sort(ta.begin(), ta.end());
    std::sort(tb.begin(), tb.end());
    return {ta[ta.size() / 2], tb[tb.size() / 2]};
}

class NoOpener : public Opener {
public:
    void open(QObject*, const QString&) override {}
};

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Program {
    QTemporaryDir& dir;
    std::unique_ptr<ControlFile> file;
    BenchPrompts prompts;
    NoOpener opener;
    AppContext context;
    std::unique_ptr<TEdDlg> window;
    explicit Program(QTemporaryDir& d) : dir(d) {
        context.paths = ProgramPaths::fromExecutable(dir.filePath("TabdeckV10"), dir.path());
        file = std::make_unique<ControlFile>(context.paths.controlFile);
        context.controlFile = file.get();
        context.prompts = &prompts;
        context.opener = &opener;
        window = std::make_unique<TEdDlg>(context);
    }
};

void showing(const char* what, QTemporaryDir& dir, const QByteArray& bytes, int rounds) {
    atomicfile::replace(dir.filePath("TabdeckV10.INI"), bytes);
    Program p(dir);
    QPlainTextEdit bare;
    bare.resize(p.window->size());
    const QString text = QString::fromUtf8(bytes);
    const auto [show, plain] = interleaved(
        rounds,
        [&] {
            p.window->show();
            QApplication::processEvents();
            p.window->hide();
        },
        [&] {
            bare.setPlainText(text);
            bare.show();
            QApplication::processEvents();
            bare.hide();
        });
    std::printf("showing the editor, %s (%lld bytes): %.0f us; bare setPlainText: %.0f us; "
                "ratio %.2f (limit 1.5)\n",
                what, static_cast<long long>(bytes.size()), show, plain, show / plain);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + "/bench_editor-XXXXXX");
    if (!dir.isValid())
        return 1;
    const QString control = dir.filePath("TabdeckV10.INI");
    fullcontrolfile::fill(control);
    const QByteArray full = contentOf(control);
    showing("751 entries", dir, full, 31);
    QByteArray big;
    for (int i = 0; big.size() < 5 * 1024 * 1024; ++i)
        big += "Line" + QByteArray::number(i) + "=/home/user/some/longer/path/to/a/file.txt\r\n";
    showing("5 MB", dir, big, 5);

    atomicfile::replace(control, full);
    Program p(dir);
    p.window->show();
    QApplication::processEvents();
    const QString copy = dir.filePath("copy.INI");
    const auto [save, write] = interleaved(
        31, [&] { p.window->session().saveChanges(); }, [&] { atomicfile::replace(copy, full); });
    std::printf("Save Changes, 751 entries: %.0f us; one atomic write: %.0f us; ratio %.2f "
                "(limit 2)\n",
                save, write, save / write);
    return 0;
}
