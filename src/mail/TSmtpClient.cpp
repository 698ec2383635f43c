#include "mail/TSmtpClient.h"

#include "mail/MailText.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpErrors.h"

#include <QHostInfo>
#include <QSslConfiguration>
#include <QSslSocket>
#include <utility>

using namespace smtptext;

namespace {

// Qt keeps at most this much unread input per socket, so a flooding server
// cannot grow memory while nobody reads.
constexpr qint64 kReadBuffer = 4 * kMaxReplyLine;
// The body goes out in pieces of this size, each reported by OnPacketSent;
// no more than kBacklog bytes wait in the socket, so memory stays flat. Four
// pieces keep the connection busy between two socket notifications (two left
// it idle, ~15 % slower than curl) and each turn of the loop short.
constexpr qint64 kChunk = 65536;
constexpr qint64 kBacklog = 4 * kChunk;

QString machineName() {
    const QString name = fieldText(QHostInfo::localHostName()).simplified().remove(u' ');
    return name.isEmpty() ? QStringLiteral("localhost") : name;
}

} // namespace

TSmtpClient::TSmtpClient(QObject* parent) : QObject(parent) {
    waitTimer_.setSingleShot(true);
    waitTimer_.setTimerType(Qt::PreciseTimer);
    connect(&waitTimer_, &QTimer::timeout, this, &TSmtpClient::timedOut);
}

