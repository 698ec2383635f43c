#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <sys/stat.h>

// Reading a file the program did not make (pictures, lists, help, icon
// libraries, the control file). The open never blocks, so a FIFO or device
// put where a file was expected cannot hang the program; anything but a
// regular file is refused, and so is a file larger than the cap, before any
// of it is read.
namespace regularfile {

// The cap every reader uses unless it has a smaller one of its own.
constexpr qint64 DefaultCap = qint64(64) * 1024 * 1024;

enum class Status { Ok, Missing, NotRegular, TooLarge, Unreadable };

struct Result {
    Status status = Status::Unreadable;
    QByteArray bytes;    // the whole file when status is Ok
    struct stat info {}; // the opened file's own status (Ok, NotRegular, TooLarge)
    bool ok() const { return status == Status::Ok; }
};

Result read(const QString& path, qint64 cap = DefaultCap);

// The error of a refused read, "Cannot open file <path>"; a file over the cap
// is fine in itself, so the message says which limit refused it.
QString cannotOpen(const QString& path, Status status, qint64 cap = DefaultCap);
// Why a file over `cap` is refused ("the file is larger than 64 MB, ...").
QString tooLargeReason(qint64 cap);
// A size as people say it: "64 MB", "512 KB", "100 bytes".
QString sizeText(qint64 bytes);

// The same checks for a reader that maps the file or reads only its head:
// the open file when status() is Ok, closed with the object.
class Handle {
public:
    explicit Handle(const QString& path, qint64 cap = DefaultCap);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    Status status() const { return status_; }
    bool ok() const { return status_ == Status::Ok; }
    int fd() const { return fd_; }
    const struct stat& info() const { return info_; }
    // Up to `count` bytes from the start; empty when not Ok.
    QByteArray head(qint64 count) const;

private:
    Status status_ = Status::Unreadable;
    int fd_ = -1;
    struct stat info_ {};
};

} // namespace regularfile
