#include "mail/TSmtpClient.h"

#include "core/Error.h"
#include "mail/SmtpErrors.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostInfo>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

using namespace smtptext;

namespace {

// The wait's connection went away under it (closed by a handler, by the
// server, or the client itself was destroyed).
class SmtpAborted : public AppError {
public:
    SmtpAborted() : AppError(smtperrors::text(smtperrors::kNotConnected)) {}
};

// Qt keeps at most this much unread input per socket, so a flooding server
// cannot grow memory while nobody reads.
constexpr qint64 kReadBuffer = 4 * kMaxReplyLine;
// The body goes out in pieces of this size, each reported by OnPacketSent.
constexpr qint64 kChunk = 65536;

// After an event handler or a wait: the client must still exist and still be
// on the connection the operation started with.
void checkSession(const QPointer<TSmtpClient>& self, quint64 session, const quint64& current) {
    if (!self || current != session)
        throw SmtpAborted();
}

bool refused(int number, int limit) {
    return number >= limit || !hasReplyCode(number);
}

} // namespace

// Marks one of the client's operations as running for its lifetime; clears
// the mark only if the client still exists.
class SmtpOperation {
public:
    SmtpOperation(TSmtpClient* client, bool TSmtpClient::*flag) : client_(client), flag_(flag) {
        client->*flag_ = true;
    }
    ~SmtpOperation() { release(); }
    void release() {
        if (client_) {
            client_->*flag_ = false;
            if (!client_->operationActive())
                QMetaObject::invokeMethod(client_, &TSmtpClient::closeIfPeerGone,
                                          Qt::QueuedConnection);
        }
        client_ = nullptr;
    }
    SmtpOperation(const SmtpOperation&) = delete;
    SmtpOperation& operator=(const SmtpOperation&) = delete;

private:
    QPointer<TSmtpClient> client_;
    bool TSmtpClient::*flag_;
};

TSmtpClient::TSmtpClient(QObject* parent) : QObject(parent) {
    socket_ = makeSocket();
}

TSmtpClient::~TSmtpClient() {
    // Waits still running further up the stack see the client gone and unwind
    // without touching it.
    ++session_;
    if (lookupId_ != -1)
        QHostInfo::abortHostLookup(lookupId_);
    for (QEventLoop* loop : loops_)
        loop->quit();
    socket_->disconnect(this);
    socket_->abort();
}

QTcpSocket* TSmtpClient::makeSocket() {
    auto* s = new QTcpSocket(this);
    s->setReadBufferSize(kReadBuffer);
    connect(s, &QTcpSocket::readyRead, this, &TSmtpClient::wake);
    connect(s, &QTcpSocket::bytesWritten, this, &TSmtpClient::wake);
    connect(s, &QTcpSocket::connected, this, &TSmtpClient::wake);
    connect(s, &QTcpSocket::stateChanged, this, &TSmtpClient::wake);
    connect(s, &QTcpSocket::disconnected, this, &TSmtpClient::socketGone);
    connect(s, &QTcpSocket::errorOccurred, this, &TSmtpClient::socketGone);
    return s;
}

void TSmtpClient::wake() {
    for (QEventLoop* loop : loops_)
        loop->quit();
}

void TSmtpClient::socketGone() {
    wake();
    // Never close or raise events from inside the socket's own signal.
    QMetaObject::invokeMethod(this, &TSmtpClient::closeIfPeerGone, Qt::QueuedConnection);
}

// The server closed an idle connection: close our side the same way.
void TSmtpClient::closeIfPeerGone() {
    if (operationActive() || !connected_ || socket_->state() == QAbstractSocket::ConnectedState)
        return;
    closeAndReport();
}

void TSmtpClient::closeSocket() {
    ++session_;
    connected_ = false;
    replyOwed_ = false;
    ++lookupSerial_;
    if (lookupId_ != -1) {
        QHostInfo::abortHostLookup(lookupId_);
        lookupId_ = -1;
    }
    QTcpSocket* old = socket_;
    socket_ = makeSocket();
    old->disconnect(this);
    old->abort();
    old->deleteLater();
    wake();
}