TSmtpClient::~TSmtpClient() {
    password_.fill(QChar(0));
    if (lookupId_ != -1)
        QHostInfo::abortHostLookup(lookupId_);
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

QSslSocket* TSmtpClient::makeSocket() {
    auto* s = new QSslSocket(this);
    s->setReadBufferSize(kReadBuffer);
    connect(s, &QSslSocket::connected, this, &TSmtpClient::tcpOpen);
    connect(s, &QSslSocket::readyRead, this, &TSmtpClient::readReplies);
    connect(s, &QSslSocket::bytesWritten, this, &TSmtpClient::pumpBody);
    connect(s, &QSslSocket::encryptedBytesWritten, this, &TSmtpClient::pumpBody);
    connect(s, &QSslSocket::encrypted, this, [this] {
        if (phase_ != Phase::Handshake)
            return;
        phase_ = Phase::Talking;
        waitTimer_.stop();
        if (Step then = std::exchange(afterTls_, {}))
            then();
    });
    connect(s, &QSslSocket::sslErrors, this,
            [this](const QList<QSslError>& errors) { sslErrors_ += errors; });
    connect(s, &QSslSocket::disconnected, this, &TSmtpClient::socketGone);
    connect(s, &QSslSocket::errorOccurred, this, &TSmtpClient::socketGone);
    return s;
}

bool TSmtpClient::Encrypted() const {
    return socket_ && socket_->isEncrypted();
}

// Made when first needed: the secure socket loads its TLS library, which a
// program that sends no mail never needs.
QSslSocket* TSmtpClient::socket() {
    if (!socket_)
        socket_ = makeSocket();
    return socket_;
}

void TSmtpClient::setPassword(const QString& password) {
    password_.fill(QChar(0));
    password_ = password;
}

void TSmtpClient::setTrustStore(const QList<QSslCertificate>& certificates) {
    trustStore_ = certificates;
}

// --- operations and their ends ---------------------------------------------

void TSmtpClient::beginOperation(bool TSmtpClient::*flag) {
    ++op_;
    this->*flag = true;
    failure_ = {};
}

void TSmtpClient::waitFor(SmtpStage stage) {
    stage_ = stage;
    emit OnWaiting(stage);
}

void TSmtpClient::note(SmtpCause cause, const QString& reply, const QString& detail) {
    failure_.stage = stage_;
    failure_.cause = cause;
    failure_.reply = reply;
    failure_.detail = detail;
    failure_.host = Host;
    failure_.port = Port;
    failure_.seconds = (TimeOut + 999) / 1000;
}

bool TSmtpClient::wantsTlsFirst() const {
    // A passing refusal (4xx) is no reason to change the setup.
    return !Encrypted() && replyNumber_ >= 500 && smtperrors::asksForTls(replyNumber_, replyText_);
}

void TSmtpClient::noteRefusal(const QString& detail) {
    note(wantsTlsFirst() ? SmtpCause::NeedsTls : SmtpCause::Refused, replyText_, detail);
}

void TSmtpClient::endOperations() {
    ++op_;
    connecting_ = sending_ = disconnecting_ = sendAfterConnect_ = false;
    quitFailure_.clear();
    onReply_ = {};
    afterTls_ = {};
    waitTimer_.stop();
}

// Ends whatever runs with this failure; the connection stays as it is.
void TSmtpClient::fail(const QString& text) {
    endOperations();
    emit OnError(text);
}

// A refusal while connecting: end the session politely, then report the
// refusal (the QUIT's own outcome is not what went wrong).
void TSmtpClient::quitThenFail(const QString& text) {
    quitFailure_ = text;
    const Token t = token();
    if (!connected_ || replyOwed_ || phase_ != Phase::Talking) {
        closeAndReport();
        if (t.self)
            t.self->fail(text);
        return;
    }
    command("QUIT", [this, text, t] {
        closeAndReport();
        if (t.self)
            t.self->fail(text);
    });
}

void TSmtpClient::connectionLost() {
    note(SmtpCause::Dropped);
    int code = smtperrors::codeFor(socket()->error());
    if (code == smtperrors::kUnknown || code == smtperrors::kWouldBlock)
        code = smtperrors::kNotConnected;
    streamBroken(code);
}

// The conversation cannot go on in step (the connection is gone, a reply is
// unreadable, a wait timed out): close it and fail with the Winsock text.
void TSmtpClient::streamBroken(int code) {
    lastError_ = code;
    breakOff(smtperrors::text(code));
}

// No QUIT: its reply could not be told apart from what is out of step.
void TSmtpClient::breakOff(const QString& text) {
    QPointer<TSmtpClient> self(this);
    closeAndReport();
    if (self)
        fail(text);
}

void TSmtpClient::replyTooLong() {
    note(SmtpCause::TooLong);
    lastError_ = smtperrors::kMessageTooLong;
    breakOff(tr("The mail server sent a reply longer than a mail server may send (more than "
                "%1 lines, or a line of more than %2 characters); the connection was closed "
                "and the e-mail was not sent")
                 .arg(kMaxReplyLines)
                 .arg(kMaxReplyLine));
}

QString TSmtpClient::outOfOrderText(const char* command) const {
    const QString reply = replyText_.trimmed();
    if (!command)
        return tr("The mail server greeted with a reply out of order (%1); the connection was "
                  "closed and the e-mail was not sent")
            .arg(reply);
    const QString name =
        qstrcmp(command, ".") == 0 ? tr("the end of the mail") : QString::fromLatin1(command);
    return tr("The mail server answered %1 with a reply out of order (%2); the connection was "
              "closed and the e-mail was not sent")
        .arg(name, reply);
}

// The reply just read, judged against the codes the command can get. A
// reply the command can never get means the server is out of step: nothing
// it says can be trusted any more, least of all a later "250" to the end of
// the mail, so the conversation ends here.
Verdict TSmtpClient::verdict(const char* command, std::initializer_list<int> success) {
    const Verdict v = judge(replyNumber_, success);
    if (v == Verdict::OutOfOrder) {
        note(SmtpCause::OutOfOrder, replyText_);
        breakOff(outOfOrderText(command));
    }
    return v;
}

void TSmtpClient::closeSocket() {
    ++session_;
    connected_ = false;
    replyOwed_ = false;
    phase_ = Phase::Idle;
    onReply_ = {};
    afterTls_ = {};
    partial_.clear();
    replyLines_.clear();
    firstNumber_ = -1;
    body_.reset();
    message_.reset();
    waitTimer_.stop();
    ++lookupSerial_;
    if (lookupId_ != -1) {
        QHostInfo::abortHostLookup(lookupId_);
        lookupId_ = -1;
    }
    QSslSocket* old = std::exchange(socket_, nullptr);
    if (!old)
        return;
    old->disconnect(this);
    old->abort();
    // Maybe inside one of its own signals: deleted back in the event loop.
    old->deleteLater();
}

// Closes the socket and, if a connection was up, raises OnDisconnect. The
// handler may destroy the client: callers touch nothing afterwards.
void TSmtpClient::closeAndReport() {
    const bool wasConnected = connected_;
    closeSocket();
    if (wasConnected)
        emit OnDisconnect();
}

void TSmtpClient::arm() {
    if (TimeOut > 0)
        waitTimer_.start(TimeOut);
}

void TSmtpClient::timedOut() {
    if (!Busy())
        return;
    note(SmtpCause::TimedOut);
    if (phase_ == Phase::Opening && !connected_) {
        // Still resolving or opening: nothing is up to close politely.
        lastError_ = smtperrors::kTimedOut;
        closeSocket();
        fail(smtperrors::text(smtperrors::kTimedOut));
        return;
    }
    streamBroken(smtperrors::kTimedOut);
}

// --- connect ----------------------------------------------------------------

void TSmtpClient::Connect() {
    if (connected_ || connecting_) {
        failure_ = {}; // the words are the client's own, no stage of the server's
        emit OnError(tr("Already connected"));
        return;
    }
    beginOperation(&TSmtpClient::connecting_);
    sslErrors_.clear();
    extensions_.clear();
    phase_ = Phase::Opening;
    resolve(false);
}

void TSmtpClient::resolve(bool retried) {
    QHostAddress literal;
    if (literal.setAddress(Host)) {
        openTcp(literal);
        return;
    }
    const quint64 serial = ++lookupSerial_;
    waitFor(SmtpStage::Lookup);
    arm();
    lookupId_ = QHostInfo::lookupHost(Host, this, [this, serial, retried](const QHostInfo& info) {
        if (serial != lookupSerial_)
            return; // an abandoned lookup
        lookupId_ = -1;
        waitTimer_.stop();
        // Prefer IPv4 as the old socket layer did; take anything else after.
        QHostAddress found;
        const auto addresses = info.addresses();
        for (const QHostAddress& a : addresses) {
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                found = a;
                break;
            }
        }
        if (found.isNull() && !addresses.isEmpty())
            found = addresses.first();
        resolved(found, retried);
    });
}

