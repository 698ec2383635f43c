// Counting and extracting every icon of the largest fixture (200 groups),
// against icoutils' wrestool listing the same file, both measured here.
#include "platform/IconReader.h"

#include <QCoreApplication>
#include <QProcess>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString file = QStringLiteral(TABDECK_SOURCE_DIR "/tests/data/platform/big.dll");
    const int rounds = 20;

    int icons = 0;
    const auto t0 = Clock::now();
    for (int r = 0; r < rounds; ++r) {
        const int count = iconreader::iconCount(file);
        for (int n = 0; n < count; ++n)
            icons += iconreader::icon(file, n) ? 1 : 0;
    }
    const auto t1 = Clock::now();

    int listed = 0;
    for (int r = 0; r < rounds; ++r) {
        QProcess p;
        p.start(QStringLiteral("wrestool"), {QStringLiteral("-l"), file});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            std::fprintf(stderr, "wrestool failed; install icoutils\n");
            return 1;
        }
        listed += int(p.readAllStandardOutput().count('\n'));
    }
    const auto t2 = Clock::now();

    const int perRound = icons / rounds;
    if (perRound < 184) {
        std::fprintf(stderr, "only %d icons extracted\n", perRound);
        return 1;
    }
    const double ours = seconds(t0, t1) / rounds;
    const double theirs = seconds(t1, t2) / rounds;
    std::printf("icon reader: count + extract %d icons of big.dll: %.3f ms (%.2f us per icon)\n",
                perRound, ours * 1e3, ours * 1e6 / perRound);
    std::printf("baseline: wrestool -l big.dll (%d resources): %.3f ms\n", listed / rounds,
                theirs * 1e3);
    std::printf("ratio (ours / wrestool -l): %.3f\n", ours / theirs);
    return 0;
}
