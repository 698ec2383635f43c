#include "mail/SmtpErrors.h"

#include <QCoreApplication>
#include <QSslCertificate>
#include <utility>

namespace smtperrors {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SmtpErrors)
};

const std::pair<int, const char*> kTexts[] = {
    {10004, QT_TRANSLATE_NOOP("SmtpErrors", "Interrupted system call")},
    {10009, QT_TRANSLATE_NOOP("SmtpErrors", "Bad file number")},
    {10013, QT_TRANSLATE_NOOP("SmtpErrors", "Permission denied")},
    {10014, QT_TRANSLATE_NOOP("SmtpErrors", "Bad address")},
    {10022, QT_TRANSLATE_NOOP("SmtpErrors", "Invalid argument")},
    {10024, QT_TRANSLATE_NOOP("SmtpErrors", "Too many open files")},
    {10035, QT_TRANSLATE_NOOP("SmtpErrors", "Operation would block")},
    {10036, QT_TRANSLATE_NOOP("SmtpErrors", "Operation now in progress")},
    {10037, QT_TRANSLATE_NOOP("SmtpErrors", "Operation already in progress")},
    {10038, QT_TRANSLATE_NOOP("SmtpErrors", "Socket operation on non-socket")},
    {10039, QT_TRANSLATE_NOOP("SmtpErrors", "Destination address required")},
    {10040, QT_TRANSLATE_NOOP("SmtpErrors", "Message too long")},
    {10041, QT_TRANSLATE_NOOP("SmtpErrors", "Wrong protocol type for socket")},
    {10042, QT_TRANSLATE_NOOP("SmtpErrors", "Bad protocol option")},
    {10043, QT_TRANSLATE_NOOP("SmtpErrors", "Protocol not supported")},
    {10044, QT_TRANSLATE_NOOP("SmtpErrors", "Socket type not supported")},
    {10045, QT_TRANSLATE_NOOP("SmtpErrors", "Operation not supported on socket")},
    {10046, QT_TRANSLATE_NOOP("SmtpErrors", "Protocol family not supported")},
    {10047, QT_TRANSLATE_NOOP("SmtpErrors", "Address family not supported by protocol family")},
    {10048, QT_TRANSLATE_NOOP("SmtpErrors", "Address already in use")},
    {10049, QT_TRANSLATE_NOOP("SmtpErrors", "Can't assign requested address")},
    {10050, QT_TRANSLATE_NOOP("SmtpErrors", "Network is down")},
    {10051, QT_TRANSLATE_NOOP("SmtpErrors", "Network is unreachable")},
    {10052, QT_TRANSLATE_NOOP("SmtpErrors", "Network dropped connection or reset")},
    {10053, QT_TRANSLATE_NOOP("SmtpErrors", "Software caused connection abort")},
    {10054, QT_TRANSLATE_NOOP("SmtpErrors", "Connection reset by peer")},
    {10055, QT_TRANSLATE_NOOP("SmtpErrors", "No buffer space available")},
    {10056, QT_TRANSLATE_NOOP("SmtpErrors", "Socket is already connected")},
    {10057, QT_TRANSLATE_NOOP("SmtpErrors", "Socket is not connected")},
    {10058, QT_TRANSLATE_NOOP("SmtpErrors", "Can't send after socket shutdown")},
    {10059, QT_TRANSLATE_NOOP("SmtpErrors", "Too many references, can't splice")},
    {10060, QT_TRANSLATE_NOOP("SmtpErrors", "Connection timed out")},
    {10061, QT_TRANSLATE_NOOP("SmtpErrors", "Connection refused")},
    {10062, QT_TRANSLATE_NOOP("SmtpErrors", "Too many levels of symbolic links")},
    {10063, QT_TRANSLATE_NOOP("SmtpErrors", "File name too long")},
    {10064, QT_TRANSLATE_NOOP("SmtpErrors", "Host is down")},
    {10065, QT_TRANSLATE_NOOP("SmtpErrors", "No route to Host")},
    {10066, QT_TRANSLATE_NOOP("SmtpErrors", "Directory not empty")},
    {10067, QT_TRANSLATE_NOOP("SmtpErrors", "Too many processes")},
    {10068, QT_TRANSLATE_NOOP("SmtpErrors", "Too many users")},
    {10069, QT_TRANSLATE_NOOP("SmtpErrors", "Disc quota exceeded")},
    {10070, QT_TRANSLATE_NOOP("SmtpErrors", "Stale NFS file handle")},
    {10071, QT_TRANSLATE_NOOP("SmtpErrors", "Too many levels of remote in path")},
    {10091, QT_TRANSLATE_NOOP("SmtpErrors", "Network subsystem is unavailable")},
    {10092, QT_TRANSLATE_NOOP("SmtpErrors", "Incompatible version of WINSOCK.DLL")},
    {10093, QT_TRANSLATE_NOOP("SmtpErrors", "Successful WSAStartup not yet performed")},
    {11001, QT_TRANSLATE_NOOP("SmtpErrors", "Host not found")},
    {11002, QT_TRANSLATE_NOOP("SmtpErrors", "Non-Authoritative Host not found")},
    {11003, QT_TRANSLATE_NOOP("SmtpErrors", "Non-Recoverable error: FORMERR, REFUSED, NOTIMP")},
    {11004, QT_TRANSLATE_NOOP("SmtpErrors", "Valid name, no data record of requested type")},
};
} // namespace

