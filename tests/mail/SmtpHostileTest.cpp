#include "SmtpScriptServer.h"
#include "SmtpTestEvents.h"
#include "TestRegistry.h"
#include "mail/TSmtpClient.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using testsupport::errorOf;
using testsupport::SmtpEvents;
using testsupport::SmtpScriptServer;
using Answer = SmtpScriptServer::Answer;

namespace {
void prepare(TSmtpClient& c, const SmtpScriptServer& server) {
    c.Host = "127.0.0.1";
    c.Port = server.port();
    c.UserID = "tester";
    c.HeloName = "tester";
    c.PostMessage.FromAddress = "me@home.example";
    c.PostMessage.ToAddress = {"you@there.example"};
    c.PostMessage.Body = {"hello"};
}

// A reply of this many lines in all.
QByteArray continued(int lines, const QByteArray& code) {
    QByteArray out;
    for (int i = 1; i < lines; ++i)
        out += code + "-line " + QByteArray::number(i) + "\r\n";
    return out + code + " last\r\n";
}

const QString kTooLong = QStringLiteral(
    "The mail server sent a reply longer than a mail server may send (more than 100 lines, or "
    "a line of more than 4096 characters); the connection was closed and the e-mail was not "
    "sent");
} // namespace

// Servers that misbehave: the client must end with a clear error, never hang
// past a Disconnect, and never read out of bounds (this runs under ASan too).
class SmtpHostileTest : public QObject {
    Q_OBJECT
private slots:
    void megabyteLineWithoutBreak() {
        SmtpScriptServer server;
        server.greet(QByteArray(1 << 20, 'x'));
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), kTooLong);
        QVERIFY(!c.Connected());
        QCOMPARE(ev.log, QStringList{"Disconnect"});
        QTRY_VERIFY(!server.peerOpen());
    }

    // Every reply is bounded in line length and in lines: a server past a
    // bound is refused with one message and the connection closed, before
    // the reply can grow memory (an endless greeting once took gigabytes).
    void replyBounds_data() {
        QTest::addColumn<QByteArray>("verb"); // empty: the greeting
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("error");
        const auto line = [](int length) { // CR LF included
            return "250 " + QByteArray(length - 6, 'y') + "\r\n";
        };
        QTest::newRow("line at the limit") << QByteArray("HELO") << line(4096) << "";
        QTest::newRow("line one more") << QByteArray("HELO") << line(4097) << kTooLong;
        QTest::newRow("continued line one more")
            << QByteArray("HELO") << "250-" + QByteArray(4092, 'y') + "\r\n250 ok\r\n"
            << kTooLong;
        QTest::newRow("greeting, lines at the limit")
            << QByteArray() << continued(100, "220") << "";
        QTest::newRow("greeting, one line more")
            << QByteArray() << continued(101, "220") << kTooLong;
        QTest::newRow("greeting, 10000 lines")
            << QByteArray() << continued(10000, "220") << kTooLong;
        QTest::newRow("EHLO, lines at the limit")
            << QByteArray("EHLO") << continued(100, "250") << "";
        QTest::newRow("EHLO, one line more")
            << QByteArray("EHLO") << continued(101, "250") << kTooLong;
        QTest::newRow("RCPT, 10000 lines")
            << QByteArray("RCPT") << continued(10000, "250") << kTooLong;
        QTest::newRow("end of data, lines at the limit")
            << QByteArray(".") << continued(100, "250") << "";
        QTest::newRow("end of data, 10000 lines")
            << QByteArray(".") << continued(10000, "250") << kTooLong;
    }
    void replyBounds() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(QString, error);
        SmtpScriptServer server;
        if (verb.isEmpty())
            server.greet(reply);
        else
            server.on(verb, reply);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QString got = errorOf(c, [&] { c.Connect(); });
        if (got.isEmpty() && verb == "HELO")
            QCOMPARE(c.ReplyString().toLatin1(), reply);
        if (got.isEmpty())
            got = errorOf(c, [&] { c.SendMail(); });
        QCOMPARE(got, error);
        if (error.isEmpty()) {
            QCOMPARE(ev.log.last(), QStringLiteral("Success"));
            if (verb == ".")
                QCOMPARE(c.ReplyString(), QStringLiteral("250 last\r\n"));
            return;
        }
        QVERIFY(!ev.log.contains("Success"));
        QCOMPARE(ev.log.last(), QStringLiteral("Disconnect"));
        QVERIFY(!c.Connected());
        QCOMPARE(c.LastError(), 10040);
        QTRY_VERIFY(!server.peerOpen());
        // No command went out after the reply that broke the bound.
        const QList<QByteArray> lines = server.linesOf(0);
        QCOMPARE(lines.isEmpty() ? QByteArray() : lines.last().left(verb.size()), verb);
    }

    void garbage_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("error");
        QByteArray noise(4000, '\0');
        QRandomGenerator rng(7);
        for (char& ch : noise) {
            ch = char(rng.bounded(256));
            if (ch == '\n' || (ch >= '0' && ch <= '9'))
                ch = '#';
        }
        QTest::newRow("greeting noise") << QByteArray() << noise + "\r\n"
                                        << QString::fromLatin1(noise + "\r\n");
        QTest::newRow("greeting words")
            << QByteArray() << QByteArray("hello there\r\n") << "hello there\r\n";
        // An unknown HELO answer is a refusal: the one retry, then the end.
        QTest::newRow("HELO noise")
            << QByteArray("HELO") << QByteArray("\x00\x01\x02\r\n", 5) << "Authentication failed";
        QTest::newRow("DATA noise") << QByteArray("DATA") << QByteArray("\xff\xfe\r\n")
                                    << QString::fromLatin1("\xff\xfe\r\n");
        QTest::newRow("noise then close")
            << QByteArray("RSET") << QByteArray("no line end") << "10057:Socket is not connected";
    }
    void garbage() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(QString, error);
        SmtpScriptServer server;
        const auto action = reply.contains('\n') ? Answer::Reply : Answer::ReplyAndClose;
        if (verb.isEmpty())
            server.greet(reply, action);
        else
            server.on(verb, reply, action).on(verb, reply, action);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QString got = errorOf(c, [&] { c.Connect(); });
        if (got.isEmpty())
            got = errorOf(c, [&] { c.SendMail(); });
        QCOMPARE(got, error);
        QVERIFY(!ev.log.contains("Success"));
    }

    void closeDuringData() {
        SmtpScriptServer server;
        server.closeInDataAfter(1000);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.PostMessage.Body = {QByteArray(4 << 20, 'z')};
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }),
                 QStringLiteral("10057:Socket is not connected"));
        QVERIFY(!ev.log.contains("Success"));
        QCOMPARE(ev.log.count("Disconnect"), 1);
        QVERIFY(!c.Connected());
        QVERIFY(!c.Busy());
    }

    void neverAnswersUntilDisconnect() {
        SmtpScriptServer server;
        server.greet("", Answer::Silent);
        TSmtpClient c;
        prepare(c, server);
        QTimer::singleShot(200, [&] { c.Disconnect(); });
        // Closed as asked: no failure of its own.
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QVERIFY(!c.Connected());
        QTRY_VERIFY(!server.peerOpen());
    }
};

TABDECK_TEST(SmtpHostileTest)
#include "SmtpHostileTest.moc"