void TSmtpClient::resolved(const QHostAddress& address, bool retried) {
    const Token t = token();
    if (address.isNull()) {
        note(SmtpCause::HostNotFound);
        bool handled = false;
        if (!retried) {
            emit OnInvalidHost(handled);
            if (!current(t))
                return;
        }
        if (handled)
            resolve(true);
        else
            fail(tr("Null Remote Address"));
        return;
    }
    emit OnHostResolved();
    if (current(t))
        openTcp(address);
}

void TSmtpClient::openTcp(const QHostAddress& address) {
    phase_ = Phase::Opening;
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    if (!trustStore_.isEmpty())
        conf.setCaCertificates(trustStore_);
    conf.setPeerVerifyMode(QSslSocket::VerifyPeer);
    conf.setProtocol(QSsl::SecureProtocols);
    socket()->setSslConfiguration(conf);
    // The address was looked up here: the certificate must name the host the user gave.
    socket()->setPeerVerifyName(Host);
    waitFor(SmtpStage::Connecting);
    arm();
    socket()->connectToHost(address, Port);
}

void TSmtpClient::tcpOpen() {
    if (phase_ != Phase::Opening)
        return;
    waitTimer_.stop();
    // Commands and the end-of-data line are small writes: without this the
    // kernel holds each one back until the server's delayed acknowledgement
    // of the data before it, up to 40 ms a time.
    socket()->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connected_ = true;
    phase_ = Phase::Talking;
    if (Security == MailSecurity::Tls) {
        startTls([this] {
            waitFor(SmtpStage::Greeting);
            awaitReply([this] { greeted(); });
        });
    } else {
        waitFor(SmtpStage::Greeting);
        awaitReply([this] { greeted(); });
    }
}

