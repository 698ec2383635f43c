#include "platform/SingleInstance.h"

#include "core/FileLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
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

void SingleInstance::start(const handover::Request& request, int timeoutMs) {
    message_ = handover::encode(request);
    done_ = false;
    deadline_ = new QTimer(this);
    deadline_->setSingleShot(true);
    // Past the deadline a holder that never answered keeps the request in
    // its socket, or is busy starting: it comes forward once it gets to it.
    // Without a lock nobody may be first but this one.
    connect(deadline_, &QTimer::timeout, this, [this] {
        if (lockless_ && !done_)
            listen();
        finish(lockless_ ? Role::First : Role::HandedOver);
    });
    deadline_->start(timeoutMs);
    tryLock();
}

void SingleInstance::tryLock() {
    if (done_)
        return;
    // The kernel's lock, held by the first for its whole run, says who is
    // first: a crashed holder leaves no stale lock, and nothing that lies at
    // the socket's path can make two firsts or keep a start waiting.
    auto lock = std::make_unique<FileLock>(path_ + QStringLiteral(".lock"), 0);
    if (lock->held()) {
        lock_ = std::move(lock);
        listen();
        finish(Role::First);
        return;
    }
    // Not held and not failed: no lock file can be made there. Whoever
    // listens is asked; if nobody takes it this one runs, since running
    // twice beats not running.
    lockless_ = !lock->failed();
    ask();
}

void SingleInstance::ask() {
    delete asking_;
    asking_ = new QLocalSocket(this);
    auto* socket = asking_;
    connect(socket, &QLocalSocket::connected, this, [this, socket] {
        if (!peerIsOurs(*socket)) {
            asked(false, true); // the first clears the path before it listens
            return;
        }
        socket->write(message_);
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        got_ += socket->read(qint64(sizeof handover::Reply) - 1 - got_.size());
        if (got_.contains('\n') || got_.size() >= qsizetype(sizeof handover::Reply) - 1)
            asked(got_ == handover::Reply, false);
    });
    connect(socket, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError e) {
        // Refused or not there: nothing listens yet, or the holder just ended.
        const bool notListening =
            e == QLocalSocket::ConnectionRefusedError || e == QLocalSocket::ServerNotFoundError;
        asked(false, notListening);
    });
    got_.clear();
    socket->connectToServer(path_);
}

void SingleInstance::asked(bool handed, bool retry) {
    if (done_)
        return;
    if (handed) {
        finish(Role::HandedOver);
        return;
    }
    if (lockless_) {
        // No lock to say who is first: this one runs.
        listen();
        finish(Role::First);
        return;
    }
    if (!retry) {
        // Connected, wrote, and the answer was not ours or the peer hung up:
        // the request stays with the holder; it comes forward when it can.
        finish(Role::HandedOver);
        return;
    }
    // The holder has not listened yet, or has just ended and let go of the
    // lock: look again in a moment, until the deadline.
    QTimer::singleShot(5, this, [this] { tryLock(); });
}

void SingleInstance::finish(Role role) {
    if (done_)
        return;
    done_ = true;
    if (deadline_)
        deadline_->stop();
    if (asking_) {
        asking_->disconnect(this);
        asking_->abort();
        asking_->deleteLater();
        asking_ = nullptr;
    }
    emit decided(role);
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
        // A peer that connects and never finishes its request is let go.
        auto* limit = new QTimer(peer);
        limit->setSingleShot(true);
        connect(limit, &QTimer::timeout, peer, &QLocalSocket::abort);
        limit->start(PeerMs);
        auto got = std::make_shared<QByteArray>();
        connect(peer, &QLocalSocket::readyRead, this, [this, peer, got] {
            // Never more than the longest message: what the first line
            // announces bounds the rest.
            int need = handover::messageSize(*got);
            while (need >= 0 && peer->bytesAvailable() > 0) {
                const qint64 room = (need > 0 ? need : handover::MaxHeader) - got->size();
                if (room <= 0)
                    break;
                *got += peer->read(room);
                need = handover::messageSize(*got);
            }
            if (need < 0 || (need > 0 && got->size() == need && peer->bytesAvailable() > 0)) {
                peer->abort();
                return;
            }
            if (need == 0 || got->size() < need)
                return;
            const std::optional<handover::Request> request = handover::decode(*got);
            if (!request) {
                peer->abort();
                return;
            }
            peer->write(handover::Reply);
            peer->flush();
            peer->disconnectFromServer();
            emit requested(*request);
        });
    }
}
