#pragma once
#include "core/Job.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

// The rewrites of one file, each with the file's whole new content, one
// after the other in the order they were asked for: one chain per path,
// asked on one thread. A rewrite asked for while another runs is handed to
// that one's worker, which writes the newest content handed to it next, so
// the file always ends with the newest content and the asking thread never
// waits for a worker. A chain goes on when its asker goes; the application
// waits for its pool when it ends, so the newest content still lands.
class FileRewrites {
public:
    // Replaces the file with the bytes; false when it cannot. Called on any thread.
    using Writer = std::function<bool(const QString& path, const QByteArray& bytes)>;

    FileRewrites(const QString& path, Writer writer);

    // On a worker; done(failed writes) on this thread once the chain ends,
    // unless this object went first.
    void later(const QByteArray& bytes, std::function<void(int failed)> done);
    // On this thread when no rewrite runs: whether the file was replaced.
    // Else handed to the rewrite under way, whose done tells a failure: true.
    bool nowOrNext(const QByteArray& bytes);

private:
    struct Chain;
    static std::shared_ptr<Chain> chainFor(const QString& path);
    static int drain(Chain& chain);

    Writer writer_;
    std::shared_ptr<Chain> chain_;
    Job job_;
};
