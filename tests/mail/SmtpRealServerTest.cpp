#include "AiosmtpdProcess.h"
#include "SmtpTestEvents.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "mail/TSmtpClient.h"

#include <QFile>
#include <QHostInfo>
#include <QTest>

using testsupport::errorOf;
using testsupport::SmtpEvents;
using testsupport::TempDir;

// The client against a real SMTP server (aiosmtpd on loopback): what the
// server stores must be exactly the message we composed.
class SmtpRealServerTest : public QObject {
    Q_OBJECT
    testsupport::AiosmtpdProcess server_;
    TempDir store_;
    quint16 port_ = 0;

    QByteArray stored(const QString& name) {
        QFile f(store_.file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        const QString failure = server_.start(store_.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        port_ = server_.port();
    }

    void cleanupTestCase() { server_.stop(); }

    void storedMessageMatchesByteForByte() {
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        c.Host = "127.0.0.1";
        c.Port = port_;
        c.UserID = "tabdeck-test";
        c.SubType = mtHtml;
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        QCOMPARE(c.ReplyNumber(), 250);

        c.PostMessage.FromAddress = "sender@home.example";
        c.PostMessage.FromName = "Sender Name";
        c.PostMessage.Subject = "Report";
        c.PostMessage.ToAddress = {"Bob <bob@there.example>", "carol@there.example"};
        c.PostMessage.Body = {QByteArray("<p>first</p>\n.\n..two\r\nlast gr\xc3\xbc\xc3\x9f"
                                         "e\r\n"),
                              "."};
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(ev.log.last(), QStringLiteral("Success"));

        // A second mail on the same session.
        c.PostMessage.ToAddress = {"dave@there.example"};
        c.PostMessage.Subject.clear();
        c.PostMessage.Body = {"short"};
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(errorOf(c, [&] { c.Disconnect(); }), QString());
        QCOMPARE(ev.log, (QStringList{"Connect", "SendStart", "PacketSent", "Success", "SendStart",
                                      "PacketSent", "Success", "Disconnect"}));

        QTRY_VERIFY(QFile::exists(store_.file("mail2.eml")));
        QCOMPARE(stored("mail1.env"), QByteArray(QHostInfo::localHostName().toUtf8() +
                                                 "\nsender@home.example\n"
                                                 "bob@there.example\ncarol@there.example\n"));
        QCOMPARE(stored("mail1.eml"),
                 QByteArray("From: Sender Name<sender@home.example>\r\n"
                            "To: Bob <bob@there.example>,carol@there.example\r\n"
                            "Subject: Report\r\n"
                            "Mime-Version: 1.0\r\n"
                            "Content-Type: text/html; charset=us-ascii\r\n"
                            // the server offers 8BITMIME: the UTF-8 body says it is 8-bit
                            "Content-Transfer-Encoding: 8bit\r\n"
                            "\r\n\r\n"
                            "<p>first</p>\r\n.\r\n..two\r\nlast gr\xc3\xbc\xc3\x9f"
                            "e\r\n\r\n.\r\n"));
        QCOMPARE(stored("mail2.env"), QByteArray(QHostInfo::localHostName().toUtf8() +
                                                 "\nsender@home.example\ndave@there.example\n"));
        QCOMPARE(stored("mail2.eml"), QByteArray("From: Sender Name<sender@home.example>\r\n"
                                                 "To: dave@there.example\r\n"
                                                 "Mime-Version: 1.0\r\n"
                                                 "Content-Type: text/html; charset=us-ascii\r\n"
                                                 "\r\n\r\nshort\r\n"));
    }

    void refusedRecipientOnRealServer() {
        // The server refuses a malformed address; the mail still goes to the rest.
        SmtpEvents ev;
        TSmtpClient c;
        ev.attach(c);
        c.Host = "127.0.0.1";
        c.Port = port_;
        c.UserID = "tabdeck-test";
        QCOMPARE(errorOf(c, [&] { c.Connect(); }), QString());
        c.PostMessage.FromAddress = "sender@home.example";
        c.PostMessage.ToAddress = {"Nobody <@@@>", "ok@there.example"};
        c.PostMessage.Body = {"text"};
        QCOMPARE(errorOf(c, [&] { c.SendMail(); }), QString());
        QCOMPARE(ev.log, (QStringList{"Connect", "SendStart", "RecipientNotFound:Nobody <@@@>",
                                      "PacketSent", "Success"}));
        QCOMPARE(errorOf(c, [&] { c.Disconnect(); }), QString());
        QTRY_VERIFY(QFile::exists(store_.file("mail3.env")));
        QCOMPARE(stored("mail3.env"), QByteArray(QHostInfo::localHostName().toUtf8() +
                                                 "\nsender@home.example\nok@there.example\n"));
    }
};

TABDECK_TEST(SmtpRealServerTest)
#include "SmtpRealServerTest.moc"
