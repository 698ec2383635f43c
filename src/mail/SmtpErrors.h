#pragma once
// Socket failures are reported to the user in the Winsock form "number:text"
// ("10061:Connection refused"), whatever the platform's own codes are.
#include <QAbstractSocket>
#include <QList>
#include <QSslError>
#include <QString>

// Where in the conversation a failure happened.
enum class SmtpStage {
    Lookup,     // finding the host's address
    Connecting, // opening the connection
    Greeting,   // waiting for the server's greeting
    Hello,      // EHLO / HELO
    StartTls,   // asking for STARTTLS
    Handshake,  // the TLS handshake
    SignIn,     // AUTH
    Sender,     // RSET and MAIL FROM
    Recipient,  // RCPT TO
    Data,       // DATA
    Message,    // the message itself and its end
    Goodbye     // QUIT
};

// What went wrong, as the user needs to know it.
enum class SmtpCause {
    None,
    HostNotFound,       // the name has no address
    PortClosed,         // nothing listens on the port
    Unreachable,        // no way to the host
    TimedOut,           // no progress within the time limit
    Dropped,            // the connection ended in the middle
    Refused,            // the server refused with a reply
    OutOfOrder,         // a reply the command can never get
    TooLong,            // a reply past the bounds
    NeedsTls,           // the server wants TLS first
    TlsNotOffered,      // STARTTLS asked for, not offered or refused
    AnsweredWithoutTls, // TLS asked for, the server spoke in clear
    Certificate,        // the certificate was refused
    TlsFailed,          // the handshake failed otherwise
    NoSignInWay,        // no sign-in mechanism this program knows
    SignInRefused       // user name or password refused
};

struct SmtpFailure {
    SmtpStage stage = SmtpStage::Lookup;
    SmtpCause cause = SmtpCause::None;
    QString reply;  // the server's reply line, when one caused it
    QString detail; // the recipient, or the certificate's faults
    QString host;
    quint16 port = 0;
    int seconds = 0; // the time limit, for TimedOut
};

namespace smtperrors {

// The failure in plain words, naming the stage and the cause; never a
// socket code or a TLS library's message. The server's own reply is quoted
// where it gives the reason.
QString words(const SmtpFailure& failure);

// The server's reply as it may be shown: one line, no control characters,
// not longer than a sentence.
QString shownReply(const QString& reply);

// What the client waits for at a stage, for the status line.
QString waitingFor(SmtpStage stage, const QString& host, quint16 port);

// True when a refusal says the server wants TLS first (530 and 538, or
// words naming STARTTLS or TLS).
bool asksForTls(int number, const QString& reply);

// A handshake that failed because the server answered in clear: the TLS
// library read a plain reply where a TLS record should be.
bool answeredInClear(const QString& socketText);

} // namespace smtperrors

namespace smtperrors {

// The codes the client tells apart; each keeps the number it is reported with.
inline constexpr int kWouldBlock = 10035;
inline constexpr int kTimedOut = 10060;
inline constexpr int kNotConnected = 10057;
inline constexpr int kMessageTooLong = 10040;
inline constexpr int kConnectionRefused = 10061;
inline constexpr int kHostNotFound = 11001;
inline constexpr int kUnknown = -1;

// The text of a Winsock code: "10057:Socket is not connected"; a code without
// a text gives "Unknown Error No. " and the code.
QString text(int code);

// The Winsock code closest to what Qt reports for a socket or a name lookup.
int codeFor(QAbstractSocket::SocketError error);

// Why a secure connection could not be made, in words: the certificate's
// faults ("certificate expired", "name does not match", ...) when it was
// refused, else what the socket said (the server closed the handshake).
QString tlsFailure(const QList<QSslError>& errors, const QString& socketText);

// The certificate's faults in words, with the names it was made for when
// they do not match: "name does not match: made for wrong.example".
QString certificateFaults(const QList<QSslError>& errors);

} // namespace smtperrors
