#pragma once
#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The recent-picture list and its file: one path a line, appended at the
// end, no limit and no check for duplicates. The file is read once and
// rewritten whole, atomically, after every change. A path is bytes: each
// line read keeps its bytes through every rewrite, even when they are no
// UTF-8 or hold a NUL; only the list shown decodes them.
class RecentList {
public:
    // Replaces the file with the bytes, atomically; false when it cannot.
    // Called from any thread.
    using Writer = std::function<bool(const QString& path, const QByteArray& bytes)>;

    // Without a writer the file is written by atomicfile::replace.
    explicit RecentList(QString path, Writer writer = {});

    const QString& path() const { return path_; }
    const QStringList& entries() const { return entries_; }

    // Reads the file when it exists; lines may end in CR, LF or CR LF, and
    // an empty line is an empty entry. A missing file leaves the list empty;
    // one that cannot be read raises "Cannot open file %s".
    void load();
    // Appends and rewrites the file.
    void append(const QString& entry);
    // Appends now and leaves the file to flush(), for a caller with
    // something more urgent to do first.
    void appendLater(const QString& entry);
    // Rewrites the file if an entry is still only in memory.
    void flush();
    bool unsaved() const { return unsaved_; }
    // For a write on another thread: the file's bytes when an entry is only
    // in memory, which counts as saved from now on; else nothing.
    std::optional<QByteArray> takeUnsaved();
    // That write failed: the entries are unsaved again, and the error to say.
    QString writeFailed();
    // Removes one entry (0-based) and rewrites the file.
    void removeAt(int row);

    // The file's text: every line followed by CR LF.
    static QByteArray serialize(const QByteArrayList& lines);
    // The lines of a file, without their ends.
    static QByteArrayList parse(const QByteArray& bytes);

private:
    // Raises "Cannot create file %s" when the file cannot be replaced.
    void save();

    void add(const QByteArray& line);

    QString path_;
    Writer writer_;
    QByteArrayList lines_; // as in the file
    QStringList entries_;  // as shown
    bool unsaved_ = false;
};