QString text(int code) {
    for (const auto& [number, words] : kTexts) {
        if (number == code)
            return QString::number(code) + QLatin1Char(':') + Text::tr(words);
    }
    return Text::tr("Unknown Error No. ") + QString::number(code);
}

int codeFor(QAbstractSocket::SocketError error) {
    using E = QAbstractSocket;
    switch (error) {
    case E::ConnectionRefusedError:
        return kConnectionRefused;
    case E::RemoteHostClosedError:
        return kNotConnected;
    case E::HostNotFoundError:
        return kHostNotFound;
    case E::SocketAccessError:
        return 10013;
    case E::SocketResourceError:
        return 10055;
    case E::SocketTimeoutError:
        return kTimedOut;
    case E::DatagramTooLargeError:
        return kMessageTooLong;
    case E::NetworkError:
        return 10050;
    case E::AddressInUseError:
        return 10048;
    case E::SocketAddressNotAvailableError:
        return 10049;
    case E::UnsupportedSocketOperationError:
        return 10045;
    case E::UnfinishedSocketOperationError:
        return 10036;
    case E::TemporaryError:
        return kWouldBlock;
    case E::OperationError:
        return 10022;
    case E::ProxyConnectionRefusedError:
        return kConnectionRefused;
    case E::ProxyConnectionClosedError:
        return kNotConnected;
    case E::ProxyConnectionTimeoutError:
        return kTimedOut;
    case E::ProxyNotFoundError:
        return kHostNotFound;
    default:
        return kUnknown;
    }
}

namespace {
QString certificateFault(const QSslError& e) {
    using E = QSslError;
    switch (e.error()) {
    case E::CertificateExpired:
        return Text::tr("certificate expired");
    case E::CertificateNotYetValid:
        return Text::tr("certificate not yet valid");
    case E::HostNameMismatch:
        return Text::tr("name does not match");
    case E::SelfSignedCertificate:
    case E::SelfSignedCertificateInChain:
    case E::UnableToGetLocalIssuerCertificate:
    case E::UnableToGetIssuerCertificate:
    case E::UnableToVerifyFirstCertificate:
    case E::CertificateUntrusted:
        return Text::tr("certificate not trusted");
    case E::CertificateRevoked:
        return Text::tr("certificate revoked");
    case E::NoPeerCertificate:
        return Text::tr("no certificate");
    default:
        // The library's own words never reach a box.
        return Text::tr("certificate refused");
    }
}
} // namespace