// Closes the socket and, if a connection was up, raises OnDisconnect. The
// handler may destroy the client: callers touch nothing afterwards.
void TSmtpClient::closeAndReport() {
    const bool wasConnected = connected_;
    closeSocket();
    if (wasConnected)
        emit OnDisconnect();
}

void TSmtpClient::connectionLost() {
    int code = smtperrors::codeFor(socket_->error());
    if (code == smtperrors::kUnknown || code == smtperrors::kWouldBlock)
        code = smtperrors::kNotConnected;
    streamBroken(code);
}

// The conversation cannot go on in step (the connection is gone, a reply is
// unreadable, a wait timed out): close it and fail with the Winsock text.
void TSmtpClient::streamBroken(int code) {
    lastError_ = code;
    const QString text = smtperrors::text(code);
    closeAndReport();
    throw AppError(text);
}

void TSmtpClient::waitFor(const std::function<bool()>& ready, quint64 session) {
    checkSession(this, session, session_);
    if (ready())
        return;
    QPointer<TSmtpClient> self(this);
    QEventLoop loop;
    bool timedOut = false;
    QTimer timer;
    if (TimeOut > 0) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        timer.start(TimeOut);
    }
    loops_.append(&loop);
    struct Unlist {
        QPointer<TSmtpClient> client;
        QEventLoop* loop;
        ~Unlist() {
            if (client)
                client->loops_.removeOne(loop);
        }
    } unlist{self, &loop};
    for (;;) {
        loop.exec();
        if (!self)
            throw SmtpAborted();
        if (session != session_ || timedOut || ready())
            break;
    }
    checkSession(self, session, session_);
    if (timedOut)
        streamBroken(smtperrors::kTimedOut);
}

void TSmtpClient::Connect() {
    if (connected_ || connecting_)
        throw AppError(QStringLiteral("Already connected"));
    QPointer<TSmtpClient> self(this);
    SmtpOperation op(this, &TSmtpClient::connecting_);
    const quint64 session = session_;

    QHostAddress address = resolve(session);
    if (address.isNull()) {
        bool handled = false;
        emit OnInvalidHost(handled);
        checkSession(self, session, session_);
        if (handled)
            address = resolve(session);
        if (address.isNull())
            throw AppError(QStringLiteral("Null Remote Address"));
    }
    openTcp(address, session);

    try {
        replyNumber_ = 0;
        readReply(session);
        if (refused(replyNumber_, 400))
            throw AppError(replyText_);
        helo(session);
    } catch (const SmtpAborted&) {
        throw;
    } catch (const AppError&) {
        if (self && session == session_)
            quitAfterError();
        throw;
    }
    op.release();
    emit OnConnect();
}

QHostAddress TSmtpClient::resolve(quint64 session) {
    QHostAddress literal;
    if (literal.setAddress(Host))
        return literal;
    QPointer<TSmtpClient> self(this);
    lookupDone_ = false;
    lookupResult_.clear();
    const quint64 serial = ++lookupSerial_;
    const int id = QHostInfo::lookupHost(Host, this, [this, serial](const QHostInfo& info) {
        if (serial != lookupSerial_)
            return; // an abandoned lookup
        lookupId_ = -1;
        lookupDone_ = true;
        // The old socket layer spoke IPv4 only; prefer it, take anything else after.
        const auto addresses = info.addresses();
        for (const QHostAddress& a : addresses) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                lookupResult_ = a;
                break;
            }
        }
        if (lookupResult_.isNull() && !addresses.isEmpty())
            lookupResult_ = addresses.first();
        wake();
    });
    if (!lookupDone_)
        lookupId_ = id;
    waitFor([this] { return lookupDone_; }, session);
    if (lookupResult_.isNull())
        return {};
    const QHostAddress found = lookupResult_;
    emit OnHostResolved();
    checkSession(self, session, session_);
    return found;
}

