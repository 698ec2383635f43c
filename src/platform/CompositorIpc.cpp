#include "platform/CompositorIpc.h"

#include <QByteArray>
#include <QLocalSocket>
#include <QTimer>
#include <cstdint>

namespace compositoripc {
namespace {

QString socketPath() {
    return qEnvironmentVariable("SWAYSOCK");
}

// One message of its protocol: the magic, the payload's length and type
// (0, run a command), in the machine's byte order, then the payload.
QByteArray commandMessage(const QByteArray& command) {
    constexpr uint32_t RunCommand = 0;
    QByteArray message("i3-ipc");
    const uint32_t header[2] = {uint32_t(command.size()), RunCommand};
    message.append(reinterpret_cast<const char*>(header), sizeof header);
    message.append(command);
    return message;
}

} // namespace

bool present() {
    return !socketPath().isEmpty();
}

bool moveWindow(unsigned long x11Window, QPoint at) {
    if (!present())
        return false;
    auto* socket = new QLocalSocket;
    const QByteArray message = commandMessage(QStringLiteral("[id=%1] move absolute position %2 %3")
                                                  .arg(x11Window)
                                                  .arg(at.x())
                                                  .arg(at.y())
                                                  .toUtf8());
    QObject::connect(socket, &QLocalSocket::connected, socket,
                     [socket, message] { socket->write(message); });
    // The answer (or its failure) ends the exchange; a compositor that does
    // not answer within a second is not waited for.
    QObject::connect(socket, &QLocalSocket::readyRead, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::errorOccurred, socket, &QObject::deleteLater);
    QTimer::singleShot(1000, socket, &QObject::deleteLater);
    socket->connectToServer(socketPath());
    return true;
}

} // namespace compositoripc
