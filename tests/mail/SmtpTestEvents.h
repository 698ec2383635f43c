#pragma once
// Records every event of a client in order and lets a test answer the ones
// that carry a "handled" flag.
#include "core/Error.h"
#include "mail/TSmtpClient.h"

#include <QPointer>
#include <QStringList>
#include <QTest>
#include <functional>

namespace testsupport {

struct SmtpEvents {
    QStringList log;
    std::function<void(bool&)> invalidHost;
    std::function<void(bool&)> connectionRequired;
    std::function<void(bool&)> authenticationFailed;
    std::function<void(bool&, int)> headerIncomplete;
    std::function<void(const QString&)> recipientNotFound;
    std::function<void()> sendStart, packetSent, failure, success, connected;

    void attach(TSmtpClient& c) {
        QObject::connect(&c, &TSmtpClient::OnHostResolved, [this] { log << "HostResolved"; });
        QObject::connect(&c, &TSmtpClient::OnInvalidHost, [this](bool& h) {
            log << "InvalidHost";
            if (invalidHost)
                invalidHost(h);
        });
        QObject::connect(&c, &TSmtpClient::OnConnectionFailed,
                         [this] { log << "ConnectionFailed"; });
        QObject::connect(&c, &TSmtpClient::OnConnect, [this] {
            log << "Connect";
            if (connected)
                connected();
        });
        QObject::connect(&c, &TSmtpClient::OnConnectionRequired, [this](bool& h) {
            log << "ConnectionRequired";
            if (connectionRequired)
                connectionRequired(h);
        });
        QObject::connect(&c, &TSmtpClient::OnHeaderIncomplete, [this](bool& h, int type) {
            log << QStringLiteral("HeaderIncomplete:%1").arg(type);
            if (headerIncomplete)
                headerIncomplete(h, type);
        });
        QObject::connect(&c, &TSmtpClient::OnSendStart, [this] {
            log << "SendStart";
            if (sendStart)
                sendStart();
        });
        QObject::connect(&c, &TSmtpClient::OnRecipientNotFound, [this](const QString& r) {
            log << "RecipientNotFound:" + r;
            if (recipientNotFound)
                recipientNotFound(r);
        });
        QObject::connect(&c, &TSmtpClient::OnPacketSent, [this] {
            if (log.isEmpty() || log.last() != "PacketSent")
                log << "PacketSent"; // one entry for a run of packets
            if (packetSent)
                packetSent();
        });
        QObject::connect(&c, &TSmtpClient::OnFailure, [this] {
            log << "Failure";
            if (failure)
                failure();
        });
        QObject::connect(&c, &TSmtpClient::OnSuccess, [this] {
            log << "Success";
            if (success)
                success();
        });
        QObject::connect(&c, &TSmtpClient::OnDisconnect, [this] { log << "Disconnect"; });
        QObject::connect(&c, &TSmtpClient::OnAuthenticationFailed, [this](bool& h) {
            log << "AuthenticationFailed";
            if (authenticationFailed)
                authenticationFailed(h);
        });
    }
};

// Starts an operation of the client with f and lets it run to its end (at
// most 10 s); the text of the first failure it reported, or "" when none.
template <typename F> QString errorOf(TSmtpClient& c, F&& f) {
    QString error;
    const auto watch = QObject::connect(&c, &TSmtpClient::OnError, [&](const QString& text) {
        if (error.isEmpty())
            error = text;
    });
    const QPointer<TSmtpClient> alive(&c); // a handler may destroy it
    f();
    if (!QTest::qWaitFor([&] { return !alive || !alive->Busy(); }, 10000) && error.isEmpty())
        error = QStringLiteral("still busy after 10 s");
    QObject::disconnect(watch);
    return error;
}

} // namespace testsupport
