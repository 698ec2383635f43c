#pragma once
#include "platform/HandOver.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class FileLock;
class QLocalServer;
class QLocalSocket;
class QTimer;

// One strip per user, display and program folder: a second start hands its
// request over to the first through a local socket in the runtime folder
// and ends. The first holds a kernel lock beside the socket for its whole
// run, so whatever lies at the socket's path (a crash's socket, a folder, a
// file, a link) never decides who is first: the holder clears the path and
// listens. Nothing here waits: each step goes on from a signal or a timer.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,     // this one listens now and runs
        HandedOver // another instance has the request, or holds the lock with it waiting
    };

    // The socket's path for a program folder on a display, in runtimeDir.
    static QString socketPath(const QString& runtimeDir, const QString& programDir,
                              const QString& display);
    // For the running process: $XDG_RUNTIME_DIR (or the temp folder) and $DISPLAY.
    static QString socketPathForProgram(const QString& programDir);

    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides who runs and says so once through decided(): at once when
    // this one takes the lock, else after the first answered or timeoutMs.
    void start(const handover::Request& request, int timeoutMs = 2000);
    // How long a peer of the first may take to send its whole request.
    static constexpr int PeerMs = 2000;

signals:
    void decided(SingleInstance::Role role);
    // A later start's request, in the first.
    void requested(const handover::Request& request);

private:
    void tryLock();
    void ask();
    void asked(bool handed, bool retry);
    void finish(Role role);
    void listen();
    void answer();

    QString path_;
    QByteArray message_;
    QLocalServer* server_ = nullptr;
    QLocalSocket* asking_ = nullptr;
    QTimer* deadline_ = nullptr;
    QByteArray got_; // the first's answer so far
    bool done_ = true;
    bool lockless_ = false;          // no lock file can be made beside the socket
    std::unique_ptr<FileLock> lock_; // held while this one is the first
};
