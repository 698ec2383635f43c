// The e-mail window sends to a real SMTP server (aiosmtpd on loopback), and
// Python's mail parser reads back what a mail program would show.
#include "AiosmtpdProcess.h"
#include "EmailFixture.h"
#include "TestRegistry.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using testsupport::EmailFixture;

class TEmailRealServerTest : public QObject {
    Q_OBJECT
    testsupport::TempDir store_;
    testsupport::AiosmtpdProcess server_;
    int sent_ = 0;

private slots:
    void initTestCase() {
        const QString failure = server_.start(store_.path());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    void cleanupTestCase() { server_.stop(); }

    void arrivesIntact_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("file"); // in tests/data, or written from `content`
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("bodyLines"); // lines the body must hold, in order
        QTest::newRow("ASCII") << "Me Myself"
                               << "Report"
                               << ""
                               << "first\n.second\nlast\n"
                               << QStringList{"first", ".second", "last"};
        const QString umlauts = QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                  "e aus K\xc3\xb6ln");
        const QString cjk = QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e");
        QTest::newRow("UTF-8") << QString::fromUtf8("J\xc3\xbcrgen \xe5\xb1\xb1\xe7\x94\xb0")
                               << umlauts + " " + cjk << "" << umlauts + "\n" + cjk + "\n"
                               << QStringList{umlauts, cjk};
        QTest::newRow("RTF by a word processor")
            << "Me Myself"
            << "Letter"
            << "rtf/libreoffice.rtf"
            << ""
            << QStringList{"Dear reader, this line has bold words, italic words and underlined "
                           "words.",
                           QString::fromUtf8("\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae"
                                             "\xe3\x83\x86\xe3\x82\xad\xe3\x82\xb9\xe3\x83\x88"
                                             "\xe3\x81\xa8\xe4\xb8\xad\xe6\x96\x87\xe6\x96\x87"
                                             "\xe6\x9c\xac\xe3\x80\x82"),
                           "Cell A\tCell B", ".A line that begins with a period."};
    }

    void arrivesIntact() {
        QFETCH(QString, name);
        QFETCH(QString, subject);
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(QStringList, bodyLines);
        EmailFixture f;
        f.storeSetup("127.0.0.1", server_.port());
        f.file.write("EMAILSETUP", "YourName", name);
        f.window->show();
        f.type("To1", "Bob <bob@there.example>");
        f.type("Subject1", subject);
        f.choose(file.isEmpty() ? f.dir.write("body.txt", content.toUtf8())
                                : QStringLiteral(TABDECK_TEST_DATA "/") + file);
        f.prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
        f.window->SendBtnClick();
        f.settle();
        QCOMPARE(f.prompts.lastBox().text, "The e-mail was sent, your done sending e-mail!");

        const QString eml = store_.file(QStringLiteral("mail%1.eml").arg(++sent_));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(eml), 5000);
        QProcess reader;
        reader.start("/usr/bin/python3", {TABDECK_SOURCE_DIR "/tests/mail/read_mail.py", eml});
        QVERIFY(reader.waitForFinished(10000));
        const QJsonObject shown = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
        QCOMPARE(shown["fromName"].toString(), name);
        QCOMPARE(shown["fromAddress"].toString(), "me@example.com");
        QCOMPARE(shown["to"].toString(), "Bob <bob@there.example>");
        QCOMPARE(shown["subject"].toString(), subject);
        const QStringList lines = shown["body"].toString().split(u'\n');
        qsizetype at = 0;
        for (const QString& line : bodyLines) {
            at = lines.indexOf(line, at);
            QVERIFY2(at >= 0, qPrintable("missing line: " + line));
        }
        if (file.isEmpty()) // the whole body: one blank line, the file, its final line end
            QCOMPARE(shown["body"].toString(), "\n" + content + "\n");
    }
};

TABDECK_TEST(TEmailRealServerTest)
#include "TEmailRealServerTest.moc"
