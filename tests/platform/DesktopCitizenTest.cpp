// One copy on a display at a time, and the autostart entry.
#include "TempDir.h"
#include "TestRegistry.h"
#include "platform/Autostart.h"
#include "platform/SingleInstance.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using testsupport::TempDir;

namespace {
// The second start runs in its own thread, as it would in its own process:
// the first must answer from its event loop meanwhile.
bool handOverFromAnotherThread(const QString& path, int timeoutMs = 2000) {
    bool tookOver = false;
    QThread* t = QThread::create([&] {
        SingleInstance second(path);
        tookOver = second.handOver(timeoutMs);
    });
    t->start();
    QElapsedTimer waited;
    waited.start();
    while (!t->isFinished() && waited.elapsed() < 10000)
        QTest::qWait(10);
    const bool finished = t->wait(1000);
    delete t;
    return finished && tookOver;
}
} // namespace

class DesktopCitizenTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartHandsOver() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        SingleInstance first(path);
        QVERIFY(!first.handOver(500)); // nobody there: this one listens
        QSignalSpy asked(&first, &SingleInstance::activationRequested);
        QVERIFY(handOverFromAnotherThread(path));
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 5000);
        // A third start is handed over just the same.
        QVERIFY(handOverFromAnotherThread(path));
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 2, 5000);
    }

    void keyedByFolderAndDisplay() {
        const QString a = SingleInstance::socketPath("/run/user/1", "/opt/a/", ":0");
        QCOMPARE(SingleInstance::socketPath("/run/user/1", "/opt/a/", ":0"), a);
        QVERIFY(SingleInstance::socketPath("/run/user/1", "/opt/b/", ":0") != a);
        QVERIFY(SingleInstance::socketPath("/run/user/1", "/opt/a/", ":1") != a);
        QVERIFY(a.startsWith("/run/user/1/"));
        QVERIFY(a.size() < 100); // a socket path holds at most 107 bytes
    }

    // A crash leaves the socket file: the next start takes it over and listens.
    void staleSocketTakenOver() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        {
            // Bound and closed without unlinking, as a killed process leaves it.
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(path);
            std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(fd);
        }
        QVERIFY(QFileInfo(path).exists());
        SingleInstance next(path);
        QVERIFY(!next.handOver(500));
        QSignalSpy asked(&next, &SingleInstance::activationRequested);
        QVERIFY(handOverFromAnotherThread(path));
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 5000);
    }

    // Something that accepts but never answers is no first instance.
    void silentListenerIsNoInstance() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        QLocalServer silent;
        QVERIFY(silent.listen(path));
        QElapsedTimer took;
        took.start();
        SingleInstance next(path);
        QVERIFY(!next.handOver(300));
        QVERIFY(took.elapsed() < 3000);
    }

    void execQuoting_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/TabdeckV10"
                               << "\"/usr/bin/TabdeckV10\"";
        QTest::newRow("space") << "/home/a b/TabdeckV10"
                               << "\"/home/a b/TabdeckV10\"";
        QTest::newRow("percent") << "/tmp/100%/T"
                                 << "\"/tmp/100%%/T\"";
        QTest::newRow("quote") << "/tmp/a\"b/T"
                               << "\"/tmp/a\\\\\"b/T\"";
        QTest::newRow("dollar") << "/tmp/$HOME/T"
                                << "\"/tmp/\\\\$HOME/T\"";
        QTest::newRow("backslash") << "/tmp/a\\b/T"
                                   << "\"/tmp/a\\\\\\\\b/T\"";
        QTest::newRow("backtick") << "/tmp/`x`/T"
                                  << "\"/tmp/\\\\`x\\\\`/T\"";
    }
    void execQuoting() {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(autostart::execValue(path), exec);
    }

    void autostartOnAndOff() {
        TempDir dir;
        const QString entry = autostart::entryPath("example.fernhollow.TabdeckV10", dir.path());
        QCOMPARE(entry, dir.file("autostart/example.fernhollow.TabdeckV10.desktop"));
        QVERIFY(!autostart::enabled(entry));
        QVERIFY(autostart::setEnabled(entry, true, "/opt/t/TabdeckV10", "icon"));
        QVERIFY(autostart::enabled(entry));
        QFile f(entry);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("\nExec=\"/opt/t/TabdeckV10\"\n"));
        f.close();
        QVERIFY(autostart::setEnabled(entry, false, {}, {}));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(autostart::setEnabled(entry, false, {}, {})); // already off
        // Hidden by the user or the desktop: not on.
        dir.write("autostart/example.fernhollow.TabdeckV10.desktop",
                  "[Desktop Entry]\nType=Application\nExec=x\nHidden=true\n");
        QVERIFY(!autostart::enabled(entry));
    }

    // A file where the folder should be: the switch fails and says so.
    void autostartFolderBlocked() {
        TempDir dir;
        dir.write("autostart", "not a folder");
        const QString entry = autostart::entryPath("x", dir.path());
        QVERIFY(!autostart::setEnabled(entry, true, "/opt/t/TabdeckV10", "icon"));
        QVERIFY(!autostart::enabled(entry));
    }
};

TABDECK_TEST(DesktopCitizenTest)
#include "DesktopCitizenTest.moc"
