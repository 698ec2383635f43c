#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

namespace {
const QByteArray Request = "activate\n";
const QByteArray Reply = "ok\n";
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
    // Qt warns on stderr when the runtime folder is not set; the temporary
    // folder serves then (the socket is only reachable by its owner).
    QString runtime;
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
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
    // Two starts at the same moment: the lock makes one of them the first.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(timeoutMs * 2);
    if (!lock.tryLock(timeoutMs * 2))
        return false; // cannot tell; running twice beats not running
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (socket.waitForConnected(timeoutMs)) {
        socket.write(Request);
        QElapsedTimer waited;
        waited.start();
        QByteArray got;
        while (
            !got.contains('\n') && waited.elapsed() < timeoutMs &&
            (socket.bytesAvailable() || socket.waitForReadyRead(int(timeoutMs - waited.elapsed()))))
            got += socket.read(64 - got.size());
        if (got == Reply)
            return true;
        // Connected but no answer: a hung first instance. This one takes over.
    }
    listen();
    return false;
}

void SingleInstance::listen() {
    // A socket file without a listener is what a crash leaves.
    QLocalServer::removeServer(path_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path_))
        return; // without the socket this start still runs; later starts run too
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