void TSmtpClient::openTcp(const QHostAddress& address, quint64 session) {
    QPointer<TSmtpClient> self(this);
    socket_->connectToHost(address, Port);
    waitFor(
        [this] {
            const auto s = socket_->state();
            return s == QAbstractSocket::ConnectedState || s == QAbstractSocket::UnconnectedState;
        },
        session);
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        lastError_ = smtperrors::codeFor(socket_->error());
        socket_->abort();
        emit OnConnectionFailed();
        checkSession(self, session, session_);
        throw AppError(QStringLiteral("Connection Failed"));
    }
    // Commands and the end-of-data line are small writes: without this the
    // kernel holds each one back until the server's delayed acknowledgement
    // of the data before it, up to 40 ms a time.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connected_ = true;
}

void TSmtpClient::helo(quint64 session) {
    QPointer<TSmtpClient> self(this);
    command("HELO " + fieldText(UserID).toUtf8(), session);
    if (!refused(replyNumber_, 300))
        return;
    bool handled = false;
    emit OnAuthenticationFailed(handled);
    checkSession(self, session, session_);
    if (handled) {
        command("HELO " + fieldText(UserID).toUtf8(), session);
        if (!refused(replyNumber_, 300))
            return;
    }
    throw AppError(QStringLiteral("Authentication failed"));
}

// A refused greeting or HELO: end the session politely; the refusal is what
// the caller reports, so the QUIT's own outcome is not.
void TSmtpClient::quitAfterError() {
    try {
        Disconnect();
    } catch (const AppError&) {
    }
}

int TSmtpClient::missingHeader() const {
    if (PostMessage.FromAddress.isEmpty())
        return 1;
    if (PostMessage.ToAddress.isEmpty())
        return 2;
    return 0;
}

void TSmtpClient::SendMail() {
    if (Busy())
        return;
    QPointer<TSmtpClient> self(this);
    SmtpOperation op(this, &TSmtpClient::sending_);

    if (!connected_) {
        bool handled = false;
        emit OnConnectionRequired(handled);
        if (!self)
            throw SmtpAborted();
        if (!handled || !connected_)
            throw AppError(QStringLiteral("Not Connected"));
    }
    const quint64 session = session_;

    if (const int hiType = missingHeader()) {
        bool handled = false;
        emit OnHeaderIncomplete(handled, hiType);
        checkSession(self, session, session_);
        if (!handled || missingHeader())
            throw AppError(QStringLiteral("Incomplete Header"));
    }

    const QByteArray header = headerBlock(PostMessage, SubType, Charset);
    BodyStream body(PostMessage.Body);
    const QStringList recipients = PostMessage.ToAddress;

    emit OnSendStart();
    checkSession(self, session, session_);

    command("RSET", session);
    if (refused(replyNumber_, 400))
        throw AppError(replyText_);
    command("MAIL FROM:<" + fieldText(PostMessage.FromAddress).toUtf8() + ">", session);
    if (refused(replyNumber_, 400))
        throw AppError(replyText_);
    for (const QString& entry : recipients) {
        const QString address = fieldText(bareAddress(entry));
        if (address.isEmpty())
            continue;
        command("RCPT TO:<" + address.toUtf8() + ">", session);
        if (replyNumber_ > 300 || !hasReplyCode(replyNumber_)) {
            emit OnRecipientNotFound(entry);
            checkSession(self, session, session_);
        }
    }
    command("DATA", session);
    if (refused(replyNumber_, 400))
        throw AppError(replyText_);

    sendBody(header, body, session);

    command(".", session);
    if (refused(replyNumber_, 400)) {
        // The handler usually disconnects, which replaces the reply text.
        const QString refusal = replyText_;
        emit OnFailure();
        throw AppError(refusal);
    }
    if (ClearParams)
        PostMessage.ToAddress.clear();
    op.release();
    emit OnSuccess();
}

