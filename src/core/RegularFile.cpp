#include "core/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regularfile {

Result read(const QString& path, qint64 cap) {
    Result result;
    if (path.isEmpty()) {
        result.status = Status::Missing;
        return result;
    }
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
        return result;
    }
    struct stat& st = result.info;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        result.status = Status::NotRegular;
        return result;
    }
    if (st.st_size > cap) {
        ::close(fd);
        result.status = Status::TooLarge;
        return result;
    }
    // The size may change while reading; never read past the cap.
    QByteArray bytes;
    bytes.resize(qsizetype(st.st_size));
    qint64 have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (bytes.size() > cap)
                break;
            bytes.resize(qsizetype(qMin<qint64>(cap + 1, have + 65536)));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        have += n;
    }
    ::close(fd);
    if (have > cap) {
        result.status = Status::TooLarge;
        return result;
    }
    bytes.resize(qsizetype(have));
    result.status = Status::Ok;
    result.bytes = std::move(bytes);
    return result;
}

} // namespace regularfile
