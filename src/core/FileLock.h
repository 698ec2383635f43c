#pragma once
#include <QString>

// An exclusive lock on a file, held for the object's life, that processes
// take in turn. The kernel lets go when the holder ends, by a crash too, so
// no lock is ever left behind stale and nothing is written to take one.
class FileLock {
public:
    // Creates the file when needed; waits at most timeoutMs for the holder.
    FileLock(const QString& path, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // The file is there but the lock was not had in time: another holder
    // hangs. (Not held and not failed: no lock file could be made there.)
    bool failed() const { return failed_; }

private:
    int fd_ = -1;
    bool failed_ = false;
};
