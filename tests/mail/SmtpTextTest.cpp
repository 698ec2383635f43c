#include "mail/SmtpText.h"
#include "TestRegistry.h"
#include "mail/SmtpErrors.h"

#include <QTest>

using namespace smtptext;

class SmtpTextTest : public QObject {
    Q_OBJECT
private slots:
    void bareAddress_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << "a@b.example"
                               << "a@b.example";
        QTest::newRow("display name") << "Bob Smith <bob@x.example>"
                                      << "bob@x.example";
        QTest::newRow("first brackets") << "<a@x> <b@y>"
                                        << "a@x";
        QTest::newRow("unclosed bracket") << "Bob <bob@x"
                                          << "bob@x";
        QTest::newRow("colon form") << "smtp:a@b"
                                    << "a@b";
        QTest::newRow("between colons") << "x:a@b:y"
                                        << "a@b";
        QTest::newRow("brackets win over colon") << "x:y <a@b>"
                                                 << "a@b";
        QTest::newRow("empty brackets") << "Bob <>"
                                        << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void bareAddress() {
        QFETCH(QString, entry);
        QFETCH(QString, address);
        QCOMPARE(smtptext::bareAddress(entry), address);
    }

    void replyNumber_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("number");
        QTest::newRow("code") << QByteArray("250 OK\r\n") << 250;
        QTest::newRow("continuation") << QByteArray("250-first\r\n") << 250;
        QTest::newRow("no digits") << QByteArray("hello\r\n") << 0;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("digits then letter") << QByteArray("2a0\r\n") << 2;
        QTest::newRow("only first ten looked at") << QByteArray("000000000123") << 1;
        // 65786 would wrap to 250 in 16 bits; it must never read as acceptance.
        QTest::newRow("no wrap to 250") << QByteArray("65786 x\r\n") << 32767;
        QTest::newRow("ten digits") << QByteArray("9999999999") << 32767;
    }
    void replyNumber() {
        QFETCH(QByteArray, line);
        QFETCH(int, number);
        QCOMPARE(smtptext::replyNumber(line), number);
    }

    void continues_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("more");
        QTest::newRow("hyphen") << QByteArray("250-x\r\n") << true;
        QTest::newRow("blank after code") << QByteArray("250 x\r\n") << false;
        QTest::newRow("leading blank") << QByteArray(" folded\r\n") << true;
        QTest::newRow("short") << QByteArray("25\r\n") << false;
        QTest::newRow("garbage hyphen") << QByteArray("abc-\r\n") << true;
    }
    void continues() {
        QFETCH(QByteArray, line);
        QFETCH(bool, more);
        QCOMPARE(smtptext::continues(line), more);
    }

    void bodyText_data() {
        QTest::addColumn<QByteArrayList>("body");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("crlf") << QByteArrayList{"a\r\nb"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("bare lf") << QByteArrayList{"a\nb"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("bare cr") << QByteArrayList{"a\rb"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("mixed") << QByteArrayList{"a\r\n\nb\r\rc"}
                               << QByteArray("a\r\n\r\nb\r\n\r\nc\r\n");
        QTest::newRow("entry ends in break") << QByteArrayList{"a\n"} << QByteArray("a\r\n\r\n");
        QTest::newRow("two entries") << QByteArrayList{"a", "b"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("empty entry") << QByteArrayList{""} << QByteArray("\r\n");
        QTest::newRow("no entries") << QByteArrayList{} << QByteArray();
        QTest::newRow("first line period")
            << QByteArrayList{".hidden"} << QByteArray("..hidden\r\n");
        QTest::newRow("third line lone period") << QByteArrayList{"one\r\ntwo\r\n.\r\nfour"}
                                                << QByteArray("one\r\ntwo\r\n..\r\nfour\r\n");
        QTest::newRow("lone period entry") << QByteArrayList{"a", "."} << QByteArray("a\r\n..\r\n");
        QTest::newRow("smuggled end by lf")
            << QByteArrayList{"a\n.\nRSET"} << QByteArray("a\r\n..\r\nRSET\r\n");
        QTest::newRow("smuggled end by cr")
            << QByteArrayList{"a\r.\rRSET"} << QByteArray("a\r\n..\r\nRSET\r\n");
        QTest::newRow("period inside line")
            << QByteArrayList{"a.b\r\n x."} << QByteArray("a.b\r\n x.\r\n");
        QTest::newRow("cr at the end") << QByteArrayList{"a\r"} << QByteArray("a\r\n\r\n");
        QTest::newRow("periods across entries")
            << QByteArrayList{"x", ".y\n.", ""} << QByteArray("x\r\n..y\r\n..\r\n\r\n");
        QTest::newRow("utf-8") << QByteArrayList{"gr\xc3\xbc\xc3\x9f"}
                               << QByteArray("gr\xc3\xbc\xc3\x9f\r\n");
    }
    void bodyText() {
        QFETCH(QByteArrayList, body);
        QFETCH(QByteArray, wire);
        QCOMPARE(smtptext::bodyText(body), wire);
    }

    // Read in pieces of any size, the stream gives the same bytes, and its
    // size is known before the first piece.
    void bodyStream_data() { bodyText_data(); }
    void bodyStream() {
        QFETCH(QByteArrayList, body);
        QFETCH(QByteArray, wire);
        for (const qsizetype max : {1, 2, 3, 5, 4096}) {
            smtptext::BodyStream stream(body);
            QCOMPARE(stream.size(), wire.size());
            QByteArray got;
            char piece[4096];
            while (const qsizetype n = stream.read(piece, max)) {
                QVERIFY(n <= max);
                got.append(piece, n);
                QVERIFY2(n == max || got.size() == wire.size(), "short piece before the end");
            }
            QCOMPARE(got, wire);
            QCOMPARE(stream.read(piece, max), 0);
        }
    }

    void headerBlock() {
        TPostMessage m;
        m.FromAddress = "me@home.example";
        m.FromName = "Me Myself";
        m.Subject = "Hello";
        m.ToAddress = {"a@x.example", "Bob <b@y.example>"};
        QCOMPARE(smtptext::headerBlock(m, mtPlain, "us-ascii"),
                 QByteArray("From: Me Myself<me@home.example>\r\n"
                            "To: a@x.example,Bob <b@y.example>\r\n"
                            "Subject: Hello\r\n"
                            "Mime-Version: 1.0\r\n"
                            "Content-Type: text/plain; charset=us-ascii\r\n"
                            "\r\n\r\n"));
    }

    void headerOptionalLines() {
        TPostMessage m;
        m.FromAddress = "me@home.example";
        m.LocalProgram = "Mailer 1";
        m.ReplyTo = "r@x";
        m.Date = "today";
        // Empty name: the address follows "From: " directly; no To, no Subject.
        QCOMPARE(smtptext::headerBlock(m, mtHtml, "utf-8"),
                 QByteArray("From: <me@home.example>\r\n"
                            "X-Mailer: Mailer 1\r\n"
                            "Reply-To: r@x\r\n"
                            "Date: today\r\n"
                            "Mime-Version: 1.0\r\n"
                            "Content-Type: text/html; charset=utf-8\r\n"
                            "\r\n\r\n"));
    }

    void headerFieldsCannotAddLines() {
        TPostMessage m;
        m.FromAddress = "me@x\r\nBcc: victim@y";
        m.FromName = "N\n";
        m.Subject = "S\r\nX-Evil: 1";
        m.ToAddress = {"a@x\rb"};
        const QByteArray h = smtptext::headerBlock(m, mtPlain, "us-ascii\r\nX: y");
        QCOMPARE(h, QByteArray("From: N <me@x  Bcc: victim@y>\r\n"
                               "To: a@x b\r\n"
                               "Subject: S  X-Evil: 1\r\n"
                               "Mime-Version: 1.0\r\n"
                               "Content-Type: text/plain; charset=us-ascii  X: y\r\n"
                               "\r\n\r\n"));
    }

    void contentType_data() {
        QTest::addColumn<int>("subType");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << int(mtPlain) << "Content-Type: text/plain; charset=us-ascii";
        QTest::newRow("enriched") << int(mtEnriched)
                                  << "Content-Type: text/enriched; charset=us-ascii";
        QTest::newRow("sgml") << int(mtSgml) << "Content-Type: text/sgml; charset=us-ascii";
        QTest::newRow("tab") << int(mtTabSeperated)
                             << "Content-Type: text/tab-separated-values; charset=us-ascii";
        QTest::newRow("html") << int(mtHtml) << "Content-Type: text/html; charset=us-ascii";
    }
    void contentType() {
        QFETCH(int, subType);
        QFETCH(QString, line);
        QCOMPARE(smtptext::contentTypeLine(TMailType(subType), "us-ascii"), line);
    }

    void winsockText_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("refused") << 10061 << "10061:Connection refused";
        QTest::newRow("not connected") << 10057 << "10057:Socket is not connected";
        QTest::newRow("host") << 11001 << "11001:Host not found";
        QTest::newRow("last") << 11004 << "11004:Valid name, no data record of requested type";
        QTest::newRow("unknown") << 10001 << "Unknown Error No. 10001";
    }
    void winsockText() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(smtperrors::text(code), text);
    }

    void winsockCodes() {
        QCOMPARE(smtperrors::codeFor(QAbstractSocket::ConnectionRefusedError), 10061);
        QCOMPARE(smtperrors::codeFor(QAbstractSocket::HostNotFoundError), 11001);
        QCOMPARE(smtperrors::codeFor(QAbstractSocket::RemoteHostClosedError), 10057);
        QCOMPARE(smtperrors::codeFor(QAbstractSocket::SocketTimeoutError), 10060);
    }
};

TABDECK_TEST(SmtpTextTest)
#include "SmtpTextTest.moc"
