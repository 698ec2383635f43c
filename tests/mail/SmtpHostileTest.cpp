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

QByteArray continued(int lines, const QByteArray& code) {
    QByteArray out;
    for (int i = 0; i < lines; ++i)
        out += code + "-line " + QByteArray::number(i) + "\r\n";
    return out + code + " last\r\n";
}
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
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QStringLiteral("10040:Message too long"));
        QVERIFY(!c.Connected());
        QCOMPARE(ev.log, QStringList{"Disconnect"});
        QTRY_VERIFY(!server.peerOpen());
    }

    void lineLengthLimit_data() {
        QTest::addColumn<int>("length"); // CR LF included
        QTest::addColumn<QString>("error");
        QTest::newRow("at the limit") << 65536 << "";
        QTest::newRow("one more") << 65537 << "10040:Message too long";
    }
    void lineLengthLimit() {
        QFETCH(int, length);
        QFETCH(QString, error);
        SmtpScriptServer server;
        server.on("HELO", "250 " + QByteArray(length - 6, 'y') + "\r\n");
        TSmtpClient c;
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), error);
        if (error.isEmpty())
            QCOMPARE(c.ReplyString().size(), length);
    }

    void tenThousandContinuationLines_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::newRow("greeting") << QByteArray();
        QTest::newRow("HELO") << QByteArray("HELO");
        QTest::newRow("RCPT") << QByteArray("RCPT");
        QTest::newRow("end of data") << QByteArray(".");
    }
    void tenThousandContinuationLines() {
        QFETCH(QByteArray, verb);
        SmtpScriptServer server;
        if (verb.isEmpty())
            server.greet(continued(10000, "220"));
        else
            server.on(verb, continued(10000, "250"));
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(ev.log.last(), QStringLiteral("Success"));
        QCOMPARE(server.linesOf(0).size(), 7);
        if (verb == ".")
            QCOMPARE(c.ReplyString(), QStringLiteral("250 last\r\n"));
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