void TSmtpClient::startTls(Step then) {
    // Whatever the server sent before the handshake is not covered by it and
    // must not be taken as a reply afterwards.
    socket()->readAll();
    partial_.clear();
    phase_ = Phase::Handshake;
    afterTls_ = std::move(then);
    waitFor(SmtpStage::Handshake);
    arm();
    socket()->startClientEncryption();
}

void TSmtpClient::greeted() {
    switch (verdict(nullptr, {220})) {
    case Verdict::Accepted:
        ehlo();
        return;
    case Verdict::Refused:
        note(SmtpCause::Refused, replyText_);
        quitThenFail(replyText_);
        return;
    case Verdict::OutOfOrder:
        return;
    }
}

void TSmtpClient::ehlo() {
    const QString name = HeloName.isEmpty() ? machineName() : fieldText(HeloName);
    waitFor(SmtpStage::Hello);
    command("EHLO " + name.toUtf8(), [this] {
        const Verdict v = verdict("EHLO", {250});
        if (v == Verdict::OutOfOrder)
            return;
        if (v == Verdict::Refused) {
            helo(false);
            return;
        }
        extensions_.clear();
        for (qsizetype i = 1; i < replyLines_.size(); ++i) {
            const QByteArray words = replyLines_[i].mid(4).trimmed().toUpper();
            extensions_ << QString::fromLatin1(words);
        }
        secured();
    });
}

void TSmtpClient::helo(bool retried) {
    const QString name = HeloName.isEmpty() ? machineName() : fieldText(HeloName);
    command("HELO " + name.toUtf8(), [this, retried] {
        const Verdict v = verdict("HELO", {250});
        if (v == Verdict::OutOfOrder)
            return;
        if (v == Verdict::Accepted) {
            extensions_.clear();
            secured();
            return;
        }
        const Token t = token();
        bool handled = false;
        if (!retried) {
            emit OnAuthenticationFailed(handled);
            if (!current(t))
                return;
        }
        if (handled) {
            helo(true);
        } else {
            note(SmtpCause::Refused, replyText_);
            quitThenFail(tr("Authentication failed"));
        }
    });
}

// After an accepted EHLO or HELO: secure the connection when it must be and
// is not yet, then sign in.
void TSmtpClient::secured() {
    if (Security == MailSecurity::StartTls && !socket()->isEncrypted()) {
        if (!extensions_.contains(QStringLiteral("STARTTLS"))) {
            note(SmtpCause::TlsNotOffered);
            quitThenFail(tr("The mail server does not offer STARTTLS, so the "
                            "connection cannot be secured; the e-mail was not sent"));
            return;
        }
        waitFor(SmtpStage::StartTls);
        command("STARTTLS", [this] {
            const Verdict v = verdict("STARTTLS", {220});
            if (v == Verdict::OutOfOrder)
                return;
            if (v == Verdict::Refused) {
                note(SmtpCause::Refused, replyText_);
                quitThenFail(replyText_);
                return;
            }
            startTls([this] { ehlo(); });
        });
        return;
    }
    if (!AuthUser.isEmpty())
        signIn();
    else
        connectDone();
}

QByteArray TSmtpClient::takePassword() {
    QByteArray bytes = password_.toUtf8();
    password_.fill(QChar(0));
    password_.clear();
    return bytes;
}

