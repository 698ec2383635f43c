#include "mail/TlsWarmUp.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QThreadPool>
#include <atomic>

namespace tlswarmup {
namespace {
std::atomic_bool started{false};
QSemaphore& finished() {
    static QSemaphore s;
    return s;
}
// A pool of its own: its thread ends right after the warm-up, which is when
// the TLS library frees what it keeps per thread.
QThreadPool& pool() {
    static QThreadPool p;
    return p;
}
} // namespace

void start() {
    if (started.exchange(true))
        return;
    pool().setExpiryTimeout(0);
    pool().setMaxThreadCount(1);
    // A program closed right after the window opened: the library's own
    // clean-up at exit must not free what a running warm-up still reads, so
    // the application's end waits for it.
    qAddPostRoutine([] { pool().waitForDone(); });
    pool().start([] {
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
