#include "ControlFile.h"

#include "AtomicFile.h"
#include "Error.h"
#include "FileLock.h"
#include "IniDocument.h"
#include "Job.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <optional>
#include <sys/stat.h>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ControlFile)
};

// Larger files are not read: nobody edits a launcher's settings that big, and
// a hostile file must not exhaust memory.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec mtime{};
    timespec ctime{};

    static Identity of(const struct stat& st) {
        return Identity{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    }
    bool operator==(const Identity& o) const {
        return device == o.device && inode == o.inode && size == o.size &&
               mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec &&
               ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

enum class State { Missing, Unreadable, Loaded };

// Bumped by every write of any ControlFile object in this process, so that a
// write through one object is seen at once by reads through another.
std::atomic<quint64> writeGeneration{0};

// A burst of reads is what runs in one turn of the event loop: a table
// loading job, a window reading its settings. The file's identity is checked
// once per burst: the first read of a turn posts a call that ends the turn
// when the loop gets back to its queue, so the next user action checks again.
// Reads outside an event loop (tools, other threads) have no turns.
quint64 turn = 0;
bool turnEndPosted = false;

bool inTurn() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    if (!turnEndPosted) {
        turnEndPosted = true;
        QMetaObject::invokeMethod(
            app,
            [] {
                ++turn;
                turnEndPosted = false;
            },
            Qt::QueuedConnection);
    }
    return true;
}

qint64 monotonicNs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Writers of every process that shares the file take turns: each holds a
// lock on a file beside it from its read to its rename, so no write starts
// from a copy another has just replaced. Readers take no lock; the rename
// gives them the old or the new file whole. Where no lock file can be made,
// no temporary file can be either: the write fails on its own. A writer
// holds the lock for one write; one held far longer than that belongs to a
// process that hangs, and must not hang us too.
QString writeLockPath(const QString& path) {
    const QString target = atomicfile::resolveTarget(path);
    const int slash = int(target.lastIndexOf('/'));
    return target.left(slash + 1) + '.' + target.mid(slash + 1) + QStringLiteral(".lock");
}
constexpr int WriteLockTimeoutMs = 10 * 1000;

} // namespace

// The parsed file, kept while the file on disk keeps its identity. Any change
// by another process or by hand gives the file a new size, time or inode.
struct ControlFile::Cache {
    State state = State::Missing;
    bool valid = false;
    Identity identity;
    IniDocument doc;
    // The bytes `doc` was parsed from: an untrusted identity costs a read and
    // a compare, and a parse only when the content really changed.
    QByteArray raw;
    timespec loadedAt{};

    // A copy read and parsed by a Job (preload), taken by the next refresh,
    // which waits for it if it is not in yet; it holds only what the read
    // found. A file destroyed before that drops it unread.
    struct Loaded {
        Identity identity;
        QByteArray raw;
        IniDocument doc;
        timespec loadedAt{};
    };
    QFuture<std::optional<Loaded>> preloaded;

    static std::optional<Loaded> load(const QString& path) {
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        regularfile::Result file = regularfile::read(path, MaxFileSize);
        if (!file.ok() || !S_ISREG(file.info.st_mode))
            return std::nullopt;
        Loaded loaded{Identity::of(file.info), std::move(file.bytes), {}, now};
        loaded.doc = IniDocument::parse(loaded.raw);
        return loaded;
    }

    void takePreloaded() {
        if (!preloaded.isValid())
            return;
        std::optional<Loaded> loaded = preloaded.takeResult(); // leaves it invalid
        if (loaded) {
            state = State::Loaded;
            identity = loaded->identity;
            raw = std::move(loaded->raw);
            doc = std::move(loaded->doc);
            loadedAt = loaded->loadedAt;
            valid = true;
            confirmedAtNs = -1;
            ++revision;
        }
    }
    quint64 revision = 0;      // bumped whenever `doc` or `state` changes
    qint64 confirmedAtNs = -1; // monotonic time the identity was last confirmed
    quint64 confirmedGeneration = 0;
    bool confirmedInTurn = false;
    quint64 confirmedTurn = 0;

