#include "mail/TSmtpClient.h"
#include "SmtpScriptServer.h"
#include "SmtpTestEvents.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <memory>

using testsupport::errorOf;
using testsupport::SmtpEvents;
using testsupport::SmtpScriptServer;
using Answer = SmtpScriptServer::Answer;
using Lines = QList<QByteArray>;

namespace {

void prepare(TSmtpClient& c, const SmtpScriptServer& server) {
    c.Host = "127.0.0.1";
    c.Port = server.port();
    c.UserID = "tester";
    c.HeloName = "tester";
    c.PostMessage.FromAddress = "me@home.example";
    c.PostMessage.FromName = "Me";
    c.PostMessage.Subject = "Hi";
    c.PostMessage.ToAddress = {"you@there.example"};
    c.PostMessage.Body = {"line one\r\nline two"};
}

const QByteArray kHeader = "From: Me<me@home.example>\r\n"
                           "To: you@there.example\r\n"
                           "Subject: Hi\r\n"
                           "Mime-Version: 1.0\r\n"
                           "Content-Type: text/plain; charset=us-ascii\r\n"
                           "\r\n\r\n";

const Lines kSession = {"EHLO tester",
                        "HELO tester",
                        "RSET",
                        "MAIL FROM:<me@home.example>",
                        "RCPT TO:<you@there.example>",
                        "DATA",
                        "."};

} // namespace