void TSmtpClient::signIn() {
    QStringList mechanisms;
    for (const QString& e : std::as_const(extensions_)) {
        if (e.startsWith(QStringLiteral("AUTH ")) || e.startsWith(QStringLiteral("AUTH=")))
            mechanisms += e.mid(5).split(u' ', Qt::SkipEmptyParts);
    }
    const QByteArray user = AuthUser.toUtf8();
    waitFor(SmtpStage::SignIn);
    if (mechanisms.contains(QStringLiteral("PLAIN"))) {
        QByteArray secret = takePassword();
        QByteArray blob = ('\0' + user + '\0' + secret).toBase64();
        secret.fill(0);
        command("AUTH PLAIN " + blob, [this] { signInStep({235}, [this] { connectDone(); }); });
        blob.fill(0);
    } else if (mechanisms.contains(QStringLiteral("LOGIN"))) {
        command("AUTH LOGIN", [this, user] {
            signInStep({334}, [this, user] {
                command(user.toBase64(), [this] {
                    signInStep({334}, [this] {
                        QByteArray secret = takePassword();
                        QByteArray blob = secret.toBase64();
                        secret.fill(0);
                        command(blob, [this] { signInStep({235}, [this] { connectDone(); }); });
                        blob.fill(0);
                    });
                });
            });
        });
    } else {
        takePassword();
        // Many servers offer a sign-in only once the connection is secured.
        const bool afterTls = !Encrypted() && extensions_.contains(QStringLiteral("STARTTLS"));
        note(afterTls ? SmtpCause::NeedsTls : SmtpCause::NoSignInWay);
        quitThenFail(tr("The mail server offers no way to sign in that this program "
                        "knows (PLAIN, LOGIN); the e-mail was not sent"));
    }
}

// A reply in the sign-in: on with `next` when it has the code this stage
// needs, to the refusal when refused; a reply out of order has ended the
// conversation already.
void TSmtpClient::signInStep(std::initializer_list<int> success, const Step& next) {
    const Verdict v = verdict("AUTH", success);
    if (v == Verdict::Accepted)
        next();
    else if (v == Verdict::Refused)
        signInRefused();
}

void TSmtpClient::signInRefused() {
    const QString reply = replyText_.trimmed();
    const bool tlsFirst = wantsTlsFirst();
    note(tlsFirst ? SmtpCause::NeedsTls : SmtpCause::SignInRefused, replyText_);
    const Token t = token();
    if (!tlsFirst)
        emit OnSignInFailed();
    if (!current(t))
        return;
    quitThenFail(tr("The mail server refused the sign-in (%1)").arg(reply));
}

void TSmtpClient::connectDone() {
    connecting_ = false;
    const bool sendNow = std::exchange(sendAfterConnect_, false);
    const Token t = token();
    emit OnConnect();
    if (sendNow && current(t) && connected_)
        startTransaction();
}

// --- send mail -------------------------------------------------------------

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
    beginOperation(&TSmtpClient::sending_);
    const Token t = token();
    if (!connected_) {
        bool handled = false;
        emit OnConnectionRequired(handled);
        if (!t.self)
            return;
        if (handled && connecting_) {
            sendAfterConnect_ = true; // goes on when the handler's connect is done
            return;
        }
        if (!handled || !connected_) {
            // A connect the handler started and that failed has told its own failure.
            if (op_ == t.op || !handled)
                fail(tr("Not Connected"));
            return;
        }
    }
    startTransaction();
}

void TSmtpClient::startTransaction() {
    sending_ = true;
    const Token t = token();
    if (const int hiType = missingHeader()) {
        bool handled = false;
        emit OnHeaderIncomplete(handled, hiType);
        if (!current(t))
            return;
        if (!handled || missingHeader()) {
            fail(tr("Incomplete Header"));
            return;
        }
    }
    emit OnSendStart();
    if (!current(t))
        return;
    waitFor(SmtpStage::Sender);
    command("RSET", [this] {
        const Verdict v = verdict("RSET", {250});
        if (v == Verdict::Refused) {
            noteRefusal(PostMessage.FromAddress);
            fail(replyText_);
        } else if (v == Verdict::Accepted)
            mailFrom();
    });
}