void TSmtpClient::sendBody(const QByteArray& header, BodyStream& body, quint64 session) {
    QPointer<TSmtpClient> self(this);
    // From here to the reply of the end-of-data line the stream is inside the
    // message: no other command may go out.
    replyOwed_ = true;
    writeAll(header.constData(), header.size(), session, 2 * kChunk);
    bytesTotal_ = body.size();
    bytesSent_ = 0;
    QByteArray chunk(kChunk, Qt::Uninitialized);
    while (const qsizetype n = body.read(chunk.data(), kChunk)) {
        writeAll(chunk.constData(), n, session, 2 * kChunk);
        bytesSent_ += n;
        emit OnPacketSent();
        checkSession(self, session, session_);
        // Let the windows paint the progress even when the socket never made us wait.
        QCoreApplication::processEvents();
        checkSession(self, session, session_);
    }
}

// Hands bytes to the socket; waits while more than `backlog` bytes are still
// queued in it, so the kernel always has the next piece at hand.
void TSmtpClient::writeAll(const char* data, qint64 size, quint64 session, qint64 backlog) {
    if (socket_->state() != QAbstractSocket::ConnectedState)
        connectionLost();
    socket_->write(data, size);
    socket_->flush();
    waitFor(
        [this, backlog] {
            return socket_->bytesToWrite() <= backlog ||
                   socket_->state() != QAbstractSocket::ConnectedState;
        },
        session);
    if (socket_->state() != QAbstractSocket::ConnectedState)
        connectionLost();
}

void TSmtpClient::Disconnect() {
    if (!connected_ && !connecting_)
        throw AppError(smtperrors::text(smtperrors::kNotConnected));
    if (!connected_ || replyOwed_ || socket_->state() != QAbstractSocket::ConnectedState) {
        // A connect in progress, or a reply still owed by the server: a QUIT
        // now could not be told apart from it, so just close.
        closeAndReport();
        return;
    }
    SmtpOperation op(this, &TSmtpClient::disconnecting_);
    const quint64 session = session_;
    QString failure;
    try {
        command("QUIT", session);
        if (replyNumber_ > 339 || !hasReplyCode(replyNumber_))
            failure = replyText_;
    } catch (const SmtpAborted&) {
        // Someone else closed the connection meanwhile: it is closed, as asked.
        // (An unreadable reply closes it too, and that failure is passed on.)
        return;
    }
    op.release();
    closeAndReport();
    if (!failure.isEmpty())
        throw AppError(failure);
}

void TSmtpClient::command(const QByteArray& text, quint64 session) {
    checkSession(this, session, session_);
    replyNumber_ = 0;
    if (socket_->state() != QAbstractSocket::ConnectedState)
        connectionLost();
    // Nothing is owed to us before a command goes out (the body's end is the
    // exception): whatever waits unread is not the reply to this command.
    if (!replyOwed_ && socket_->bytesAvailable() > 0)
        socket_->readAll();
    replyOwed_ = true;
    socket_->write(text + "\r\n");
    socket_->flush();
    readReply(session);
}

// A reply is read to its last line: the number is that of the first line,
// the text that of the last.
void TSmtpClient::readReply(quint64 session) {
    replyOwed_ = true;
    QByteArray line = readLine(session);
    const int number = replyNumber(line);
    while (continues(line))
        line = readLine(session);
    replyOwed_ = false;
    replyNumber_ = number;
    replyText_ = QString::fromLatin1(line);
}

QByteArray TSmtpClient::readLine(quint64 session) {
    QByteArray line;
    for (;;) {
        if (socket_->bytesAvailable() > 0) {
            line += socket_->readLine(kMaxReplyLine - line.size() + 1);
            if (line.endsWith('\n')) {
                if (line.size() > kMaxReplyLine)
                    streamBroken(smtperrors::kMessageTooLong);
                return line;
            }
            if (line.size() >= kMaxReplyLine)
                streamBroken(smtperrors::kMessageTooLong);
            continue;
        }
        if (socket_->state() != QAbstractSocket::ConnectedState)
            connectionLost();
        waitFor(
            [this] {
                return socket_->bytesAvailable() > 0 ||
                       socket_->state() != QAbstractSocket::ConnectedState;
            },
            session);
    }
}