    // A stat per read would cost more than the whole table loading is worth.
    // Within one turn of the event loop the identity holds for the turn (but
    // at most TurnNs: a loop that never gets back to its queue); outside an
    // event loop it is confirmed again once RecheckNs has passed. A change on
    // disk is seen by the next user action, and by every read that starts
    // later than that.
    static constexpr qint64 RecheckNs = 1000000;
    static constexpr qint64 TurnNs = 200 * 1000000LL;

    // Reading the clock can cost more than a read itself (a virtual
    // machine's clock is a system call), so within a turn only every
    // ClockEvery-th read looks at it.
    static constexpr int ClockEvery = 64;
    int readsSinceClock = 0;

    bool confirmed() {
        if (!valid || state != State::Loaded || confirmedAtNs < 0 ||
            confirmedGeneration != writeGeneration.load(std::memory_order_relaxed))
            return false;
        if (confirmedInTurn && confirmedTurn == turn) {
            if (++readsSinceClock < ClockEvery)
                return true;
            readsSinceClock = 0;
            return monotonicNs() - confirmedAtNs < TurnNs;
        }
        return monotonicNs() - confirmedAtNs < RecheckNs;
    }
    void confirm() {
        readsSinceClock = 0;
        confirmedAtNs = monotonicNs();
        confirmedGeneration = writeGeneration.load(std::memory_order_relaxed);
        confirmedInTurn = inTurn();
        confirmedTurn = turn;
    }

    // File times advance in clock ticks: a file changed in the same tick as
    // our read would keep its identity, so a read that close is not trusted.
    // The change time is the kernel's own clock at the last change (a file's
    // modification time may be set to anything, years ahead); one far from
    // the time of our read, before or after it, differs from that of any
    // later change.
    bool trusted(const struct stat& st) const {
        if (!valid || state != State::Loaded || !(Identity::of(st) == identity))
            return false;
        const qint64 gapNs = (qint64(loadedAt.tv_sec) - st.st_ctim.tv_sec) * 1000000000LL +
                             (loadedAt.tv_nsec - st.st_ctim.tv_nsec);
        return gapNs >= TickNs || gapNs <= -TickNs;
    }
    static constexpr qint64 TickNs = 20 * 1000000LL;

    void clear(State s) {
        if (valid || state != s)
            ++revision;
        state = s;
        valid = false;
        doc = IniDocument();
        raw.clear();
    }

    // Writes pass `strict`: they must never build on a stale copy.
    void refresh(const QString& path, bool strict) {
        takePreloaded();
        if (!strict && confirmed())
            return;
        confirmedAtNs = -1;
        const QByteArray name = QFile::encodeName(path);
        struct stat st;
        if (path.isEmpty() || ::stat(name.constData(), &st) != 0) {
            clear(path.isEmpty() || errno == ENOENT || errno == ENOTDIR ? State::Missing
                                                                        : State::Unreadable);
            return;
        }
        if (!S_ISREG(st.st_mode) || st.st_size > MaxFileSize) {
            clear(State::Unreadable);
            return;
        }
        if (trusted(st)) {
            confirm();
            return;
        }
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        regularfile::Result file = regularfile::read(path, MaxFileSize);
        if (!file.ok()) {
            clear(file.status == regularfile::Status::Missing ? State::Missing : State::Unreadable);
            return;
        }
        QByteArray bytes = std::move(file.bytes);
        const struct stat& opened = file.info;
        // Right after a write every read lands here until the file's time is
        // old enough to trust; the content is nearly always what we hold.
        if (!(valid && state == State::Loaded && bytes == raw)) {
            doc = IniDocument::parse(bytes);
            raw = std::move(bytes);
            ++revision;
        }
        state = State::Loaded;
        identity = Identity::of(opened);
        loadedAt = now;
        valid = true;
        if (trusted(opened))
            confirm();
    }
};

ControlFile::ControlFile(QString path) : path_(std::move(path)), cache_(new Cache) {}

ControlFile::~ControlFile() {
    delete cache_;
}