qint64 TSmtpClient::SizeLimit() const {
    for (const QString& e : extensions_) {
        if (e.startsWith(QStringLiteral("SIZE ")))
            return std::max<qint64>(0, e.mid(5).trimmed().toLongLong());
    }
    return 0;
}

void TSmtpClient::mailFrom() {
    recipients_ = PostMessage.ToAddress;
    eightBit_ = false;
    QByteArray params;
    bool ascii = true;
    for (const QByteArray& block : std::as_const(PostMessage.Body))
        ascii = ascii && mailtext::isAscii(block);
    if (!ascii && extensions_.contains(QStringLiteral("8BITMIME"))) {
        eightBit_ = true;
        params += " BODY=8BITMIME";
    }
    // Measured before the transaction: a mail over the server's limit, or
    // with a file gone, is refused here rather than after megabytes.
    message_ =
        std::make_unique<mimemessage::MessageStream>(PostMessage, SubType, Charset, eightBit_);
    if (!message_->error().isEmpty()) {
        fail(message_->error());
        return;
    }
    const qint64 wireBytes = message_->header().size() + message_->size();
    const QString over = mimemessage::overLimit(0, wireBytes, SizeLimit());
    if (!over.isEmpty()) {
        fail(over);
        return;
    }
    if (extensions_.contains(QStringLiteral("SIZE")) || SizeLimit() > 0)
        params += " SIZE=" + QByteArray::number(wireBytes);
    bool asciiAddresses = mailtext::isAscii(PostMessage.FromAddress);
    for (const QString& r : std::as_const(recipients_))
        asciiAddresses = asciiAddresses && mailtext::isAscii(r);
    if (!asciiAddresses && extensions_.contains(QStringLiteral("SMTPUTF8")))
        params += " SMTPUTF8";
    command("MAIL FROM:<" + fieldText(PostMessage.FromAddress).toUtf8() + ">" + params, [this] {
        const Verdict v = verdict("MAIL", {250});
        if (v == Verdict::Refused) {
            noteRefusal(PostMessage.FromAddress);
            fail(replyText_);
        } else if (v == Verdict::Accepted)
            recipient(0);
    });
}

void TSmtpClient::recipient(qsizetype index) {
    for (; index < recipients_.size(); ++index) {
        const QString address = fieldText(bareAddress(recipients_[index]));
        if (address.isEmpty())
            continue;
        waitFor(SmtpStage::Recipient);
        command("RCPT TO:<" + address.toUtf8() + ">", [this, index] {
            const Verdict v = verdict("RCPT", {250, 251});
            if (v == Verdict::OutOfOrder)
                return;
            if (v == Verdict::Refused) {
                noteRefusal(recipients_[index]);
                const Token t = token();
                emit OnRecipientNotFound(recipients_[index]);
                if (!current(t))
                    return;
            }
            recipient(index + 1);
        });
        return;
    }
    data();
}

void TSmtpClient::data() {
    waitFor(SmtpStage::Data);
    command("DATA", [this] {
        const Verdict v = verdict("DATA", {354});
        if (v == Verdict::OutOfOrder)
            return;
        if (v == Verdict::Refused) {
            noteRefusal();
            fail(replyText_);
            return;
        }
        waitFor(SmtpStage::Message);
        // From here to the reply of the end-of-data line the stream is inside
        // the message: no other command may go out.
        replyOwed_ = true;
        body_ = std::move(message_); // made by mailFrom() of this transaction
        socket()->write(body_->header());
        bytesTotal_ = body_->size();
        bytesSent_ = 0;
        chunk_.resize(kChunk);
        pumpBody();
    });
}

