#include "mail/TlsWarmUp.h"

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
} // namespace

void start() {
    if (started.exchange(true))
        return;
    QThreadPool::globalInstance()->start([] {
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
