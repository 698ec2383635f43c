#include "mail/SmtpErrors.h"

#include <QCoreApplication>
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
        return 10061;
    case E::RemoteHostClosedError:
        return kNotConnected;
    case E::HostNotFoundError:
        return 11001;
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
        return 10061;
    case E::ProxyConnectionClosedError:
        return kNotConnected;
    case E::ProxyConnectionTimeoutError:
        return kTimedOut;
    case E::ProxyNotFoundError:
        return 11001;
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
        return e.errorString();
    }
}
} // namespace

QString tlsFailure(const QList<QSslError>& errors, const QString& socketText) {
    QStringList faults;
    for (const QSslError& e : errors) {
        const QString fault = certificateFault(e);
        if (!faults.contains(fault))
            faults << fault;
    }
    if (faults.isEmpty())
        return Text::tr("The secure connection to the mail server failed (%1); the e-mail "
                        "was not sent")
            .arg(socketText);
    return Text::tr("The mail server's certificate was refused (%1); the e-mail was not sent")
        .arg(faults.join(QStringLiteral(", ")));
}

} // namespace smtperrors
