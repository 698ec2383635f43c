// One copy on a display at a time, and the autostart entry.
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/FileLock.h"
#include "platform/Autostart.h"
#include "platform/HandOver.h"
#include "platform/SingleInstance.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

using testsupport::TempDir;

namespace {
using Role = SingleInstance::Role;
using handover::Request;

// Starts `instance` and runs the event loop until it decides, at most 10 s.
std::optional<Role> decide(SingleInstance& instance, const Request& request, int timeoutMs) {
    std::optional<Role> role;
    QEventLoop loop;
    QObject::connect(&instance, &SingleInstance::decided, &loop, [&](Role r) {
        role = r;
        loop.quit();
    });
    instance.start(request, timeoutMs);
    if (!role) {
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return role;
}
// The first start: decided at once, without the event loop.
bool listensFirst(SingleInstance& first) {
    std::optional<Role> role;
    QObject::connect(&first, &SingleInstance::decided, [&](Role r) { role = r; });
    first.start({}, 500);
    return role == Role::First;
}

// The second start runs in its own thread, as it would in its own process:
// the first must answer from its event loop meanwhile.
bool handOverFromAnotherThread(const QString& path, int timeoutMs = 2000,
                               const Request& request = {}) {
    std::optional<Role> role;
    QThread* t = QThread::create([&] {
        SingleInstance second(path);
        role = decide(second, request, timeoutMs);
    });
    t->start();
    QElapsedTimer waited;
    waited.start();
    while (!t->isFinished() && waited.elapsed() < 10000)
        QTest::qWait(10);
    const bool finished = t->wait(1000);
    delete t;
    return finished && role == Role::HandedOver;
}
// A later start, in another thread, is handed over to `first`.
bool answersLaterStart(SingleInstance& first, const QString& path) {
    QSignalSpy asked(&first, &SingleInstance::requested);
    return handOverFromAnotherThread(path) && (asked.count() == 1 || asked.wait(5000));
}

// A socket bound and closed without unlinking, as a killed process leaves it.
bool leaveSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

bool makeFolder(const QString& path, int mode) {
    return QDir().mkdir(path) && ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

// Runs `f` with `tmp` as the temporary folder and no runtime folder set.
template <typename F> auto withoutRuntimeFolder(const QString& tmp, F f) {
    const auto saved = [](const char* name) {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    };
    const std::optional<QByteArray> oldTmp = saved("TMPDIR");
    const std::optional<QByteArray> oldRuntime = saved("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(tmp));
    qunsetenv("XDG_RUNTIME_DIR");
    auto result = f();
    for (const auto& [name, value] : {std::pair("TMPDIR", oldTmp), {"XDG_RUNTIME_DIR", oldRuntime}})
        value ? qputenv(name, *value) : qunsetenv(name);
    return result;
}
} // namespace

class DesktopCitizenTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartHandsOver() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        SingleInstance first(path);
        QVERIFY(listensFirst(first)); // nobody there: this one listens
        QSignalSpy asked(&first, &SingleInstance::requested);
        const Request find{Request::Kind::Find, QStringLiteral("zebra €"), "host-42_TIME1234"};
        QVERIFY(handOverFromAnotherThread(path, 2000, find));
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 5000);
        QVERIFY(asked[0][0].value<Request>() == find);
        // A third start is handed over just the same.
        QVERIFY(handOverFromAnotherThread(path));
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 2, 5000);
        QVERIFY(asked[1][0].value<Request>() == Request{});
    }

    // What a first reads from a later start: each length bounded and
    // checked against the bytes there. size: what messageSize says of the
    // bytes (-1 never a message); valid: whether they decode.
    void handOverMessages_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        const QByteArray euros = QString(256, QChar(0x20ac)).toUtf8(); // 768 bytes
        const QByteArray token(256, 'k');
        auto find = [](const QByteArray& text, const QByteArray& tok = {}) {
            return "summon find " + QByteArray::number(text.size()) + ' ' +
                   QByteArray::number(tok.size()) + '\n' + text + tok;
        };
        QTest::newRow("show") << QByteArray("summon show 0 0\n") << 16 << true << "";
        QTest::newRow("find") << find("zebra") << 21 << true << "zebra";
        QTest::newRow("older copy's request") << QByteArray("activate\n") << 9 << true << "";
        QTest::newRow("older copy's, half in") << QByteArray("activ") << 9 << false << "";
        QTest::newRow("text at its bound")
            << find(euros) << 786 << true << QString(256, QChar(0x20ac));
        QTest::newRow("text past its bound") << find(euros + "a") << -1 << false << "";
        QTest::newRow("257 characters in bound bytes")
            << find(QByteArray(257, 'a')) << 275 << false << "";
        QTest::newRow("token at its bound") << find("z", token) << 275 << true << "z";
        QTest::newRow("token past its bound") << find("z", token + 'k') << -1 << false << "";
        QTest::newRow("token with a space") << find("z", "a b") << 20 << false << "";
        QTest::newRow("token with a quote") << find("z", "a\"b") << 20 << false << "";
        QTest::newRow("text shorter than said")
            << QByteArray("summon find 6 0\nzebra") << 22 << false << "";
        QTest::newRow("a byte after the message") << find("zebra") + 'x' << 21 << false << "";
        QTest::newRow("invalid UTF-8") << find("\xff\xfe") << 18 << false << "";
        QTest::newRow("control character") << find("a\x07") << 18 << false << "";
        QTest::newRow("newline in text") << find("a\nb") << 19 << false << "";
        QTest::newRow("show with text") << QByteArray("summon show 1 0\na") << -1 << false << "";
        QTest::newRow("leading zero") << QByteArray("summon find 05 0\nzebra") << -1 << false << "";
        QTest::newRow("sign") << QByteArray("summon find +5 0\nzebra") << -1 << false << "";
        QTest::newRow("negative") << QByteArray("summon find -1 0\n") << -1 << false << "";
        QTest::newRow("huge") << QByteArray("summon find 4294967301 0\n") << -1 << false << "";
        QTest::newRow("missing field") << QByteArray("summon find 5\nzebra") << -1 << false << "";
        QTest::newRow("extra field") << QByteArray("summon find 5 0 0\nzebra") << -1 << false << "";
        QTest::newRow("other verb") << QByteArray("summon hide 0 0\n") << -1 << false << "";
        QTest::newRow("NUL in the line")
            << QByteArray("summon\0find 0 0\n", 16) << -1 << false << "";
        QTest::newRow("line at its bound, open") << QByteArray(47, 'x') << 0 << false << "";
        QTest::newRow("line past its bound") << QByteArray(48, 'x') << -1 << false << "";
        QTest::newRow("empty") << QByteArray() << 0 << false << "";
    }
    void handOverMessages() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, size);
        QFETCH(bool, valid);
        QFETCH(QString, text);
        QCOMPARE(handover::messageSize(bytes), size);
        const std::optional<Request> request = handover::decode(bytes);
        QCOMPARE(request.has_value(), valid);
        if (request) {
            QCOMPARE(request->text, text);
            QCOMPARE(handover::decode(handover::encode(*request)), request); // round trip
        }
    }

    // Peers that send too much, garbage, or stop half-way are let go within
    // the peer's time, none summons; a well-formed start after them still does.
    void hostilePeersDropped() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        SingleInstance first(path);
        QVERIFY(listensFirst(first));
        QSignalSpy asked(&first, &SingleInstance::requested);
        const QList<QByteArray> hostile{
            QByteArray(100000, 'x'), "summon find 5 0\nzebra" + QByteArray(5000, 'y'),
            "summon find 700 0\nhalf", "summon find 5 0\nzeb\xff\xfe", ""};
        QElapsedTimer took;
        took.start();
        std::vector<std::unique_ptr<QLocalSocket>> peers;
        for (const QByteArray& bytes : hostile) {
            auto peer = std::make_unique<QLocalSocket>();
            peer->connectToServer(path);
            QVERIFY(peer->waitForConnected(2000));
            peer->write(bytes);
            peer->flush();
            peers.push_back(std::move(peer));
        }
        for (auto& peer : peers)
            QTRY_COMPARE_WITH_TIMEOUT(peer->state(), QLocalSocket::UnconnectedState,
                                      SingleInstance::PeerMs + 3000);
        QVERIFY2(took.elapsed() < SingleInstance::PeerMs + 1500,
                 qPrintable(QString::number(took.elapsed()) + " ms"));
        for (auto& peer : peers)
            QVERIFY(!peer->readAll().contains("ok"));
        QCOMPARE(asked.count(), 0);
        QVERIFY(answersLaterStart(first, path));
    }

    void keyedByFolderAndDisplay() {
        const QString a = SingleInstance::socketPath("/run/user/1", "/opt/a/", ":0");
        QCOMPARE(SingleInstance::socketPath("/run/user/1", "/opt/a/", ":0"), a);
        QVERIFY(SingleInstance::socketPath("/run/user/1", "/opt/b/", ":0") != a);
        QVERIFY(SingleInstance::socketPath("/run/user/1", "/opt/a/", ":1") != a);
        QVERIFY(a.startsWith("/run/user/1/"));
        QVERIFY(a.size() < 100); // a socket path holds at most 107 bytes
    }

    // Whatever lies at the socket's path, left by a crash or put there: the
    // first start listens at once, a later start is handed over at once, and
    // nothing a link there points to is touched.
    void whateverLiesAtThePath_data() {
        QTest::addColumn<QString>("found");
        for (const char* found :
             {"nothing", "socket a crash left", "socket open to all", "socket of another user",
              "lock file of a live process", "silent listener", "empty folder", "folder with links",
              "file", "link to a file", "link to a folder", "dangling link"})
            QTest::newRow(found) << QString::fromLatin1(found);
    }
    void whateverLiesAtThePath() {
        QFETCH(QString, found);
        TempDir dir;
        TempDir outside;
        const QString kept = outside.write("folder/kept", "kept");
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        const QByteArray name = QFile::encodeName(path);
        QLocalServer silent;
        if (found.startsWith("socket")) {
            if (found.endsWith("another user") && ::geteuid() != 0)
                QSKIP("giving a socket to another user needs root");
            QVERIFY(leaveSocket(path));
            if (found.endsWith("open to all"))
                QCOMPARE(::chmod(name.constData(), 0777), 0);
            if (found.endsWith("another user"))
                QCOMPARE(::lchown(name.constData(), 65534, 65534), 0);
        } else if (found == "lock file of a live process") {
            dir.write(QFileInfo(path).fileName() + ".lock",
                      QByteArray::number(::getpid()) + "\nTabdeckV10\nhost\n");
        } else if (found == "silent listener") {
            QVERIFY(silent.listen(path)); // accepts, never answers
        } else if (found == "empty folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (found == "folder with links") {
            QVERIFY(QDir().mkpath(path + "/inner"));
            QVERIFY(QFile::link(outside.file("folder"), path + "/inner/out"));
            QVERIFY(QFile::link(kept, path + "/kept"));
        } else if (found == "file") {
            dir.write(QFileInfo(path).fileName(), "squatter");
        } else if (found == "link to a file") {
            QVERIFY(QFile::link(kept, path));
        } else if (found == "link to a folder") {
            QVERIFY(QFile::link(outside.file("folder"), path));
        } else if (found == "dangling link") {
            QVERIFY(QFile::link(dir.file("gone"), path));
        }

        QElapsedTimer took;
        took.start();
        SingleInstance first(path);
        QVERIFY(listensFirst(first));
        QVERIFY2(took.elapsed() < 500, qPrintable(QString::number(took.elapsed()) + " ms"));
        took.restart();
        QVERIFY(answersLaterStart(first, path));
        QVERIFY2(took.elapsed() < 500, qPrintable(QString::number(took.elapsed()) + " ms"));
        QVERIFY(answersLaterStart(first, path));
        QFile left(kept);
        QVERIFY(left.open(QIODevice::ReadOnly));
        QCOMPARE(left.readAll(), QByteArray("kept"));
    }

    // Only the owner may call the strip forward: the socket, or else the
    // folder it lies in, admits nobody else. The owner still gets through.
    void socketForOwnerAlone_data() {
        QTest::addColumn<int>("folderMode");
        QTest::newRow("private folder") << 0700;
        QTest::newRow("shared folder") << 0755;
        QTest::newRow("folder open to all") << 01777;
    }
    void socketForOwnerAlone() {
        QFETCH(int, folderMode);
        TempDir dir;
        const QString folder = dir.file("run");
        QVERIFY(makeFolder(folder, folderMode));
        const QString path = SingleInstance::socketPath(folder, "/opt/a/", ":0");
        SingleInstance first(path);
        QVERIFY(listensFirst(first));
        struct stat socket {};
        struct stat parent {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &socket), 0);
        QCOMPARE(::stat(QFile::encodeName(folder).constData(), &parent), 0);
        QVERIFY(S_ISSOCK(socket.st_mode));
        QVERIFY2((socket.st_mode & 077) == 0 || (parent.st_mode & 077) == 0,
                 qPrintable(QString::number(socket.st_mode & 0777, 8)));
        QVERIFY(answersLaterStart(first, path));
    }

    // Without a session's runtime folder the socket goes to a folder of our
    // own in the temporary folder; where that name is not ours alone, to the
    // temporary folder itself.
    void folderWithoutRuntime_data() {
        QTest::addColumn<int>("takenMode"); // 0: the name is free
        QTest::newRow("free") << 0;
        QTest::newRow("ours, private") << 0700;
        QTest::newRow("open to others") << 0777;
    }
    void folderWithoutRuntime() {
        QFETCH(int, takenMode);
        TempDir dir;
        const QString own = dir.file("tabdeckv10-" + QString::number(::geteuid()));
        if (takenMode)
            QVERIFY(makeFolder(own, takenMode));
        const QString path = withoutRuntimeFolder(
            dir.path(), [] { return SingleInstance::socketPathForProgram("/opt/a"); });
        QCOMPARE(QFileInfo(path).path(), (takenMode & 077) ? dir.path() : own);
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(own).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), takenMode ? takenMode : 0700); // as found, or made ours
    }

    // A first start still busy starting (its event loop not running yet)
    // stays the only one: the later start ends after its wait, and the first
    // comes forward once it gets to the request.
    void busyFirstStaysTheOnlyOne() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        SingleInstance first(path);
        QVERIFY(listensFirst(first));
        QSignalSpy asked(&first, &SingleInstance::requested);
        bool tookOver = false;
        QElapsedTimer took;
        took.start();
        QThread* t = QThread::create([&] {
            SingleInstance second(path);
            tookOver = decide(second, {}, 300) == Role::HandedOver;
        });
        t->start();
        const bool finished = t->wait(5000); // this thread, the first's, answers nothing meanwhile
        delete t;
        QVERIFY(finished);
        QVERIFY(tookOver);
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed()) + " ms"));
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 5000);
    }

    // A later start waiting on a first that holds the lock but does not
    // answer yet keeps its own event loop turning: nothing blocks while it
    // waits, and it ends handed over once its time is up.
    void laterStartNeverBlocks() {
        TempDir dir;
        const QString path = SingleInstance::socketPath(dir.path(), "/opt/a/", ":0");
        FileLock held(path + ".lock", 0);
        QVERIFY(held.held());
        QLocalServer silent;
        QVERIFY(silent.listen(path)); // accepts, never answers
        SingleInstance second(path);
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { ++ticks; });
        tick.start(20);
        QElapsedTimer took;
        took.start();
        QCOMPARE(decide(second, {}, 600), Role::HandedOver);
        QVERIFY2(took.elapsed() >= 550 && took.elapsed() < 1500,
                 qPrintable(QString::number(took.elapsed()) + " ms"));
        QVERIFY2(ticks >= 15, qPrintable(QString::number(ticks) + " ticks"));
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
