#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// The middle of a benchmark's timings: one slow run from a busy machine
// does not move it.
inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A benchmark's input file, written whole or not at all reported.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs the event loop until done() holds (false: limitMs passed first). It
// sleeps while no event comes: processEvents with a time limit never waits,
// and a loop of it would keep a core busy that the peer under test needs.
inline bool runUntil(const std::function<bool()>& done, int limitMs) {
    QTimer wake; // checks the limit while nothing else happens
    wake.start(100);
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() >= limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The calling thread's time on a CPU and waiting for one, in seconds: what
// of a gap in a thread's event loop was its own work and what the machine's
// load (from the scheduler's own counters).
struct ThreadClock {
    double running = 0, waiting = 0;
    static ThreadClock now() {
        ThreadClock c;
        if (std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r")) {
            unsigned long long run = 0, wait = 0;
            if (std::fscanf(f, "%llu %llu", &run, &wait) == 2)
                c = {run / 1e9, wait / 1e9};
            std::fclose(f);
        }
        return c;
    }
};
