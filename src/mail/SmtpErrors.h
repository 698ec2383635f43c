#pragma once
// Socket failures are reported to the user in the Winsock form "number:text"
// ("10061:Connection refused"), whatever the platform's own codes are.
#include <QAbstractSocket>
#include <QList>
#include <QSslError>
#include <QString>

namespace smtperrors {

inline constexpr int kWouldBlock = 10035;
inline constexpr int kTimedOut = 10060;
inline constexpr int kNotConnected = 10057;
inline constexpr int kMessageTooLong = 10040;
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

} // namespace smtperrors
