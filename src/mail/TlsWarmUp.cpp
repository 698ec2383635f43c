#include "mail/TlsWarmUp.h"

#include "core/Job.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSslConfiguration>
#include <QSslSocket>
#include <atomic>

namespace tlswarmup {
namespace {
std::atomic_bool started{false};
QSemaphore& finished() {
    static QSemaphore s;
    return s;
}
} // namespace

void start() {
    if (started.exchange(true))
        return;
    // A program closed right after the window opened: the library's own
    // clean-up at exit must not free what a running warm-up still reads; the
    // application object's end waits for Qt's pool, where the Job runs.
    Job::future([] {
        // Both are thread-safe in Qt; what they load stays loaded, and the
        // certificate files stay in the page cache for the handshake.
        if (QSslSocket::supportsSsl())
            QSslConfiguration::systemCaCertificates();
        finished().release();
    });
}

bool waitDone(int ms) {
    if (!started.load())
        return false;
    if (!finished().tryAcquire(1, ms))
        return false;
    finished().release(); // later waits see it done at once
    return true;
}

} // namespace tlswarmup
