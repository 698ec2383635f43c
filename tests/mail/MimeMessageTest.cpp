// The mail with files as it goes out: sizes known before the first read at
// every edge of the encoder's lines and blocks, names in their safe forms,
// which files count as text, and the size limits at and past their edges.
#include "mail/MimeMessage.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "mail/MailText.h"

#include <QRandomGenerator>
#include <QTest>

using testsupport::TempDir;

class MimeMessageTest : public QObject {
    Q_OBJECT
private slots:
    void stream_data() {
        QTest::addColumn<qint64>("size");
        // 57 bytes make a line, 57 * 1024 a block.
        for (const qint64 n : {0, 1, 2, 3, 56, 57, 58, 58367, 58368, 58369, 3 * 58368 + 5})
            QTest::addRow("%lld bytes", n) << n;
    }
    void stream() {
        QFETCH(qint64, size);
        TempDir dir;
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& c : bytes)
            c = char(QRandomGenerator::global()->bounded(256));
        TPostMessage m;
        m.FromAddress = "me@example.com";
        m.ToAddress = {"you@example.com"};
        m.Body = {"text\n.period"};
        m.Attachments = {{dir.write("f.bin", bytes), "f.bin", "application/octet-stream"}};
        mimemessage::MessageStream s(m, mtPlain, "us-ascii", false);
        QVERIFY(s.error().isEmpty());
        QVERIFY(s.header().contains("Content-Type: multipart/mixed; boundary="));
        QByteArray out;
        char buf[1000]; // an odd size, so reads end inside lines and pieces
        for (qsizetype n; (n = s.read(buf, sizeof buf)) > 0;)
            out.append(buf, n);
        QCOMPARE(out.size(), s.size());
        QVERIFY(out.contains("\r\n..period\r\n"));
        const qsizetype start = out.indexOf("\r\n\r\n", out.indexOf("Content-Disposition")) + 4;
        const qsizetype end = out.indexOf("--=_", start);
        const QByteArray coded = out.mid(start, end - start);
        for (const QByteArray& line : coded.split('\n'))
            QVERIFY(line.size() <= 77);
        QCOMPARE(QByteArray::fromBase64(coded), bytes);
        QVERIFY(out.endsWith("--\r\n"));
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("parameter");
        QTest::newRow("plain") << "my report.pdf" << QByteArray("filename=\"my report.pdf\"");
        QTest::newRow("quote") << "a\"b.txt" << QByteArray("filename*=utf-8''a%22b.txt");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                        "e.txt")
                                   << QByteArray("filename*=utf-8''Gr%C3%BC%C3%9Fe.txt");
        QTest::newRow("line break")
            << "a\r\nB: x" << QByteArray("filename*=utf-8''a%0D%0AB%3A%20x");
    }
    void names() {
        QFETCH(QString, name);
        QFETCH(QByteArray, parameter);
        QCOMPARE(mimemessage::nameParameter("filename", name), parameter);
    }

    void isText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("rich");
        QTest::addColumn<bool>("text");
        QTest::newRow("empty") << QByteArray() << false << true;
        QTest::newRow("UTF-8, tab, form feed, CR LF") << QByteArray("Gr\xc3\xbc\xc3\x9f"
                                                                    "e\t\f\r\n")
                                                      << false << true;
        QTest::newRow("Western") << QByteArray("Caf\xe9 \x80") << false << true;
        QTest::newRow("byte undefined in Western") << QByteArray("Caf\xe9 \x81") << false << false;
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << false << false;
        QTest::newRow("escape") << QByteArray("\x1b[1m") << false << false;
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n") << false << false;
        // Bytes are looked at eight at a time: each edge of a word and the tail.
        const QByteArray plain(21, 'a');
        for (int at : {0, 7, 8, 15, 16, 20}) {
            for (const char b : {'\x01', '\x1f', '\x81'}) {
                QByteArray bytes = plain;
                bytes[at] = b;
                QTest::addRow("byte %02x at %d", quint8(b), at) << bytes << false << false;
            }
            QByteArray edge = plain;
            edge[at] = ' ';
            edge[(at + 1) % plain.size()] = '\x7f';
            QTest::addRow("space and DEL at %d", at) << edge << false << true;
        }
        QTest::newRow("RTF") << QByteArray("{\\rtf1 hi}") << true << true;
        QTest::newRow("not RTF") << QByteArray("hi") << true << false;
    }
    void isText() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, rich);
        QFETCH(bool, text);
        QCOMPARE(mailtext::isText(bytes, rich), text);
    }

    void limits_data() {
        QTest::addColumn<qint64>("content");
        QTest::addColumn<qint64>("wire");
        QTest::addColumn<qint64>("server");
        QTest::addColumn<QString>("told"); // "": within
        const qint64 own = mimemessage::kContentLimit;
        QTest::newRow("own, at") << own << 0LL << 0LL << "";
        QTest::newRow("own, past") << own + 1 << 0LL << 0LL << "more than the 25.0 MB";
        QTest::newRow("server, at") << 0LL << 4000LL << 4000LL << "";
        QTest::newRow("server, past") << 0LL << 4001LL << 4000LL << "at most 4.0 kB";
        QTest::newRow("server names none") << 0LL << own * 2 << 0LL << "";
    }
    void limits() {
        QFETCH(qint64, content);
        QFETCH(qint64, wire);
        QFETCH(qint64, server);
        QFETCH(QString, told);
        const QString text = mimemessage::overLimit(content, wire, server);
        QCOMPARE(text.isEmpty(), told.isEmpty());
        QVERIFY2(text.contains(told), qPrintable(text));
    }
};

TABDECK_TEST(MimeMessageTest)
#include "MimeMessageTest.moc"