qint64 TSmtpClient::backlog() const {
    return socket_ ? socket_->bytesToWrite() + socket_->encryptedBytesToWrite() : 0;
}

// Hands the body to the socket while little of it waits there; the socket's
// next "written" notice brings the client back for more.
void TSmtpClient::pumpBody() {
    if (!body_)
        return;
    const Token t = token();
    while (current(t) && body_ && backlog() <= kBacklog) {
        if (socket()->state() != QAbstractSocket::ConnectedState) {
            connectionLost();
            return;
        }
        const qsizetype n = body_->read(chunk_.data(), kChunk);
        if (n < 0) {
            // Without the end-of-data line the server drops what it has.
            breakOff(body_->error());
            return;
        }
        if (n == 0) {
            body_.reset();
            endOfData();
            return;
        }
        socket()->write(chunk_.constData(), n);
        bytesSent_ += n;
        emit OnPacketSent();
    }
    if (current(t))
        arm();
}

void TSmtpClient::endOfData() {
    command(".", [this] {
        const Verdict v = verdict(".", {250});
        if (v == Verdict::OutOfOrder)
            return;
        if (v == Verdict::Refused) {
            note(SmtpCause::Refused, replyText_);
            // The handler usually disconnects, which replaces the reply text.
            const QString refusal = replyText_;
            const Token t = token();
            emit OnFailure();
            // A handler that disconnected took the operation over: the
            // refusal is still told, the goodbye it started goes on.
            if (current(t))
                fail(refusal);
            else if (t.self)
                emit OnError(refusal);
            return;
        }
        if (ClearParams)
            PostMessage.ToAddress.clear();
        sending_ = false;
        ++op_;
        emit OnSuccess();
    });
}

// --- disconnect ------------------------------------------------------------

void TSmtpClient::Disconnect() {
    if (!connected_ && !connecting_) {
        failure_ = {};
        emit OnError(smtperrors::text(smtperrors::kNotConnected));
        return;
    }
    if (!connected_ || disconnecting_ || replyOwed_ || phase_ != Phase::Talking ||
        socket()->state() != QAbstractSocket::ConnectedState) {
        // A connect in progress, a QUIT the server does not answer, or a reply
        // still owed: a QUIT now could not be told apart from it, so just close.
        endOperations();
        closeAndReport();
        return;
    }
    // Whatever ran (a handler called this between commands) ends here.
    endOperations();
    beginOperation(&TSmtpClient::disconnecting_);
    stage_ = SmtpStage::Goodbye; // not told: the status line keeps what the send said
    const Token t = token();
    command("QUIT", [this, t] {
        // The connection closes either way; a refusal or a reply out of order is told.
        QString failure;
        switch (judge(replyNumber_, {221}, 340)) {
        case Verdict::Accepted:
            break;
        case Verdict::Refused:
            note(SmtpCause::Refused, replyText_);
            failure = replyText_;
            break;
        case Verdict::OutOfOrder:
            failure = outOfOrderText("QUIT");
            break;
        }
        endOperations();
        closeAndReport();
        if (t.self && !failure.isEmpty())
            t.self->fail(failure);
    });
}

// --- the wire ----------------------------------------------------------------

void TSmtpClient::command(const QByteArray& text, Step then) {
    replyNumber_ = 0;
    if (socket()->state() != QAbstractSocket::ConnectedState) {
        connectionLost();
        return;
    }
    // Nothing is owed to us before a command goes out (the body's end is the
    // exception): whatever waits unread is not the reply to this command.
    if (!replyOwed_ && socket()->bytesAvailable() > 0) {
        socket()->readAll();
        partial_.clear();
    }
    socket()->write(text + "\r\n");
    awaitReply(std::move(then));
}

void TSmtpClient::awaitReply(Step then) {
    replyOwed_ = true;
    replyLines_.clear();
    firstNumber_ = -1;
    onReply_ = std::move(then);
    arm();
    if (socket()->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &TSmtpClient::readReplies, Qt::QueuedConnection);
}

