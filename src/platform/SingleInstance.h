#pragma once
#include <QObject>
#include <QString>
#include <memory>

class FileLock;
class QLocalServer;

// One strip per user, display and program folder: a second start hands over
// to the first through a local socket in the runtime folder and ends. The
// first holds a kernel lock beside the socket for its whole run, so whatever
// lies at the socket's path (a crash's socket, a folder, a file, a link)
// never decides who is first: the holder clears the path and listens.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket's path for a program folder on a display, in runtimeDir.
    static QString socketPath(const QString& runtimeDir, const QString& programDir,
                              const QString& display);
    // For the running process: $XDG_RUNTIME_DIR (or the temp folder) and $DISPLAY.
    static QString socketPathForProgram(const QString& programDir);

    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance runs (this one should end): it took the
    // hand-over, or holds the lock and has the request waiting for it; false
    // when this one now listens. Waits at most timeoutMs for an answer.
    bool handOver(int timeoutMs = 2000);

signals:
    // A later start asked this one to show itself.
    void activationRequested();

private:
    enum class Asked { Handed, NotListening, Silent };
    // Whether a first instance of this user listening at the socket took the
    // hand-over.
    Asked askFirst(int timeoutMs);
    void listen();
    void answer();

    QString path_;
    QLocalServer* server_ = nullptr;
    std::unique_ptr<FileLock> lock_; // held while this one is the first
};