void ControlFile::preload() {
    if (path_.isEmpty() || cache_->preloaded.isValid())
        return;
    cache_->preloaded = Job::future([path = path_] { return Cache::load(path); });
}

bool ControlFile::unreadable() const {
    cache_->refresh(path_, false);
    return cache_->state == State::Unreadable;
}

quint64 ControlFile::revision() const {
    cache_->refresh(path_, false);
    return cache_->revision;
}

bool ControlFile::exists() const {
    struct stat st;
    return !path_.isEmpty() && ::stat(QFile::encodeName(path_).constData(), &st) == 0;
}

ControlFile::Value ControlFile::read(const QString& section, const QString& key, int limit) const {
    cache_->refresh(path_, false);
    Value result;
    if (limit <= 1 || cache_->state != State::Loaded)
        return result;
    std::optional<QString> value = cache_->doc.value(section, key);
    if (!value)
        return result;
    // Cut to limit - 1 characters, never inside a surrogate pair.
    QString& text = *value;
    if (text.size() < limit) {
        // Fits whole: only the pairs to count, where there can be any.
        result.length = int(text.size());
        const bool latin1 = QtPrivate::isLatin1(text);
        for (qsizetype i = 1; !latin1 && i < text.size(); ++i)
            result.length -= text[i].isLowSurrogate() && text[i - 1].isHighSurrogate() ? 1 : 0;
        result.text = std::move(text);
        return result;
    }
    int chars = 0;
    qsizetype units = 0;
    while (units < text.size() && chars < limit - 1) {
        units += text[units].isHighSurrogate() && units + 1 < text.size() &&
                         text[units + 1].isLowSurrogate()
                     ? 2
                     : 1;
        ++chars;
    }
    result.text = text.left(units);
    result.length = chars;
    return result;
}

void ControlFile::write(const QString& section, const QString& key, const QString& value) {
    writeAll({Entry{section, key, value}});
}

void ControlFile::writeAll(const QList<Entry>& entries, atomicfile::Sync sync) {
    const AppError failure(Text::tr("Cannot create file %1").arg(path_));
    if (path_.isEmpty())
        throw failure;
    const FileLock lock(writeLockPath(path_), WriteLockTimeoutMs);
    if (lock.failed())
        throw failure;
    cache_->refresh(path_, true);
    // Rewriting a file we could not read would lose its content.
    if (cache_->state == State::Unreadable)
        throw failure;
    IniDocument doc = cache_->doc;
    doc.setAll(entries);
    ++cache_->revision;
    const QByteArray bytes = doc.serialize();
    const bool replaced = atomicfile::replace(path_, bytes, {}, sync);
    writeGeneration.fetch_add(1, std::memory_order_relaxed);
    if (!replaced)
        throw failure;
    struct stat st;
    if (::stat(QFile::encodeName(path_).constData(), &st) == 0 && st.st_size == bytes.size()) {
        cache_->doc = std::move(doc);
        cache_->raw = bytes;
        cache_->state = State::Loaded;
        cache_->identity = Identity::of(st);
        ::clock_gettime(CLOCK_REALTIME, &cache_->loadedAt);
        cache_->confirmedAtNs = -1;
        cache_->valid = true;
    } else {
        cache_->valid = false;
    }
}

void ControlFile::replaceText(const QByteArray& bytes) {
    cache_->valid = false;
    std::optional<FileLock> lock;
    if (!path_.isEmpty())
        lock.emplace(writeLockPath(path_), WriteLockTimeoutMs);
    const bool replaced = lock && !lock->failed() && atomicfile::replace(path_, bytes);
    writeGeneration.fetch_add(1, std::memory_order_relaxed);
    if (!replaced)
        throw AppError(Text::tr("Cannot create file %1").arg(path_));
}

QString ControlFile::unusableNotice() const {
    if (!unreadable())
        return {};
    const regularfile::Handle file(path_, MaxFileSize);
    return regularfile::cannotOpen(path_, file.status(), MaxFileSize) + QStringLiteral(".\r") +
           Text::tr("Cannot create file %1: the changes you make will not be kept").arg(path_);
}
