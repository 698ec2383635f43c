#include "AtomicFile.h"

#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace atomicfile {

namespace {

QByteArray local(const QString& path) {
    return QFile::encodeName(path);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

QString folderOf(const QString& path) {
    const int slash = path.lastIndexOf('/');
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

constexpr int suffixDigits = 12;

// ".NAME.tmp" and the 12 hex digits of tempNameIn: NAME the one given, or
// any when none is.
bool isTemporaryName(std::string_view entry, std::string_view name) {
    constexpr std::string_view tmp = ".tmp";
    if (entry.size() < 1 + tmp.size() + suffixDigits || entry.front() != '.')
        return false;
    const std::string_view stem = entry.substr(1, entry.size() - 1 - tmp.size() - suffixDigits);
    const std::string_view digits = entry.substr(entry.size() - suffixDigits);
    return entry.substr(1 + stem.size(), tmp.size()) == tmp &&
           (name.empty() ? !stem.empty() : stem == name) &&
           std::all_of(digits.begin(), digits.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

// A writer killed between naming its temporary file and the rename leaves
// that file behind; one older than an hour can belong to no running write.
// Only names this writer makes are looked at: ".NAME.tmp" and 12 hex digits,
// with `name` the one file's name, or any file's when it is empty.
void removeStaleTemporaries(const QString& folder, const QString& name) {
    DIR* dir = ::opendir(local(folder).constData());
    if (!dir)
        return;
    const QByteArray wanted = local(name);
    const time_t cutoff = ::time(nullptr) - 3600;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name, {wanted.constData(), size_t(wanted.size())}))
            continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_mtime < cutoff)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

void syncFolder(const QString& folder) {
    const int fd = ::open(local(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

enum { Written, Failed, Unsupported };

QByteArray tempNameIn(const QString& folder, const QString& name) {
    // Per thread: writers on several threads must not share one generator.
    thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[20];
    static_assert(suffixDigits == 12, "the format below writes 12 digits");
    std::snprintf(suffix, sizeof suffix, "%012llx",
                  static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFULL));
    return local(folder + QStringLiteral("/.") + name + QStringLiteral(".tmp") +
                 QString::fromLatin1(suffix));
}

// Writes the complete, flushed new content under a fresh temporary name.
int writeTemp(const QString& folder, const QString& name, const QByteArray& bytes, mode_t mode,
              const struct stat* old, bool unnamed, Sync sync, QByteArray* tempName) {
    int fd = -1;
    if (unnamed) {
        fd = ::open(local(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? Unsupported : Failed;
    } else {
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            *tempName = tempNameIn(folder, name);
            fd = ::open(tempName->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 && errno != EEXIST)
                return Failed;
        }
        if (fd < 0)
            return Failed;
    }
    bool ok = writeAll(fd, bytes);
    if (ok && old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid())) {
        // Best effort: only a privileged writer may give the file back to its owner.
        [[maybe_unused]] const int ignored = ::fchown(fd, old->st_uid, old->st_gid);
    }
    ok = ok && ::fchmod(fd, mode) == 0;
    ok = ok && (sync == Sync::Later || ::fsync(fd) == 0);
    if (ok && unnamed) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        bool linked = false;
        for (int attempt = 0; attempt < 100 && !linked; ++attempt) {
            *tempName = tempNameIn(folder, name);
            linked = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, tempName->constData(),
                              AT_SYMLINK_FOLLOW) == 0;
            if (!linked && errno != EEXIST)
                break;
        }
        if (!linked) {
            ::close(fd);
            return Unsupported;
        }
    }
    if (::close(fd) != 0)
        ok = false;
    if (!ok && !tempName->isEmpty())
        ::unlink(tempName->constData());
    return ok ? Written : Failed;
}

} // namespace

QString resolveTarget(const QString& path) {
    QString current = path;
    // The kernel gives up after 40 links; so do we, and then write the path as given.
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(local(current).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(local(current).constData(), buffer, sizeof buffer - 1);
        if (n <= 0)
            return current;
        const QString link = QFile::decodeName(QByteArray(buffer, n));
        current = link.startsWith('/') ? link : folderOf(current) + '/' + link;
    }
    return path;
}

mode_t modeBits(QFileDevice::Permissions p) {
    mode_t bits = 0;
    const auto take = [&](QFileDevice::Permissions flags, mode_t bit) {
        if (p & flags)
            bits |= bit;
    };
    take(QFileDevice::ReadOwner | QFileDevice::ReadUser, S_IRUSR);
    take(QFileDevice::WriteOwner | QFileDevice::WriteUser, S_IWUSR);
    take(QFileDevice::ExeOwner | QFileDevice::ExeUser, S_IXUSR);
    take(QFileDevice::ReadGroup, S_IRGRP);
    take(QFileDevice::WriteGroup, S_IWGRP);
    take(QFileDevice::ExeGroup, S_IXGRP);
    take(QFileDevice::ReadOther, S_IROTH);
    take(QFileDevice::WriteOther, S_IWOTH);
    take(QFileDevice::ExeOther, S_IXOTH);
    return bits;
}

bool replace(const QString& path, const QByteArray& bytes,
             std::optional<QFileDevice::Permissions> wanted, Sync sync) {
    const QString target = resolveTarget(path);
    const QByteArray targetName = local(target);
    mode_t mode = 0666;
    bool haveOld = false;
    struct stat old;
    if (::stat(targetName.constData(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return false;
        // Renaming would ignore a read-only file; the user's "read-only" must hold.
        if (::faccessat(AT_FDCWD, targetName.constData(), W_OK, AT_EACCESS) != 0)
            return false;
        mode = old.st_mode & 07777;
        haveOld = true;
    } else if (errno != ENOENT) {
        return false;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    if (wanted)
        mode = modeBits(*wanted);

    const QString folder = folderOf(target);
    const QString name = QFileInfo(target).fileName();
    QByteArray tempName;
    // First as an unnamed file, which a crash before it is complete cannot
    // leave behind; then as a named one where the file system has no such files.
    int outcome =
        writeTemp(folder, name, bytes, mode, haveOld ? &old : nullptr, true, sync, &tempName);
    if (outcome == Unsupported)
        outcome =
            writeTemp(folder, name, bytes, mode, haveOld ? &old : nullptr, false, sync, &tempName);
    if (outcome != Written)
        return false;
    if (::rename(tempName.constData(), targetName.constData()) != 0) {
        ::unlink(tempName.constData());
        return false;
    }
    if (sync == Sync::Now) {
        syncFolder(folder);
        removeStaleTemporaries(folder, name);
    }
    return true;
}

void removeStale(const QString& folder) {
    removeStaleTemporaries(folder, QString());
}

} // namespace atomicfile