// A reply is read to its last line: the number is that of the first line,
// the text that of the last.
void TSmtpClient::readReplies() {
    // Before the connection is open, and during a handshake, nothing is a reply.
    if (phase_ != Phase::Talking)
        return;
    QPointer<TSmtpClient> self(this);
    while (self && onReply_ && socket()->bytesAvailable() > 0) {
        partial_ += socket()->readLine(kMaxReplyLine - partial_.size() + 1);
        if (!partial_.endsWith('\n')) {
            if (partial_.size() >= kMaxReplyLine) {
                replyTooLong();
                return;
            }
            continue;
        }
        if (partial_.size() > kMaxReplyLine) {
            replyTooLong();
            return;
        }
        const QByteArray line = std::exchange(partial_, {});
        if (firstNumber_ < 0)
            firstNumber_ = replyNumber(line);
        replyLines_ << line;
        if (continues(line)) {
            if (replyLines_.size() >= kMaxReplyLines) {
                replyTooLong();
                return;
            }
            continue;
        }
        waitTimer_.stop();
        replyOwed_ = false;
        replyNumber_ = firstNumber_;
        replyText_ = QString::fromLatin1(line);
        Step then = std::exchange(onReply_, {});
        then();
    }
}

void TSmtpClient::socketGone() {
    // Never close or raise events from inside the socket's own signal.
    if (goneQueued_)
        return;
    goneQueued_ = true;
    QMetaObject::invokeMethod(this, &TSmtpClient::handleGone, Qt::QueuedConnection);
}

void TSmtpClient::handleGone() {
    goneQueued_ = false;
    if (socket()->state() == QAbstractSocket::ConnectedState &&
        socket()->error() != QAbstractSocket::SslHandshakeFailedError)
        return; // a passing error (a handshake warning); the connection is up
    // What the server sent before it closed is still read.
    readReplies();
    switch (phase_) {
    case Phase::Idle:
        return;
    case Phase::Opening: {
        if (!connecting_)
            return;
        lastError_ = smtperrors::codeFor(socket()->error());
        switch (lastError_) {
        case smtperrors::kConnectionRefused:
            note(SmtpCause::PortClosed);
            break;
        case smtperrors::kHostNotFound:
            note(SmtpCause::HostNotFound);
            break;
        case smtperrors::kTimedOut:
            note(SmtpCause::TimedOut);
            break;
        default:
            note(SmtpCause::Unreachable);
            break;
        }
        socket()->abort();
        phase_ = Phase::Idle;
        const Token t = token();
        emit OnConnectionFailed();
        if (current(t))
            fail(tr("Connection Failed"));
        return;
    }
    case Phase::Handshake: {
        const QString why = smtperrors::tlsFailure(sslErrors_, socket()->errorString());
        if (!sslErrors_.isEmpty())
            note(SmtpCause::Certificate, {}, smtperrors::certificateFaults(sslErrors_));
        else if (smtperrors::answeredInClear(socket()->errorString()))
            note(SmtpCause::AnsweredWithoutTls);
        else
            note(SmtpCause::TlsFailed);
        QPointer<TSmtpClient> self(this);
        closeAndReport();
        if (self)
            fail(why);
        return;
    }
    case Phase::Talking:
        if (disconnecting_ || !quitFailure_.isEmpty()) {
            // Gone while saying goodbye: closed, as asked; a refusal before
            // the goodbye is still what is reported.
            const QString failure = quitFailure_;
            QPointer<TSmtpClient> self(this);
            endOperations();
            closeAndReport();
            if (self && !failure.isEmpty())
                fail(failure);
        } else if (onReply_ || body_) {
            connectionLost();
        } else if (connected_ && !Busy()) {
            // The server closed an idle connection: close our side the same way.
            closeAndReport();
        }
        return;
    }
}
