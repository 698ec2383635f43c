#pragma once
#include "AtomicFile.h"

#include <QList>
#include <QString>

// The program's one store: an INI file read and written key by key.
// Names match without regard to case; a missing section is appended at the
// end, a missing key at the end of its section, an existing key keeps its
// place. Every write replaces the file atomically and raises
// AppError("Cannot create file %s") when the file cannot be replaced. Writes
// of every process take turns through a lock, so none is lost.
class ControlFile {
public:
    struct Value {
        QString text;
        int length = 0;
        bool isSet() const { return length > 2; }
        bool nonEmpty() const { return length > 0; }
    };

    explicit ControlFile(QString path);
    ~ControlFile();
    ControlFile(const ControlFile&) = delete;
    ControlFile& operator=(const ControlFile&) = delete;

    const QString& path() const { return path_; }

    // The value cut to limit - 1 characters; "" and 0 when missing.
    Value read(const QString& section, const QString& key, int limit) const;
    void write(const QString& section, const QString& key, const QString& value);

    bool exists() const;
    // Changes whenever what reads give may have changed (a write, a change
    // on disk seen as reads see it), so a reader may keep what it built from
    // them until then.
    quint64 revision() const;
    // Starts reading and parsing the file on a thread of its own. The next
    // read takes that copy, waiting for it if need be, and checks the file's
    // identity as for any copy it holds: a file changed meanwhile is read
    // again. The start calls it before the application object is made.
    void preload();
    // The file is there but cannot be read: not a regular file, larger than
    // the program reads, or not permitted. Reads give "" and writes refuse,
    // so that the file is never replaced by what little we know of it.
    bool unreadable() const;
    // What start-up says once about an unreadable file: that it cannot be
    // opened (naming the size limit when that is why) and that no change will
    // be kept. Empty when the file can be used.
    QString unusableNotice() const;
    // Replaces the whole text at once (the control file editor's save).
    void replaceText(const QByteArray& bytes);

    // Several writes as one replacement of the file: the bytes on disk are
    // those the single writes in this order would leave, but a crash leaves
    // either none or all of them (the first-run creation uses it). With
    // Sync::Later the bytes may reach the disk after the call returns.
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    void writeAll(const QList<Entry>& entries, atomicfile::Sync sync = atomicfile::Sync::Now);

    static bool isSet(int length) { return length > 2; }
    static bool nonEmpty(int length) { return length > 0; }

private:
    struct Cache;
    QString path_;
    mutable Cache* cache_;
};
