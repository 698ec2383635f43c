#include "FileLock.h"

#include <QFile>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
qint64 monotonicMs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}
} // namespace

FileLock::FileLock(const QString& path, int timeoutMs) {
    fd_ = ::open(QFile::encodeName(path).constData(),
                 O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0666);
    struct stat st;
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0)
        return;
    const qint64 deadline = monotonicMs() + timeoutMs;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || monotonicMs() > deadline) {
            ::close(fd_);
            fd_ = -1;
            failed_ = true;
            return;
        }
        ::usleep(500);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
}
