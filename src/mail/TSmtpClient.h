#pragma once
#include "mail/EmailSettings.h"
#include "mail/SmtpErrors.h"
#include "mail/SmtpText.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslError>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QSslSocket;
namespace mimemessage {
class MessageStream;
}

// The SMTP client of the e-mail window. It is a state machine on the
// user-interface thread: Connect, SendMail and Disconnect start an operation
// and return at once; socket notifications drive it on, and it never runs an
// event loop of its own. Each operation ends in an event: OnConnect,
// OnSuccess, OnDisconnect, or OnError with the text of the failure.
//
// The conversation: greeting, EHLO with this machine's name (HELO when EHLO is
// refused), STARTTLS and a second EHLO or TLS from the start, AUTH PLAIN or
// LOGIN when a sign-in user is set, then per mail RSET, MAIL FROM, RCPT TO,
// DATA, and QUIT at the end. Each reply is judged against the codes its
// command can get: a refusal ends the step as the command's own rule says, a
// code the command can never get ends the conversation, and a reply past the
// bounds of SmtpText.h ends it too. Certificates are checked against the trust store
// and the host name; there is no way round a refused one.
//
// Events with a "handled" flag pass it by reference: connect them directly
// (the default for an object on the same thread). A handler may call Connect
// or Disconnect, or destroy the client: an operation whose connection a
// handler closed ends without an error of its own. A handler must not run an
// event loop (a modal box's exec()): boxes open with open() and answer later.
class TSmtpClient : public QObject {
    Q_OBJECT
public:
    explicit TSmtpClient(QObject* parent = nullptr);
    ~TSmtpClient() override;

    // Settings, read when an operation needs them.
    QString Host; // host name, or a literal address used without a lookup
    quint16 Port = 25;
    MailSecurity Security = MailSecurity::None;
    QString AuthUser; // empty: no sign-in
    QString UserID;   // kept for the window; it never goes on the wire
    // The argument of EHLO and HELO; empty: this machine's host name.
    QString HeloName;
    TMailType SubType = mtPlain;
    QString Charset = QStringLiteral("us-ascii");
    bool ClearParams = true; // empty the recipients after a successful send
    int TimeOut = 0;         // milliseconds per wait; 0: no wait ever times out
    int ReportLevel = 0;     // kept for the window; the client reports no status texts

    TPostMessage PostMessage;

    // The password of the next sign-in; forgotten once it has been sent.
    void setPassword(const QString& password);
    // The certificates a server's chain must lead to; empty: the system's store.
    void setTrustStore(const QList<QSslCertificate>& certificates);

    // Resolve, open TCP (and TLS), read the greeting, EHLO, secure, sign in.
    void Connect();
    // Compose PostMessage and run the mail transaction. Does nothing while
    // another operation runs.
    void SendMail();
    // QUIT, then close; in the middle of an exchange, just close.
    void Disconnect();

    bool Connected() const { return connected_; }
    bool Busy() const { return connecting_ || sending_ || disconnecting_; }
    bool Encrypted() const;
    qint64 BytesSent() const { return bytesSent_; }
    qint64 BytesTotal() const { return bytesTotal_; }
    int ReplyNumber() const { return replyNumber_; }
    // The last line of the last reply, CR LF included.
    QString ReplyString() const { return replyText_; }
    // The Winsock code of the last socket failure, 0 when none.
    int LastError() const { return lastError_; }
    // The extensions the server's EHLO reply offered (upper-case keywords).
    const QStringList& Extensions() const { return extensions_; }
    // Why the last operation failed, by stage and cause; cause None when it
    // did not. A refused recipient is noted here too, though the send goes on.
    const SmtpFailure& Failure() const { return failure_; }
    // The largest mail the server takes, from SIZE in its EHLO reply; 0 when
    // it names none.
    qint64 SizeLimit() const;

signals:
    void OnHostResolved();
    void OnInvalidHost(bool& handled);
    void OnConnectionFailed();
    void OnConnect();
    void OnConnectionRequired(bool& handled);
    // hiType 1: the from address is empty; 2: there is no recipient.
    void OnHeaderIncomplete(bool& handled, int hiType);
    void OnSendStart();
    void OnRecipientNotFound(const QString& Recipient);
    void OnPacketSent();
    void OnFailure();
    void OnSuccess();
    void OnDisconnect();
    void OnAuthenticationFailed(bool& handled);
    // The server refused the user name or password.
    void OnSignInFailed();
    // An operation ended with this failure; Failure() says why in words.
    void OnError(const QString& text);
    // The client now waits for this step of the conversation.
    void OnWaiting(SmtpStage stage);

private:
    using Step = std::function<void()>;
    enum class Phase { Idle, Opening, Handshake, Talking };
    // Which operation and connection a continuation belongs to.
    struct Token {
        QPointer<TSmtpClient> self;
        quint64 session;
        quint64 op;
    };

