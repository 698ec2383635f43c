#include "core/RegularFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regularfile {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
};

// A buffer of many megabytes fills several times faster in huge pages: its
// thousands of first-touch page faults cost more than the read itself.
void preferHugePages(QByteArray& bytes) {
#ifdef MADV_HUGEPAGE
    constexpr qsizetype kWorthIt = 4 * 1024 * 1024;
    if (bytes.size() < kWorthIt)
        return;
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto start = std::uintptr_t(bytes.data());
    const std::uintptr_t begin = (start + page - 1) & ~(page - 1);
    const std::uintptr_t end = (start + std::uintptr_t(bytes.size())) & ~(page - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE); // only advice
#else
    Q_UNUSED(bytes);
#endif
}

} // namespace

Handle::Handle(const QString& path, qint64 cap) {
    if (path.isEmpty()) {
        status_ = Status::Missing;
        return;
    }
    const QByteArray name = QFile::encodeName(path);
    fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0) {
        status_ = errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable;
        return;
    }
    if (::fstat(fd_, &info_) != 0)
        status_ = Status::Unreadable;
    else if (!S_ISREG(info_.st_mode))
        status_ = Status::NotRegular;
    else if (info_.st_size > cap)
        status_ = Status::TooLarge;
    else
        status_ = Status::Ok;
    if (status_ != Status::Ok) {
        ::close(fd_);
        fd_ = -1;
    }
}

Handle::~Handle() {
    if (fd_ >= 0)
        ::close(fd_);
}

QByteArray Handle::head(qint64 count) const {
    QByteArray bytes;
    if (!ok() || count <= 0)
        return bytes;
    bytes.resize(qsizetype(count));
    qint64 have = 0;
    while (have < count) {
        const ssize_t n = ::pread(fd_, bytes.data() + have, size_t(count - have), off_t(have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        have += n;
    }
    bytes.resize(qsizetype(have));
    return bytes;
}

Result read(const QString& path, qint64 cap) {
    Result result;
    const Handle file(path, cap);
    result.status = file.status();
    result.info = file.info();
    if (!file.ok())
        return result;
    result.status = Status::Unreadable;
    const int fd = file.fd();
    const struct stat& st = file.info();
    // The size may change while reading; never read past the cap.
    QByteArray bytes;
    bytes.resize(qsizetype(st.st_size));
    preferHugePages(bytes);
    qint64 have = 0;
    // Nearly every file ends where its size said: there a probe on the stack
    // looks for more, so the bytes kept (a button's picture is kept for the
    // whole run) are not followed by a grown buffer.
    char probe[4096];
    for (;;) {
        const bool atEnd = have == bytes.size();
        if (atEnd && bytes.size() > cap)
            break;
        const ssize_t n = atEnd ? ::read(fd, probe, sizeof probe)
                                : ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return result;
        }
        if (n == 0)
            break;
        if (atEnd) {
            bytes.resize(qsizetype(qMin<qint64>(cap + 1, have + n + 65536)));
            const qint64 taken = qMin<qint64>(n, bytes.size() - have);
            std::memcpy(bytes.data() + have, probe, size_t(taken));
            have += taken;
        } else {
            have += n;
        }
    }
    if (have > cap) {
        result.status = Status::TooLarge;
        return result;
    }
    bytes.resize(qsizetype(have));
    if (bytes.capacity() > have + 4096)
        bytes.squeeze();
    result.status = Status::Ok;
    result.bytes = std::move(bytes);
    return result;
}

QString sizeText(qint64 bytes) {
    constexpr qint64 KB = 1024;
    constexpr qint64 MB = KB * KB;
    if (bytes >= MB && bytes % MB == 0)
        return Text::tr("%1 MB").arg(bytes / MB);
    if (bytes >= KB && bytes % KB == 0)
        return Text::tr("%1 KB").arg(bytes / KB);
    return Text::tr("%1 bytes").arg(bytes);
}

QString tooLargeReason(qint64 cap) {
    return Text::tr("the file is larger than %1, the most the program reads").arg(sizeText(cap));
}

QString cannotOpen(const QString& path, Status status, qint64 cap) {
    QString text = Text::tr("Cannot open file %1").arg(path);
    if (status == Status::TooLarge)
        text += QStringLiteral(": ") + tooLargeReason(cap);
    return text;
}

} // namespace regularfile
