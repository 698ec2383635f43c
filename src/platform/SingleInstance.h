#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// One strip per user, display and program folder: a second start hands over
// to the first through a local socket in the runtime folder and ends. A
// socket left behind by a crash answers nobody, so it is taken over.
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

    // True when another instance took the hand-over (this one should end);
    // false when this one now listens (it is the first, or the other was gone).
    // Waits at most timeoutMs for the other instance's answer.
    bool handOver(int timeoutMs = 2000);

signals:
    // A later start asked this one to show itself.
    void activationRequested();

private:
    // Whether a first instance listening at the socket took the hand-over.
    bool askFirst(int timeoutMs);
    void listen();
    void answer();

    QString path_;
    QLocalServer* server_ = nullptr;
};