QString certificateFaults(const QList<QSslError>& errors) {
    QStringList faults;
    for (const QSslError& e : errors) {
        QString fault = certificateFault(e);
        if (e.error() == QSslError::HostNameMismatch) {
            QStringList names = e.certificate().subjectAlternativeNames().values(QSsl::DnsEntry);
            if (names.isEmpty())
                names = e.certificate().subjectInfo(QSslCertificate::CommonName);
            if (!names.isEmpty())
                fault = Text::tr("name does not match: made for %1")
                            .arg(names.join(QStringLiteral(", ")));
        }
        if (!faults.contains(fault))
            faults << fault;
    }
    return faults.join(QStringLiteral(", "));
}

QString tlsFailure(const QList<QSslError>& errors, const QString& socketText) {
    if (errors.isEmpty())
        return Text::tr("The secure connection to the mail server failed (%1); the e-mail "
                        "was not sent")
            .arg(socketText);
    return Text::tr("The mail server's certificate was refused (%1); the e-mail was not sent")
        .arg(certificateFaults(errors));
}

} // namespace smtperrors

namespace smtperrors {

namespace {
QString stageName(SmtpStage stage) {
    switch (stage) {
    case SmtpStage::Lookup:
        return Text::tr("while looking up the host");
    case SmtpStage::Connecting:
        return Text::tr("while connecting");
    case SmtpStage::Greeting:
        return Text::tr("at the greeting");
    case SmtpStage::Hello:
        return Text::tr("while introducing this computer (EHLO/HELO)");
    case SmtpStage::StartTls:
        return Text::tr("while asking for TLS (STARTTLS)");
    case SmtpStage::Handshake:
        return Text::tr("during the TLS handshake");
    case SmtpStage::SignIn:
        return Text::tr("while signing in");
    case SmtpStage::Sender:
        return Text::tr("at the sender (MAIL FROM)");
    case SmtpStage::Recipient:
        return Text::tr("at the recipient (RCPT TO)");
    case SmtpStage::Data:
        return Text::tr("at the start of the message (DATA)");
    case SmtpStage::Message:
        return Text::tr("while sending the message");
    case SmtpStage::Goodbye:
        return Text::tr("while ending the session (QUIT)");
    }
    return {};
}

QString refusal(const SmtpFailure& f, const QString& reply) {
    switch (f.stage) {
    case SmtpStage::Greeting:
        return Text::tr("The mail server refused the connection. Its greeting: %1").arg(reply);
    case SmtpStage::Hello:
        return Text::tr("The mail server refused this computer's introduction (EHLO/HELO): %1")
            .arg(reply);
    case SmtpStage::StartTls:
        return Text::tr("TLS failed: the server does not offer TLS (%1).").arg(reply);
    case SmtpStage::SignIn:
        return Text::tr("Sign-in refused: %1").arg(reply);
    case SmtpStage::Sender:
        return Text::tr("The mail server refused the sender %1: %2").arg(f.detail, reply);
    case SmtpStage::Recipient:
        return Text::tr("The mail server refused the recipient %1: %2").arg(f.detail, reply);
    case SmtpStage::Data:
    case SmtpStage::Message:
        return Text::tr("The mail server refused the message: %1").arg(reply);
    case SmtpStage::Goodbye:
        return Text::tr("The mail server refused to end the session: %1").arg(reply);
    case SmtpStage::Lookup:
    case SmtpStage::Connecting:
    case SmtpStage::Handshake:
        break;
    }
    return Text::tr("The mail server refused %1: %2").arg(stageName(f.stage), reply);
}
} // namespace

QString shownReply(const QString& reply) {
    QString out;
    for (const QChar c : reply.trimmed())
        out += c.isPrint() ? c : QLatin1Char(' ');
    out = out.simplified();
    if (out.size() > 200)
        out = out.left(200) + QStringLiteral("…");
    return out;
}

QString words(const SmtpFailure& f) {
    const QString reply = shownReply(f.reply);
    switch (f.cause) {
    case SmtpCause::None:
        return {};
    case SmtpCause::HostNotFound:
        return Text::tr("Cannot reach the host: the name %1 was not found.").arg(f.host);
    case SmtpCause::PortClosed:
        return Text::tr("Cannot reach the host: %1 refused the connection on port %2 (the port "
                        "is closed; no mail server listens there).")
            .arg(f.host)
            .arg(f.port);
    case SmtpCause::Unreachable:
        return Text::tr("Cannot reach the host %1 on port %2.").arg(f.host).arg(f.port);
    case SmtpCause::TimedOut:
        return Text::tr("The mail server gave no answer within the time limit (%1 s) %2; the "
                        "connection was closed.")
            .arg(f.seconds)
            .arg(stageName(f.stage));
    case SmtpCause::Dropped:
        return Text::tr("The connection dropped %1.").arg(stageName(f.stage));
    case SmtpCause::Refused:
        return refusal(f, reply);
    case SmtpCause::OutOfOrder:
        return Text::tr("The mail server answered out of order %1 (%2); the connection was "
                        "closed.")
            .arg(stageName(f.stage), reply);
    case SmtpCause::TooLong:
        return Text::tr("The mail server sent a reply longer than a mail server may send %1; "
                        "the connection was closed.")
            .arg(stageName(f.stage));
    case SmtpCause::NeedsTls:
        return Text::tr("The server wants TLS: it signs in and takes mail only over a secured "
                        "connection. Choose STARTTLS (port 587) or SSL/TLS (port 465) as "
                        "Security on the setup page.");
    case SmtpCause::TlsNotOffered:
        return Text::tr("TLS failed: the server does not offer TLS.");
    case SmtpCause::AnsweredWithoutTls:
        return Text::tr("TLS failed: the server answered without TLS. On this port it may "
                        "want STARTTLS, or no TLS at all.");
    case SmtpCause::Certificate:
        return Text::tr("TLS failed: the certificate of %1 is not trusted (%2).")
            .arg(f.host, f.detail);
    case SmtpCause::TlsFailed:
        return Text::tr("TLS failed: the server ended the secure connection %1.")
            .arg(stageName(f.stage));
    case SmtpCause::NoSignInWay:
        return Text::tr("The mail server offers no way to sign in that this program knows "
                        "(PLAIN, LOGIN).");
    case SmtpCause::SignInRefused:
        return Text::tr("Sign-in refused: the server did not accept the user name or the "
                        "password (%1).")
            .arg(reply);
    }
    return {};
}

QString waitingFor(SmtpStage stage, const QString& host, quint16 port) {
    switch (stage) {
    case SmtpStage::Lookup:
        return Text::tr("Looking up %1…").arg(host);
    case SmtpStage::Connecting:
        return Text::tr("Connecting to %1 port %2…").arg(host).arg(port);
    case SmtpStage::Greeting:
        return Text::tr("Waiting for the mail server's greeting…");
    case SmtpStage::Hello:
        return Text::tr("Waiting for the answer to EHLO…");
    case SmtpStage::StartTls:
        return Text::tr("Waiting for the answer to STARTTLS…");
    case SmtpStage::Handshake:
        return Text::tr("Securing the connection (TLS)…");
    case SmtpStage::SignIn:
        return Text::tr("Signing in…");
    case SmtpStage::Sender:
        return Text::tr("Waiting for the server to take the sender…");
    case SmtpStage::Recipient:
        return Text::tr("Waiting for the server to take the recipient…");
    case SmtpStage::Data:
        return Text::tr("Waiting for the server to take the message…");
    case SmtpStage::Message:
        return Text::tr("Waiting for the server to accept the message…");
    case SmtpStage::Goodbye:
        return Text::tr("Ending the session…");
    }
    return {};
}

bool asksForTls(int number, const QString& reply) {
    if (number == 530 || number == 538)
        return true;
    return reply.contains(QLatin1String("STARTTLS"), Qt::CaseInsensitive) ||
           reply.contains(QLatin1String(" TLS"), Qt::CaseInsensitive);
}

bool answeredInClear(const QString& socketText) {
    // What the library says when the first bytes are no TLS record.
    for (const char* sign : {"wrong version number", "unknown protocol", "http request",
                             "packet length too long", "record layer failure"}) {
        if (socketText.contains(QLatin1String(sign), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace smtperrors
