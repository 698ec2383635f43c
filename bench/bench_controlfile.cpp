// Control file costs, each printed with the baseline measured in this run:
//  1. the table-loading pattern (720 reads of a full file) against one parse;
//  2. the first-run creation against writing the same bytes once atomically;
//  3. one write of one key in a full file against copying the file once.
// Files live in a folder of the current directory's file system (not /tmp,
// which may be memory), so flushes cost what they cost for a user.
#include "FullControlFile.h"
#include "core/AtomicFile.h"
#include "core/ButtonSlotSettings.h"
#include "core/ControlFile.h"
#include "core/DefaultControlFile.h"
#include "core/IniDocument.h"
#include "core/Opener.h"
#include "core/ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double medianMicros(int rounds, const std::function<void()>& setup,
                    const std::function<void()>& body) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        setup();
        const auto t0 = Clock::now();
        body();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Subject and baseline take turns, so both meet the same disk and load.
struct Pair {
    double subject;
    double baseline;
};
Pair interleaved(int rounds, const std::function<void()>& setupA, const std::function<void()>& a,
                 const std::function<void()>& setupB, const std::function<void()>& b) {
    std::vector<double> ta, tb;
    for (int i = 0; i < rounds; ++i) {
        ta.push_back(medianMicros(1, setupA, a));
        tb.push_back(medianMicros(1, setupB, b));
    }
    std::sort(ta.begin(), ta.end());
    std::sort(tb.begin(), tb.end());
    return {ta[ta.size() / 2], tb[tb.size() / 2]};
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class NoOpener : public Opener {
public:
    void open(QObject*, const QString&) override {}
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QDir::currentPath() + "/bench_controlfile-XXXXXX");
    if (!dir.isValid())
        return 1;
    const QString full = dir.filePath("full.INI");
    fullcontrolfile::fill(full);
    const QByteArray fullBytes = contentOf(full);
    // Let the file's time fall behind the clock, as any file not just written.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    // 1. Table loading: a fresh reader doing the 720 reads, against reading and
    //    parsing the file once (what every read would cost without the cache),
    //    taking turns.
    volatile int sink = 0;
    const Pair table = interleaved(
        201, [] {},
        [&] {
            ControlFile file(full);
            const ButtonSlotSettings buttons(file); // what table loading reads through
            for (int n = 1; n <= 360; ++n)
                sink = sink + buttons.target(n).length;
            for (int n = 1; n <= 360; ++n)
                sink = sink + buttons.icon(n).length;
        },
        [] {},
        [&] {
            const IniDocument doc = IniDocument::parse(contentOf(full));
            sink = sink + doc.lineCount();
        });
    const double loading = table.subject;
    const double parse = table.baseline;
    std::printf("table loading, 720 reads of a %lld-byte file: %.1f us; one read+parse: %.1f us; "
                "ratio %.2f (limit 1.5)\n",
                static_cast<long long>(fullBytes.size()), loading, parse, loading / parse);

    // 2. First-run creation against one atomic write of the same bytes.
    const ProgramPaths paths =
        ProgramPaths::fromExecutable(dir.filePath("TabdeckV10"), QDir::homePath());
    NoOpener opener;
    // The bytes the creation gives, for the baseline.
    {
        ControlFile file(paths.controlFile);
        createDefaultControlFile(file, paths, opener, nullptr);
    }
    const QByteArray created = contentOf(paths.controlFile);
    const QString plain = dir.filePath("plain.INI");
    const Pair firstRun = interleaved(
        61, [&] { QFile::remove(paths.controlFile); },
        [&] {
            ControlFile file(paths.controlFile);
            createDefaultControlFile(file, paths, opener, nullptr);
        },
        [&] { QFile::remove(plain); }, [&] { atomicfile::replace(plain, created); });
    const double creation = firstRun.subject;
    const double oneWrite = firstRun.baseline;
    std::printf("first-run creation (%lld bytes): %.1f us; one atomic write of the same bytes: "
                "%.1f us; ratio %.2f (limit 5)\n",
                static_cast<long long>(created.size()), creation, oneWrite, creation / oneWrite);

    // 3. One key in a full file, against copying the file once (read it, write
    //    a new file, flush it to disk as the write does).
    ControlFile file(full);
    int counter = 0;
    const QString copy = dir.filePath("copy.INI");
    const Pair writes = interleaved(
        101, [] {},
        [&] { file.write("BUTTON", "180", QStringLiteral("/usr/bin/tool%1").arg(++counter)); },
        [&] { QFile::remove(copy); },
        [&] {
            const QByteArray bytes = contentOf(full);
            const int fd = ::open(QFile::encodeName(copy).constData(),
                                  O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0)
                return;
            sink = sink + int(::write(fd, bytes.constData(), size_t(bytes.size())));
            ::fsync(fd);
            ::close(fd);
        });
    const double single = writes.subject;
    const double copying = writes.baseline;
    std::printf("single write of one key in a full file: median %.1f us; copying the file once "
                "(read, write, fsync): %.1f us; ratio %.2f\n",
                single, copying, single / copying);
    return 0;
}
