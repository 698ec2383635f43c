#include "platform/DesktopNotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusSignature>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantMap>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage notifyCall(const QString& appName, const QString& iconName, const QString& summary,
                        const QString& body) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    // The body is markup for some servers: plain text must stay plain.
    call << appName << uint(0) << iconName << summary << body.toHtmlEscaped() << QStringList()
         << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}} << int(-1);
    return call;
}
} // namespace

DesktopNotifier::DesktopNotifier(QString appName, QString iconName, QObject* parent)
    : DesktopNotifier(std::move(appName), std::move(iconName), QDBusConnection::sessionBus(),
                      parent) {}

DesktopNotifier::DesktopNotifier(QString appName, QString iconName, const QDBusConnection& bus,
                                 QObject* parent)
    : QObject(parent), appName_(std::move(appName)), iconName_(std::move(iconName)),
      busName_(bus.name()) {}

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus(busName_);
    if (!bus.isConnected()) {
        emit failed(QStringLiteral("no session bus"));
        return;
    }
    const QDBusMessage call = notifyCall(appName_, iconName_, summary, body);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<uint> reply = *w;
        if (reply.isError())
            emit failed(reply.error().message());
        else
            emit delivered(reply.value());
        w->deleteLater();
    });
}

bool DesktopNotifier::notifyNow(const QString& appName, const QString& iconName,
                                const QString& summary, const QString& body, int timeoutMs) {
    // The bus's types are registered here first: left to the bus's own
    // thread, that races with this thread's and says so on stderr.
    qMetaTypeId<QDBusVariant>();
    qMetaTypeId<QDBusArgument>();
    qMetaTypeId<QDBusObjectPath>();
    qMetaTypeId<QDBusSignature>();
    qMetaTypeId<QDBusUnixFileDescriptor>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage reply =
        bus.call(notifyCall(appName, iconName, summary, body), QDBus::Block, timeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}