class TSmtpClientTest : public QObject {
    Q_OBJECT
private slots:
    void fullConversation() {
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QVERIFY(c.Connected());
        QCOMPARE(c.ReplyNumber(), 250);
        // Short commands are not held back for the server's acknowledgement.
        auto* socket = c.findChild<QTcpSocket*>();
        QVERIFY(socket);
        QCOMPARE(socket->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.Disconnect(); }), QString());
        QVERIFY(!c.Connected());
        QCOMPARE(server.linesOf(0), kSession + Lines{"QUIT"});
        QCOMPARE(server.data(), kHeader + "line one\r\nline two\r\n");
        // A dotted address connects without a lookup.
        QCOMPARE(ev.log,
                 (QStringList{"Connect", "SendStart", "PacketSent", "Success", "Disconnect"}));
        QVERIFY(c.PostMessage.ToAddress.isEmpty()); // ClearParams
        QCOMPARE(c.BytesTotal(), qint64(20));
        QCOMPARE(c.BytesSent(), qint64(20));
        QCOMPARE(c.ReplyString(), QStringLiteral("221 bye\r\n"));
    }

    void clearParamsOffKeepsRecipients() {
        SmtpScriptServer server;
        TSmtpClient c;
        prepare(c, server);
        c.ClearParams = false;
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(c.PostMessage.ToAddress, QStringList{"you@there.example"});
    }

    void reconnectsAfterDisconnect() {
        SmtpScriptServer server;
        TSmtpClient c;
        prepare(c, server);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
            c.PostMessage.ToAddress = {"you@there.example"};
            QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
            QCOMPARE(errorOf(c, [&] { c.Disconnect(); }), QString());
        }
        QCOMPARE(server.connections(), 3);
        QCOMPARE(server.linesOf(2), kSession + Lines{"QUIT"});
    }

    void hostNameIsLookedUp() {
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.Host = "localhost";
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(ev.log, (QStringList{"HostResolved", "Connect"}));
    }

    void invalidHost_data() {
        QTest::addColumn<bool>("handled");
        QTest::addColumn<QString>("newHost");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("unhandled") << false << ""
                                   << "Null Remote Address" << QStringList{"InvalidHost"};
        QTest::newRow("handled, fixed") << true << "127.0.0.1"
                                        << "" << QStringList{"InvalidHost", "Connect"};
        QTest::newRow("handled, fixed by name")
            << true << "localhost"
            << "" << QStringList{"InvalidHost", "HostResolved", "Connect"};
        QTest::newRow("handled, still bad") << true << ""
                                            << "Null Remote Address" << QStringList{"InvalidHost"};
    }
    void invalidHost() {
        QFETCH(bool, handled);
        QFETCH(QString, newHost);
        QFETCH(QString, error);
        QFETCH(QStringList, events);
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.Host = "no-such-host.invalid";
        ev.invalidHost = [&](bool& h) {
            h = handled;
            if (!newHost.isEmpty())
                c.Host = newHost;
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), error);
        QCOMPARE(ev.log, events);
        QCOMPARE(c.Connected(), error.isEmpty());
    }

    void refusedPort() {
        quint16 port;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            port = probe.serverPort();
        }
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        c.Host = "127.0.0.1";
        c.Port = port;
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QStringLiteral("Connection Failed"));
        QCOMPARE(ev.log, QStringList{"ConnectionFailed"});
        QCOMPARE(c.LastError(), 10061);
        QVERIFY(!c.Connected());
        QVERIFY(!c.Busy());
    }

    void greetingRefused() {
        SmtpScriptServer server;
        server.greet("421 busy now\r\n");
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QStringLiteral("421 busy now\r\n"));
        QCOMPARE(server.linesOf(0), Lines{"QUIT"});
        QCOMPARE(ev.log, QStringList{"Disconnect"});
        QVERIFY(!c.Connected());
    }

    void heloRefused_data() {
        QTest::addColumn<bool>("handled");
        QTest::addColumn<QByteArray>("secondReply");
        QTest::addColumn<QString>("error");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("unhandled") << false << QByteArray() << "Authentication failed"
                                   << Lines{"EHLO tester", "HELO tester", "QUIT"}
                                   << QStringList{"AuthenticationFailed", "Disconnect"};
        QTest::newRow("retried, accepted") << true << QByteArray("250 fine\r\n") << ""
                                           << Lines{"EHLO tester", "HELO tester", "HELO tester"}
                                           << QStringList{"AuthenticationFailed", "Connect"};
        QTest::newRow("retried, refused again")
            << true << QByteArray("501 still no\r\n") << "Authentication failed"
            << Lines{"EHLO tester", "HELO tester", "HELO tester", "QUIT"}
            << QStringList{"AuthenticationFailed", "Disconnect"};
    }
    void heloRefused() {
        QFETCH(bool, handled);
        QFETCH(QByteArray, secondReply);
        QFETCH(QString, error);
        QFETCH(Lines, lines);
        QFETCH(QStringList, events);
        SmtpScriptServer server;
        server.on("HELO", "501 bad id\r\n");
        if (!secondReply.isEmpty())
            server.on("HELO", secondReply);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        ev.authenticationFailed = [&](bool& h) {
            h = handled;
            c.UserID = "second";
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), error);
        QCOMPARE(server.linesOf(0), lines);
        QCOMPARE(ev.log, events);
        QCOMPARE(c.Connected(), error.isEmpty());
    }

    // Every reply may have several lines: the number comes from the first,
    // the text from the last, and no continuation shifts a later reply.
    void multiLineRepliesEverywhere() {
        SmtpScriptServer server;
        server.greet("220-welcome\r\n220-more\r\n220 ready\r\n")
            .on("HELO", "250-a\r\n250-b\r\n250 c\r\n")
            .on("RSET", "250-reset\r\n250 done\r\n")
            .on("MAIL", "250-sender\r\n250 ok\r\n")
            .on("RCPT", "550-no such\r\n550 user\r\n")
            .on("RCPT", "250-yes\r\n250 ok\r\n")
            .on("DATA", "354-go\r\n354 ahead\r\n")
            .on(".", "250-queued\r\n250 as 1\r\n");
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.PostMessage.ToAddress = {"bad@x", "good@y"};
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(c.ReplyString(), QStringLiteral("250 c\r\n"));
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(c.ReplyNumber(), 250);
        QCOMPARE(c.ReplyString(), QStringLiteral("250 as 1\r\n"));
        QCOMPARE(server.linesOf(0),
                 (Lines{"EHLO tester", "HELO tester", "RSET", "MAIL FROM:<me@home.example>",
                        "RCPT TO:<bad@x>", "RCPT TO:<good@y>", "DATA", "."}));
        QCOMPARE(ev.log, (QStringList{"Connect", "SendStart", "RecipientNotFound:bad@x",
                                      "PacketSent", "Success"}));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QStringList>("events");
        const Lines upTo = {"EHLO tester", "HELO tester", "RSET"};
        QTest::newRow("RSET") << QByteArray("RSET") << QByteArray("451 later\r\n") << upTo
                              << QStringList{"Connect", "SendStart"};
        QTest::newRow("MAIL") << QByteArray("MAIL") << QByteArray("550 who\r\n")
                              << upTo + Lines{"MAIL FROM:<me@home.example>"}
                              << QStringList{"Connect", "SendStart"};
        QTest::newRow("DATA") << QByteArray("DATA") << QByteArray("554 no data\r\n")
                              << kSession.mid(0, 6) << QStringList{"Connect", "SendStart"};
        QTest::newRow("end of data")
            << QByteArray(".") << QByteArray("552 too big\r\n") << kSession
            << QStringList{"Connect", "SendStart", "PacketSent", "Failure"};
        // A line without a status code is no acceptance.
        QTest::newRow("end of data garbage")
            << QByteArray(".") << QByteArray("whatever\r\n") << kSession
            << QStringList{"Connect", "SendStart", "PacketSent", "Failure"};
        QTest::newRow("MAIL garbage")
            << QByteArray("MAIL") << QByteArray("\x01\xff\r\n")
            << upTo + Lines{"MAIL FROM:<me@home.example>"} << QStringList{"Connect", "SendStart"};
    }
    void refusals() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(Lines, lines);
        QFETCH(QStringList, events);
        SmtpScriptServer server;
        server.on(verb, reply);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString::fromLatin1(reply));
        QCOMPARE(server.linesOf(0), lines);
        QCOMPARE(ev.log, events);
        // The connection stays up and the message as it was.
        QVERIFY(c.Connected());
        QVERIFY(!c.Busy());
        QCOMPARE(c.PostMessage.ToAddress, QStringList{"you@there.example"});
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QStringLiteral("Already connected"));
    }

    // A reply code its command can never get (RFC 5321 4.3.2) is no
    // acceptance and no refusal: the server is out of step, so the client
    // ends the conversation at once with one message and never says "sent".
    void outOfOrder_data() {
        QTest::addColumn<QByteArray>("verb"); // empty: the greeting
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("ehlo"); // the EHLO reply; empty: refused (HELO follows)
        QTest::addColumn<int>("stage");       // 0 connect, 1 send, 2 disconnect
        QTest::addColumn<QString>("error");
        const auto answered = [](const char* command, const char* reply) {
            return QStringLiteral("The mail server answered %1 with a reply out of order (%2); the "
                                  "connection was closed and the e-mail was not sent")
                .arg(QLatin1String(command), QLatin1String(reply));
        };
        const QString greeted = QStringLiteral(
            "The mail server greeted with a reply out of order (%1); the connection was closed "
            "and the e-mail was not sent");
        const QByteArray signIn = "250-hi\r\n250 AUTH PLAIN LOGIN\r\n";
        const QByteArray loginOnly = "250-hi\r\n250 AUTH LOGIN\r\n";
        QTest::newRow("greeting 250") << QByteArray() << QByteArray("250 hi\r\n") << QByteArray()
                                      << 0 << greeted.arg("250 hi");
        QTest::newRow("greeting 354") << QByteArray() << QByteArray("354 go\r\n") << QByteArray()
                                      << 0 << greeted.arg("354 go");
        QTest::newRow("EHLO 354") << QByteArray("EHLO") << QByteArray("354 go\r\n") << QByteArray()
                                  << 0 << answered("EHLO", "354 go");
        QTest::newRow("EHLO 221") << QByteArray("EHLO") << QByteArray("221 bye\r\n") << QByteArray()
                                  << 0 << answered("EHLO", "221 bye");
        QTest::newRow("HELO 354") << QByteArray("HELO") << QByteArray("354 go\r\n") << QByteArray()
                                  << 0 << answered("HELO", "354 go");
        QTest::newRow("HELO 220") << QByteArray("HELO") << QByteArray("220 hi\r\n") << QByteArray()
                                  << 0 << answered("HELO", "220 hi");
        QTest::newRow("AUTH PLAIN 250") << QByteArray("AUTH") << QByteArray("250 OK\r\n") << signIn
                                        << 0 << answered("AUTH", "250 OK");
        QTest::newRow("AUTH LOGIN 235 before the user")
            << QByteArray("AUTH") << QByteArray("235 in\r\n") << loginOnly << 0
            << answered("AUTH", "235 in");
        QTest::newRow("RSET 221") << QByteArray("RSET") << QByteArray("221 bye\r\n") << QByteArray()
                                  << 1 << answered("RSET", "221 bye");
        QTest::newRow("MAIL 354") << QByteArray("MAIL") << QByteArray("354 go\r\n") << QByteArray()
                                  << 1 << answered("MAIL", "354 go");
        QTest::newRow("RCPT 220") << QByteArray("RCPT") << QByteArray("220 hi\r\n") << QByteArray()
                                  << 1 << answered("RCPT", "220 hi");
        QTest::newRow("RCPT 354") << QByteArray("RCPT") << QByteArray("354 go\r\n") << QByteArray()
                                  << 1 << answered("RCPT", "354 go");
        QTest::newRow("RCPT 251 is an acceptance")
            << QByteArray("RCPT") << QByteArray("251 forwarded\r\n") << QByteArray() << 1 << "";
        QTest::newRow("DATA 250") << QByteArray("DATA") << QByteArray("250 OK\r\n") << QByteArray()
                                  << 1 << answered("DATA", "250 OK");
        QTest::newRow("end of data 354")
            << QByteArray(".") << QByteArray("354 go\r\n") << QByteArray() << 1
            << answered("the end of the mail", "354 go");
        QTest::newRow("QUIT 250") << QByteArray("QUIT") << QByteArray("250 OK\r\n") << QByteArray()
                                  << 2 << answered("QUIT", "250 OK");
    }
    void outOfOrder() {
        QFETCH(QByteArray, verb);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, ehlo);
        QFETCH(int, stage);
        QFETCH(QString, error);
        SmtpScriptServer server;
        if (verb.isEmpty())
            server.greet(reply);
        if (!ehlo.isEmpty())
            server.on("EHLO", ehlo);
        if (!verb.isEmpty())
            server.on(verb, reply, verb == "QUIT" ? Answer::ReplyAndClose : Answer::Reply);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        if (!ehlo.isEmpty()) {
            c.AuthUser = "ann";
            c.setPassword("pw");
        }
        QString got = errorOf(c, [&] { c.Connect(); });
        if (stage >= 1 && got.isEmpty())
            got = errorOf(c, [&] { c.SendMail(); });
        if (stage >= 2 && got.isEmpty())
            got = errorOf(c, [&] { c.Disconnect(); });
        QCOMPARE(got, error);
        QCOMPARE(ev.log.contains("Success"), error.isEmpty() || stage == 2);
        if (error.isEmpty())
            return;
        QVERIFY(!c.Connected());
        QVERIFY(!c.Busy());
        QCOMPARE(ev.log.last(), QStringLiteral("Disconnect"));
        QTRY_VERIFY(!server.peerOpen());
        // Nothing went out after the reply out of order: no body after a
        // "250" to DATA, no QUIT whose answer could not be told apart.
        const Lines lines = server.linesOf(0);
        QCOMPARE(lines.isEmpty() ? QByteArray() : lines.last().left(verb.size()), verb);
        if (verb == "DATA")
            QVERIFY(!server.received().contains("line one"));
    }

    void recipientRefusedGoesOn() {
        SmtpScriptServer server;
        server.on("RCPT", "550 unknown\r\n");
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.PostMessage.ToAddress = {"Nobody <nobody@x>", "", "smtp:ok@y"};
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        // The empty entry sends no RCPT; the display name goes only into the To line.
        QCOMPARE(server.linesOf(0),
                 (Lines{"EHLO tester", "HELO tester", "RSET", "MAIL FROM:<me@home.example>",
                        "RCPT TO:<nobody@x>", "RCPT TO:<ok@y>", "DATA", "."}));
        QCOMPARE(ev.log, (QStringList{"Connect", "SendStart", "RecipientNotFound:Nobody <nobody@x>",
                                      "PacketSent", "Success"}));
        QVERIFY(server.data().contains("\r\nTo: Nobody <nobody@x>,,smtp:ok@y\r\n"));
    }

    void bodyPeriodsAndBreaks() {
        SmtpScriptServer server;
        TSmtpClient c;
        prepare(c, server);
        c.PostMessage.FromName = "";
        c.PostMessage.Body = {"first\r\nsecond\r\n.\r\nfourth\n.\nQUIT\r.x"};
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QVERIFY(server.data().startsWith("From: <me@home.example>\r\n"));
        QCOMPARE(server.data().mid(kHeader.size() - 2),
                 QByteArray("first\r\nsecond\r\n..\r\nfourth\r\n..\r\nQUIT\r\n..x\r\n"));
        // The only end of data the server saw is the client's own.
        QCOMPARE(server.linesOf(0).count("."), 1);
        QVERIFY(!server.data().contains("\n.\r\n"));
    }

    void fieldsCannotInjectCommands() {
        SmtpScriptServer server;
        TSmtpClient c;
        prepare(c, server);
        c.HeloName = "me\r\nMAIL FROM:<x@evil>";
        c.PostMessage.FromAddress = "a@b>\r\nRCPT TO:<victim@c";
        c.PostMessage.ToAddress = {"Bob <b@c>\r\nDATA", "d@e\rQUIT"};
        c.PostMessage.Subject = "S\nBcc: victim@c";
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(server.linesOf(0),
                 (Lines{"EHLO me  MAIL FROM:<x@evil>", "HELO me  MAIL FROM:<x@evil>", "RSET",
                        "MAIL FROM:<a@b>  RCPT TO:<victim@c>", "RCPT TO:<b@c>",
                        "RCPT TO:<d@e QUIT>", "DATA", "."}));
        QVERIFY(server.data().contains("\r\nSubject: S Bcc: victim@c\r\n"));
        QVERIFY(!server.data().contains("\r\nBcc:"));
    }

    void headerIncomplete_data() {
        QTest::addColumn<bool>("noFrom");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("supply");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("from, unhandled") << true << false << false << "Incomplete Header"
                                         << QStringList{"Connect", "HeaderIncomplete:1"};
        QTest::newRow("from, supplied")
            << true << true << true << ""
            << QStringList{"Connect", "HeaderIncomplete:1", "SendStart", "PacketSent", "Success"};
        QTest::newRow("from, handled but empty") << true << true << false << "Incomplete Header"
                                                 << QStringList{"Connect", "HeaderIncomplete:1"};
        QTest::newRow("to, unhandled") << false << false << false << "Incomplete Header"
                                       << QStringList{"Connect", "HeaderIncomplete:2"};
        QTest::newRow("to, supplied")
            << false << true << true << ""
            << QStringList{"Connect", "HeaderIncomplete:2", "SendStart", "PacketSent", "Success"};
    }
    void headerIncomplete() {
        QFETCH(bool, noFrom);
        QFETCH(bool, handled);
        QFETCH(bool, supply);
        QFETCH(QString, error);
        QFETCH(QStringList, events);
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        if (noFrom)
            c.PostMessage.FromAddress.clear();
        else
            c.PostMessage.ToAddress.clear();
        ev.headerIncomplete = [&](bool& h, int type) {
            h = handled;
            if (supply && type == 1)
                c.PostMessage.FromAddress = "given@x";
            if (supply && type == 2)
                c.PostMessage.ToAddress = {"given@y"};
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), error);
        QCOMPARE(ev.log, events);
        if (error.isEmpty()) {
            // The supplied value is part of the message.
            QVERIFY(server.data().contains(noFrom ? "From: Me<given@x>" : "To: given@y"));
        } else {
            QCOMPARE(server.linesOf(0), (Lines{"EHLO tester", "HELO tester"}));
        }
    }

    void connectionRequired_data() {
        QTest::addColumn<bool>("handled");
        QTest::addColumn<bool>("connect");
        QTest::addColumn<QString>("error");
        QTest::newRow("unhandled") << false << false << "Not Connected";
        QTest::newRow("handled, connected") << true << true << "";
        QTest::newRow("handled, not connected") << true << false << "Not Connected";
        QTest::newRow("connected, unhandled") << false << true << "Not Connected";
    }
    void connectionRequired() {
        QFETCH(bool, handled);
        QFETCH(bool, connect);
        QFETCH(QString, error);
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        ev.connectionRequired = [&](bool& h) {
            if (connect)
                c.Connect(); // the send goes on once it is done
            h = handled;
        };
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), error);
        QCOMPARE(ev.log.first(), QStringLiteral("ConnectionRequired"));
        QCOMPARE(ev.log.contains("Success"), error.isEmpty());
        QVERIFY(!c.Busy());
    }

    void busySendReturnsAtOnce() {
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        int nested = 0;
        ev.sendStart = [&] {
            QVERIFY(c.Busy());
            c.SendMail(); // ignored: a send is running
            ++nested;
            c.Connect(); // refused at once, the send goes on
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QVERIFY(!c.Busy());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QStringLiteral("Already connected"));
        QCOMPARE(nested, 1);
        QCOMPARE(server.linesOf(0), kSession);
        QCOMPARE(ev.log.last(), QStringLiteral("Success"));
        QCOMPARE(ev.log.count("SendStart"), 1);
    }

    // The server closes instead of answering: a failure, never an empty
    // reply that passes.
    void serverClosesInsteadOfReplying_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<bool>("duringConnect");
        QTest::newRow("greeting") << QByteArray() << true;
        QTest::newRow("HELO") << QByteArray("HELO") << true;
        QTest::newRow("RSET") << QByteArray("RSET") << false;
        QTest::newRow("MAIL") << QByteArray("MAIL") << false;
        QTest::newRow("RCPT") << QByteArray("RCPT") << false;
        QTest::newRow("DATA") << QByteArray("DATA") << false;
        QTest::newRow("end of data") << QByteArray(".") << false;
    }
    void serverClosesInsteadOfReplying() {
        QFETCH(QByteArray, verb);
        QFETCH(bool, duringConnect);
        SmtpScriptServer server;
        if (verb.isEmpty())
            server.greet("", Answer::ReplyAndClose);
        else
            server.on(verb, "", Answer::ReplyAndClose);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        const QString notConnected = QStringLiteral("10057:Socket is not connected");
        if (duringConnect) {
            QCOMPARE(errorOf(c, [&] { c.Connect(); }), notConnected);
        } else {
            QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
            QCOMPARE(errorOf(c, [&] { c.SendMail(); }), notConnected);
        }
        QVERIFY(!ev.log.contains("Success"));
        QCOMPARE(ev.log.count("Disconnect"), 1);
        QCOMPARE(ev.log.last(), QStringLiteral("Disconnect"));
        QVERIFY(!c.Connected());
        QCOMPARE(c.LastError(), 10057);
        // A fresh socket: the next session works.
        server.greet("220 again\r\n");
        c.PostMessage.ToAddress = {"you@there.example"};
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(ev.log.last(), QStringLiteral("Success"));
    }

    void serverClosesIdleConnection() {
        SmtpScriptServer server;
        server.on("HELO", "250 hi, and bye\r\n", Answer::ReplyAndClose);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QTRY_VERIFY(!c.Connected());
        QCOMPARE(ev.log, (QStringList{"Connect", "Disconnect"}));
        QCOMPARE(errorOf(c, [&] { c.Disconnect(); }),
                 QStringLiteral("10057:Socket is not connected"));
    }

    void unsolicitedReplyDoesNotShift() {
        SmtpScriptServer server;
        // A stray line after the HELO reply must not become the answer to RSET.
        server.on("HELO", "250 hi\r\n550 stray\r\n");
        TSmtpClient c;
        prepare(c, server);
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QTest::qWait(50);
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(server.linesOf(0), kSession);
    }

    void packetCounters() {
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        const QString line(99, QLatin1Char('x'));
        QStringList lines;
        for (int i = 0; i < 2000; ++i)
            lines << line;
        c.PostMessage.Body = {lines.join("\n").toUtf8()}; // 2000 lines of 101 bytes on the wire
        QList<qint64> seen;
        ev.packetSent = [&] {
            QCOMPARE(c.BytesTotal(), qint64(202000));
            seen << c.BytesSent();
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(seen.size(), 4); // 65536-byte chunks
        QCOMPARE(seen, (QList<qint64>{65536, 131072, 196608, 202000}));
        QCOMPARE(server.data().size(), kHeader.size() + 202000);
    }

    // Handlers that close or replace the connection in the middle of a send.
    void disconnectFromRecipientHandler() {
        SmtpScriptServer server;
        server.on("RCPT", "550 unknown\r\n");
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.PostMessage.ToAddress = {"bad@x", "good@y"};
        ev.recipientNotFound = [&](const QString&) { c.Disconnect(); };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }),
                 QString()); // a handler closed it: no failure of its own
        QCOMPARE(server.linesOf(0),
                 (Lines{"EHLO tester", "HELO tester", "RSET", "MAIL FROM:<me@home.example>",
                        "RCPT TO:<bad@x>", "QUIT"}));
        QVERIFY(!c.Connected());
        QVERIFY(!c.Busy());
    }

    void reconnectFromRecipientHandler() {
        SmtpScriptServer server;
        server.on("RCPT", "550 unknown\r\n");
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.PostMessage.ToAddress = {"bad@x", "good@y"};
        // No event loop inside the handler: the new connection starts once
        // the old one has said goodbye.
        ev.recipientNotFound = [&](const QString&) {
            c.Disconnect();
            QObject::connect(
                &c, &TSmtpClient::OnDisconnect, &c, [&] { c.Connect(); }, Qt::SingleShotConnection);
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }),
                 QString()); // a handler closed it: no failure of its own
        // The half-done transaction never continues on the new connection.
        QCOMPARE(server.linesOf(1), (Lines{"EHLO tester", "HELO tester"}));
        QVERIFY(c.Connected());
        c.PostMessage.ToAddress = {"good@y"};
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(server.linesOf(1).last(), QByteArray("."));
    }

    void disconnectFromPacketHandler() {
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.PostMessage.Body = {QByteArray(300000, 'y')};
        ev.packetSent = [&] {
            if (c.Connected())
                c.Disconnect();
        };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }),
                 QString()); // a handler closed it: no failure of its own
        // No QUIT inside the message, no end of data: the server got no mail.
        QTRY_VERIFY(!server.peerOpen());
        QVERIFY(!server.received().contains("QUIT"));
        QVERIFY(!server.linesOf(0).contains("."));
        QCOMPARE(ev.log.count("Disconnect"), 1);
    }

    void disconnectFromFailureHandler() {
        SmtpScriptServer server;
        server.on(".", "554 rejected\r\n");
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        ev.failure = [&] { c.Disconnect(); };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        // The refusal, not the QUIT's reply, is the error.
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QStringLiteral("554 rejected\r\n"));
        QCOMPARE(server.linesOf(0), kSession + Lines{"QUIT"});
        QVERIFY(!c.Connected());
    }

    void disconnectFromSuccessHandler() {
        SmtpScriptServer server;
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        ev.success = [&] { c.Disconnect(); };
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(ev.log.mid(ev.log.size() - 2), (QStringList{"Success", "Disconnect"}));
        QCOMPARE(server.linesOf(0), kSession + Lines{"QUIT"});
    }

    // A server that goes silent at some point; Disconnect during that wait
    // ends it, and so does destroying the client's owner.
    void silentServer_data() {
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<int>("stage"); // 0 connect, 1 send, 2 disconnect
        QTest::newRow("greeting") << QByteArray() << 0;
        QTest::newRow("HELO") << QByteArray("HELO") << 0;
        QTest::newRow("RSET") << QByteArray("RSET") << 1;
        QTest::newRow("MAIL") << QByteArray("MAIL") << 1;
        QTest::newRow("RCPT") << QByteArray("RCPT") << 1;
        QTest::newRow("DATA") << QByteArray("DATA") << 1;
        QTest::newRow("end of data") << QByteArray(".") << 1;
        QTest::newRow("QUIT") << QByteArray("QUIT") << 2;
    }
    void silentServer() {
        QFETCH(QByteArray, verb);
        QFETCH(int, stage);
        for (const bool destroy : {false, true}) {
            SmtpScriptServer server;
            if (verb.isEmpty())
                server.greet("", Answer::Silent);
            else
                server.on(verb, "", Answer::Silent);
            SmtpEvents ev;
            auto owner = std::make_unique<QObject>();
            QPointer<TSmtpClient> c = new TSmtpClient(owner.get());
            ev.attach(*c);
            prepare(*c, server);
            auto interrupt = [&] {
                QTimer::singleShot(30, [&] {
                    if (destroy)
                        owner.reset();
                    else
                        QCOMPARE(errorOf(*c, [&] { c->Disconnect(); }), QString());
                });
            };
            QObject::connect(&server, &SmtpScriptServer::greeted, [&](bool silent) {
                if (silent)
                    interrupt();
            });
            QObject::connect(&server, &SmtpScriptServer::answered,
                             [&](const QByteArray&, bool silent) {
                                 if (silent)
                                     interrupt();
                             });
            QString error;
            error = errorOf(*c, [&] { c->Connect(); });
            if (stage >= 1 && error.isEmpty())
                error = errorOf(*c, [&] { c->SendMail(); });
            if (stage == 2 && error.isEmpty())
                error = errorOf(*c, [&] { c->Disconnect(); });
            if (stage == 2) {
                // What the first Disconnect was closing got closed by the
                // second one or with the client: its job is done, no error.
                QCOMPARE(error, QString());
            } else {
                QCOMPARE(error, QString()); // a handler closed it: no failure of its own
            }
            QCOMPARE(c.isNull(), destroy);
            if (c) {
                QVERIFY(!c->Connected());
                QVERIFY(!c->Busy());
                QCOMPARE(ev.log.count("Disconnect"), 1);
                QCOMPARE(ev.log.contains("Success"), stage == 2);
            }
            // A reply still owed means no QUIT could be told apart from it.
            if (stage < 2)
                QVERIFY(!server.linesOf(0).contains("QUIT"));
            QTRY_VERIFY(!server.peerOpen());
        }
    }

    void timeOutEndsWaits() {
        SmtpScriptServer server;
        server.greet("", Answer::Silent);
        TSmtpClient c;
        prepare(c, server);
        c.TimeOut = 300;
        QElapsedTimer t;
        t.start();
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QStringLiteral("10060:Connection timed out"));
        QVERIFY(t.elapsed() >= 290);
        QVERIFY(!c.Connected());
        QTRY_VERIFY(!server.peerOpen());
    }

    void timeOutZeroNeverExpires() {
        SmtpScriptServer server;
        server.greet("", Answer::Silent);
        TSmtpClient c;
        prepare(c, server);
        c.TimeOut = 0;
        QTimer::singleShot(1500, [&] { c.Disconnect(); });
        QElapsedTimer t;
        t.start();
        QCOMPARE(errorOf(c, [&] { c.Connect(); }),
                 QString()); // a handler closed it: no failure of its own
        QVERIFY(t.elapsed() >= 1490);
    }

    void timeOutAppliesToEveryWait() {
        SmtpScriptServer server;
        server.on("MAIL", "", Answer::Silent);
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        prepare(c, server);
        c.TimeOut = 200;
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QStringLiteral("10060:Connection timed out"));
        QCOMPARE(ev.log.last(), QStringLiteral("Disconnect"));
    }
};

TABDECK_TEST(TSmtpClientTest)
#include "TSmtpClientTest.moc"
