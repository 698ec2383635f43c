#pragma once
#include "mail/SmtpText.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QEventLoop;
class QHostInfo;
class QTcpSocket;

// The SMTP client of the e-mail window: HELO, then one mail with RSET, MAIL
// FROM, RCPT TO and DATA, then QUIT. It runs on the user-interface thread;
// every wait (name lookup, TCP open, a reply, a full send buffer) is a local
// event loop, so the windows keep answering while it waits.
//
// Events are signals. Those with a "handled" flag pass it by reference: the
// handler sets it to true to take the offered way out. Reference arguments
// only work with direct calls, so connect them with Qt::DirectConnection (or
// the default, the client lives on the caller's thread); a queued connection
// cannot carry them.
//
// Reentrancy: handlers and anything the windows do during a wait may call
// Connect or Disconnect, or destroy the client. An operation whose connection
// was closed or replaced underneath it ends with "10057:Socket is not
// connected"; once the client is destroyed the interrupted frames touch
// nothing of it. SendMail returns at once while a connect, a send or a
// disconnect is in progress.
class TSmtpClient : public QObject {
    Q_OBJECT
public:
    explicit TSmtpClient(QObject* parent = nullptr);
    ~TSmtpClient() override;

    // Settings, read when an operation needs them.
    QString Host; // host name, or a literal address used without a lookup
    quint16 Port = 25;
    QString UserID; // the argument of HELO
    TMailType SubType = mtPlain;
    QString Charset = QStringLiteral("us-ascii");
    bool ClearParams = true; // empty the recipients after a successful send
    int TimeOut = 0;         // milliseconds per wait; 0: no wait ever times out
    int ReportLevel = 0;     // kept for the window; the client reports no status texts

    TPostMessage PostMessage;

    // Resolve, open TCP, read the greeting, HELO. Throws AppError on failure.
    void Connect();
    // Compose PostMessage and run the mail transaction. Throws AppError on failure.
    void SendMail();
    // QUIT, then close. Throws AppError on a refused or unreadable QUIT reply
    // (after closing) or when nothing is open.
    void Disconnect();

    bool Connected() const { return connected_; }
    bool Busy() const { return connecting_ || sending_ || disconnecting_; }
    qint64 BytesSent() const { return bytesSent_; }
    qint64 BytesTotal() const { return bytesTotal_; }
    int ReplyNumber() const { return replyNumber_; }
    // The last line of the last reply, CR LF included.
    QString ReplyString() const { return replyText_; }
    // The Winsock code of the last socket failure, 0 when none.
    int LastError() const { return lastError_; }

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

private:
    friend class SmtpOperation;

    QTcpSocket* makeSocket();
    void wake();
    void socketGone();
    void closeIfPeerGone();
    bool operationActive() const { return connecting_ || sending_ || disconnecting_; }

    void waitFor(const std::function<bool()>& ready, quint64 session);
    QHostAddress resolve(quint64 session);
    void openTcp(const QHostAddress& address, quint64 session);
    void helo(quint64 session);
    void quitAfterError();

    void command(const QByteArray& text, quint64 session);
    void readReply(quint64 session);
    QByteArray readLine(quint64 session);
    void writeAll(const char* data, qint64 size, quint64 session, qint64 backlog);
    void sendBody(const QByteArray& header, smtptext::BodyStream& body, quint64 session);
    [[noreturn]] void connectionLost();
    [[noreturn]] void streamBroken(int code);
    void closeSocket();
    void closeAndReport();
    int missingHeader() const;

    QTcpSocket* socket_ = nullptr;
    QList<QEventLoop*> loops_; // the waits in progress, innermost last
    quint64 session_ = 0;      // changes whenever the connection is closed
    bool connected_ = false;
    bool connecting_ = false;
    bool sending_ = false;
    bool disconnecting_ = false;
    bool replyOwed_ = false; // a command or the body went out and its reply is not read yet

    int lookupId_ = -1;        // Qt's id, for aborting
    quint64 lookupSerial_ = 0; // tells the current lookup's result from abandoned ones
    bool lookupDone_ = false;
    QHostAddress lookupResult_;

    int replyNumber_ = 0;
    QString replyText_;
    qint64 bytesSent_ = 0;
    qint64 bytesTotal_ = 0;
    int lastError_ = 0;
};
