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
    // Two starts at the same moment: the lock makes one of them the first.
    // The kernel's lock, not a lock file naming its holder: a crashed holder
    // leaves no stale lock, and taking it waits for no disk.
    const FileLock lock(path_ + QStringLiteral(".lock"), timeoutMs * 2);
    if (!lock.held())
        return false; // cannot tell; running twice beats not running
    // Every instance listens before it lets go of the lock, so without the
    // socket file there is nobody to ask.
    if (QFileInfo::exists(path_) && askFirst(timeoutMs))
        return true;
    listen();
    return false;
}

bool SingleInstance::askFirst(int timeoutMs) {
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
    return false;
}

void SingleInstance::listen() {
    // A socket file without a listener is what a crash leaves.
    QLocalServer::removeServer(path_);
    server_ = new QLocalServer(this);
    // Making the socket owner-only costs Qt a temporary folder per start;
    // in a folder only we can enter it is owner-only already.
    if (!onlyOurs(QFileInfo(path_).path()))
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
