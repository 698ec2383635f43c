// Notifications through a real message bus: a private dbus-daemon with a
// stand-in notification service on it.
#include "platform/DesktopNotifier.h"
#include "TestRegistry.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received;
public slots:
    uint Notify(const QString& app, uint, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap&, int) {
        received << app + '|' + icon + '|' + summary + '|' + body;
        return uint(received.size());
    }
};

} // namespace

class DesktopNotifierTest : public QObject {
    Q_OBJECT
    QProcess daemon_;
    QString address_;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon is not installed");
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(daemon_.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(daemon_.canReadLine() || daemon_.waitForReadyRead(100), 5000);
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        QVERIFY(!address_.isEmpty());
    }
    void cleanupTestCase() {
        QDBusConnection::disconnectFromBus("service");
        QDBusConnection::disconnectFromBus("client");
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }

    // No service yet: the notifier says so and does not wait for it.
    void noServiceFails() {
        QDBusConnection client = QDBusConnection::connectToBus(address_, "client");
        QVERIFY(client.isConnected());
        DesktopNotifier notifier("TabdeckV10", "icon", client);
        QSignalSpy failed(&notifier, &DesktopNotifier::failed);
        QElapsedTimer took;
        took.start();
        notifier.notify("TabdeckV10", "The time you set is up!");
        QVERIFY(took.elapsed() < 50); // the call itself never blocks
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 6000);
    }

    void arrivesWithItsText() {
        QDBusConnection service = QDBusConnection::connectToBus(address_, "service");
        NotificationService stand;
        QVERIFY(service.registerObject("/org/freedesktop/Notifications", &stand,
                                       QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService("org.freedesktop.Notifications"));
        QDBusConnection client = QDBusConnection::connectToBus(address_, "client");
        DesktopNotifier notifier("TabdeckV10", "example.fernhollow.TabdeckV10", client);
        QSignalSpy delivered(&notifier, &DesktopNotifier::delivered);
        notifier.notify("TabdeckV10", "The time you set is up!");
        // Text that looks like markup arrives as the words it is.
        notifier.notify("TabdeckV10", "<b>5 < 6</b>");
        QTRY_COMPARE_WITH_TIMEOUT(delivered.count(), 2, 6000);
        QCOMPARE(stand.received,
                 QStringList({"TabdeckV10|example.fernhollow.TabdeckV10|TabdeckV10|The time you "
                              "set is up!",
                              "TabdeckV10|example.fernhollow.TabdeckV10|TabdeckV10|&lt;b&gt;5 "
                              "&lt; 6&lt;/b&gt;"}));
        service.unregisterService("org.freedesktop.Notifications");
    }
};

TABDECK_TEST(DesktopNotifierTest)
#include "DesktopNotifierTest.moc"
