#include "platform/SingleInstance.h"

#include "core/FileLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray Request = "activate\n";
const QByteArray Reply = "ok\n";

// A folder that only this user can enter (as a session's runtime folder is):
// nobody else reaches a socket in it, whatever the socket's own bits.
bool onlyOurs(const QString& folder) {
    struct stat st;
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

// Whether the process at the socket's other end is this user's: an answer
// from anyone else is no first instance of ours.
bool peerIsOurs(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) ==
               0 &&
           length == sizeof peer && peer.uid == ::geteuid();
}

// Removes what lies at path, never what a link there points to: a folder
// goes with what it holds (links in it go as links), anything else as such.
void clearPath(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
        QDir(path).removeRecursively();
    else
        ::unlink(name.constData());
}
} // namespace

QString SingleInstance::socketPath(const QString& runtimeDir, const QString& programDir,
                                   const QString& display) {
    // Hashed: a folder path can be longer than a socket name may be.
    const QByteArray key = QCryptographicHash::hash(
        (QFileInfo(programDir).absoluteFilePath() + '\n' + display).toUtf8(),
        QCryptographicHash::Sha256);
    return QDir(runtimeDir)
        .filePath(QStringLiteral("tabdeckv10-") + QString::fromLatin1(key.toHex().left(24)) +
                  QStringLiteral(".sock"));
}

QString SingleInstance::socketPathForProgram(const QString& programDir) {
    // Qt warns on stderr when the runtime folder is not set; a folder of our
    // own in the temporary folder serves then, or the temporary folder itself
    // where someone else has taken that name (the socket is then made
    // reachable by its owner alone).
    QString runtime;
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) {
        const QString own =
            QDir::tempPath() + QStringLiteral("/tabdeckv10-") + QString::number(::geteuid());
        ::mkdir(QFile::encodeName(own).constData(), 0700);
        runtime = onlyOurs(own) ? own : QDir::tempPath();
    }
    // The user is part of the key where the folder is shared by all.
    return socketPath(runtime, programDir,
                      qEnvironmentVariable("DISPLAY") + '@' + QString::number(::getuid()));
}

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), path_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (server_)
        server_->close(); // removes the socket file, so the next start listens at once
}

bool SingleInstance::handOver(int timeoutMs) {
    // The kernel's lock, held by the first for its whole run, says who is
    // first: a crashed holder leaves no stale lock, and nothing that lies at
    // the socket's path can make two firsts or keep a start waiting.
    QElapsedTimer waited;
    waited.start();
    const QString lockPath = path_ + QStringLiteral(".lock");
    for (;;) {
        auto lock = std::make_unique<FileLock>(lockPath, 0);
        if (lock->held()) {
            lock_ = std::move(lock);
            break;
        }
        const qint64 left = std::max<qint64>(1, timeoutMs - waited.elapsed());
        const Asked asked = askFirst(int(left));
        if (asked == Asked::Handed)
            return true;
        // No lock file can be made there: whoever listens was asked; this
        // one runs, since running twice beats not running.
        if (!lock->failed())
            break;
        // The holder runs: one still busy starting answers the request left
        // with it once it gets to it; one that has not listened yet does in
        // a moment, or has just ended and let go of the lock.
        if (asked == Asked::Silent || waited.elapsed() >= timeoutMs)
            return true;
        QThread::msleep(5);
    }
    listen();
    return false;
}

SingleInstance::Asked SingleInstance::askFirst(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(path_);
    // Refused or not there fails at once: nothing listens yet.
    if (!socket.waitForConnected(timeoutMs))
        return socket.error() == QLocalSocket::SocketTimeoutError ? Asked::Silent
                                                                  : Asked::NotListening;
    if (!peerIsOurs(socket))
        return Asked::NotListening; // the first clears the path before it listens
    socket.write(Request);
    QElapsedTimer waited;
    waited.start();
    QByteArray got;
    while (!got.contains('\n') && waited.elapsed() < timeoutMs &&
           (socket.bytesAvailable() || socket.waitForReadyRead(int(timeoutMs - waited.elapsed()))))
        got += socket.read(64 - got.size());
    return got == Reply ? Asked::Handed : Asked::Silent;
}

void SingleInstance::listen() {
    // Whatever lies at the path goes: a socket a crash left, or anything
    // else put there. The lock says no first of ours listens at it.
    clearPath(path_);
    server_ = new QLocalServer(this);
    // Making the socket owner-only costs Qt a temporary folder per start;
    // in a folder only we can enter it is owner-only already.
    if (!onlyOurs(QFileInfo(path_).path()))
        server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path_))
        return; // without the socket this start still runs; later starts end unanswered
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer() {
    while (QLocalSocket* peer = server_->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            // Only the one request is understood; anything longer is dropped.
            if (peer->bytesAvailable() > Request.size()) {
                peer->abort();
                return;
            }
            if (!peer->canReadLine())
                return;
            const QByteArray line = peer->readLine(Request.size() + 1);
            if (line == Request) {
                peer->write(Reply);
                peer->flush();
                emit activationRequested();
            }
            peer->disconnectFromServer();
        });
    }
}