    QSslSocket* makeSocket();
    QSslSocket* socket();
    Token token() { return {this, session_, op_}; }
    static bool current(const Token& t) {
        return t.self && t.self->session_ == t.session && t.self->op_ == t.op;
    }
    void beginOperation(bool TSmtpClient::*flag);
    void waitFor(SmtpStage stage);
    void note(SmtpCause cause, const QString& reply = {}, const QString& detail = {});
    // The reply just refused because the server takes it only over TLS.
    bool wantsTlsFirst() const;
    // A refusal: the server wants TLS first, or refused as such.
    void noteRefusal(const QString& detail = {});
    void endOperations();
    void fail(const QString& text);
    void quitThenFail(const QString& text);
    void streamBroken(int code);
    void breakOff(const QString& text);
    void replyTooLong();
    QString outOfOrderText(const char* command) const;
    smtptext::Verdict verdict(const char* command, std::initializer_list<int> success);
    void connectionLost();
    void closeSocket();
    void closeAndReport();

    void resolve(bool retried);
    void resolved(const QHostAddress& address, bool retried);
    void openTcp(const QHostAddress& address);
    void tcpOpen();
    void startTls(Step then);
    void greeted();
    void ehlo();
    void helo(bool retried);
    void secured();
    void signIn();
    void signInStep(std::initializer_list<int> success, const Step& next);
    void signInRefused();
    void connectDone();
    void startTransaction();
    void mailFrom();
    void recipient(qsizetype index);
    void data();
    void pumpBody();
    void endOfData();
    QByteArray takePassword();

    void command(const QByteArray& text, Step then);
    void awaitReply(Step then);
    void readReplies();
    void socketGone();
    void handleGone();
    void arm();
    void timedOut();
    qint64 backlog() const;
    int missingHeader() const;

    QSslSocket* socket_ = nullptr;
    QTimer waitTimer_;
    Phase phase_ = Phase::Idle;
    quint64 session_ = 0; // changes whenever the connection is closed
    quint64 op_ = 0;      // changes when an operation is taken over or ended
    bool connected_ = false;
    bool connecting_ = false;
    bool sending_ = false;
    bool disconnecting_ = false;
    bool sendAfterConnect_ = false; // a send waits for the connect a handler started
    bool replyOwed_ = false;        // a command or the body went out and its reply is not read yet
    bool goneQueued_ = false;
    Step onReply_;       // what runs when the awaited reply is complete
    Step afterTls_;      // what runs when the handshake is done
    QByteArray partial_; // the reply line read so far
    QList<QByteArray> replyLines_;
    int firstNumber_ = -1; // the number of the reply's first line, -1 before it

    QString quitFailure_; // the refusal a closing QUIT is on its way to report
    QString password_;
    QList<QSslCertificate> trustStore_;
    QList<QSslError> sslErrors_;
    QStringList extensions_;
    SmtpStage stage_ = SmtpStage::Lookup;
    SmtpFailure failure_;
    bool eightBit_ = false; // this mail goes out with BODY=8BITMIME

    int lookupId_ = -1;        // Qt's id, for aborting
    quint64 lookupSerial_ = 0; // tells the current lookup's result from abandoned ones

    std::unique_ptr<mimemessage::MessageStream> message_; // measured at MAIL FROM
    std::unique_ptr<mimemessage::MessageStream> body_;    // going out after DATA
    QByteArray chunk_;
    QStringList recipients_;
    int replyNumber_ = 0;
    QString replyText_;
    qint64 bytesSent_ = 0;
    qint64 bytesTotal_ = 0;
    int lastError_ = 0;
};
