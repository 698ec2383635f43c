// The send path without the window (a stand-in view) against real servers
// that want TLS and a sign-in, each started by the test with a certificate
// of its own in a private trust store.
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "TlsPeer.h"
#include "core/ControlFile.h"
#include "mail/MailSender.h"

#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QTest>
#include <QTimer>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

namespace {

class FakeView : public MailView {
public:
    QString to() const override { return QStringLiteral("Bob <bob@there.example>"); }
    void setTo(const QString&) override {}
    QString subject() const override {
        return QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                 "e");
    }
    bool setupShown() const override { return true; }
    void focus(Field) override {}
    void showFileType(std::optional<FileType>) override {}
    void setConnectionText(const QString& text) override { connection << text; }
    void setStatusText(const QString& text) override { status = text; }
    QStringList connection;
    QString status;
};

// A keyring that answers later, as a real one does.
class FakePasswords : public PasswordSource {
public:
    std::optional<QString> answer;
    QStringList forgotten;
    void fetch(const QString&, const QString&,
               std::function<void(std::optional<QString>)> done) override {
        QTimer::singleShot(0, [done, a = answer] { done(a); });
    }
    void forget(const QString& host, const QString& user) override {
        forgotten << host + "/" + user;
    }
};

// What the process holds in memory now, in bytes.
qint64 residentBytes() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

const QString kPassword = QStringLiteral("s3cret pass");
const QString kSent = QStringLiteral("The e-mail was sent, your done sending e-mail!");

} // namespace

class MailSenderPeerTest : public QObject {
    Q_OBJECT
private slots:
    void peers_data() {
        QTest::addColumn<QString>("mode"); // of tls_peer.py
        QTest::addColumn<QString>("cert");
        QTest::addColumn<QString>("auth");
        QTest::addColumn<int>("security");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password"); // what the keyring gives; "": nothing
        QTest::addColumn<QString>("box");      // the one box after the confirmation
        const int startTls = int(MailSecurity::StartTls), tls = int(MailSecurity::Tls);
        QTest::newRow("STARTTLS, PLAIN") << "starttls"
                                         << "good"
                                         << "both" << startTls << "ann" << kPassword << kSent;
        QTest::newRow("STARTTLS, LOGIN only") << "starttls"
                                              << "good"
                                              << "login" << startTls << "ann" << kPassword << kSent;
        QTest::newRow("TLS from the start, LOGIN only")
            << "tls"
            << "good"
            << "login" << tls << "ann" << kPassword << kSent;
        QTest::newRow("no sign-in, none offered") << "starttls"
                                                  << "good"
                                                  << "none" << startTls << ""
                                                  << "" << kSent;
        QTest::newRow("sign-in, none offered")
            << "starttls"
            << "good"
            << "none" << startTls << "ann" << kPassword << "offers no way to sign in";
        QTest::newRow("wrong password") << "starttls"
                                        << "good"
                                        << "both" << startTls << "ann"
                                        << "wrong"
                                        << "Sign-in refused: the server did not accept";
        QTest::newRow("expired certificate")
            << "tls"
            << "expired"
            << "both" << tls << "ann" << kPassword << "(certificate expired)";
        QTest::newRow("wrong host name")
            << "starttls"
            << "wronghost"
            << "both" << startTls << "ann" << kPassword
            << "certificate of localhost is not trusted (name does not match: made for "
               "wrong.example)";
        QTest::newRow("drops after STARTTLS") << "drop"
                                              << "good"
                                              << "none" << startTls << ""
                                              << ""
                                              << "secure connection";
        // A server that leaves STARTTLS out (stripped on the way, say) and
        // offers a sign-in in clear: neither the password nor the mail goes out.
        QTest::newRow("STARTTLS not offered") << "clear"
                                              << "good"
                                              << "both" << startTls << "ann" << kPassword
                                              << "TLS failed: the server does not offer TLS.";
        QTest::newRow("no password to be had") << "starttls"
                                               << "good"
                                               << "both" << startTls << "ann"
                                               << ""
                                               << "No password was given";
    }

    void peers() {
        QFETCH(QString, mode);
        QFETCH(QString, cert);
        QFETCH(QString, auth);
        QFETCH(int, security);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, box);
        TempDir dir;
        testsupport::TlsPeer server;
        const QString started = server.start(dir.path(), mode, cert, auth);
        QVERIFY2(started.isEmpty(), qPrintable(started));

        ControlFile file(dir.file("TabdeckV10.INI"));
        ScriptedPrompts prompts;
        FakeView view;
        FakePasswords passwords;
        if (!password.isEmpty())
            passwords.answer = password;
        MailSender sender(file, prompts, nullptr, view);
        sender.usePasswords(&passwords);
        sender.opened(); // as the window does: the warm-up may still run at the first send
        sender.useTrustStore(QSslCertificate::fromPath(dir.file("ca.pem")));
        EmailSetup setup;
        setup.host = "localhost";
        setup.userId = "tester";
        setup.address = "me@example.com";
        setup.name = QString::fromUtf8("J\xc3\xb6rg");
        setup.port = server.port();
        setup.security = MailSecurity(security);
        setup.authUser = user;
        sender.useAccount(setup);
        const QByteArray text = "Caf\xc3\xa9 au lait\n.leading period\n";
        sender.loadFile(dir.write("body.txt", text));

        prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
        sender.send();
        const bool ended =
            QTest::qWaitFor([&] { return prompts.allUsed() && !sender.client().Busy(); }, 15000);
        QVERIFY2(ended, qPrintable(QStringLiteral("boxes %1, busy %2, last: %3")
                                       .arg(prompts.boxes().size())
                                       .arg(sender.client().Busy())
                                       .arg(prompts.boxes().isEmpty() ? QString()
                                                                      : prompts.lastBox().text)));
        QTest::qWait(50); // room for a second box, which must not come
        QCOMPARE(prompts.unexpectedCount(), 0);
        QCOMPARE(prompts.boxes().size(), 2);
        QVERIFY2(prompts.lastBox().text.contains(box), qPrintable(prompts.lastBox().text));
        QCOMPARE(passwords.forgotten,
                 box.startsWith("Sign-in refused") ? QStringList{"localhost/ann"} : QStringList());

        // The password never crossed in clear, not even base64-coded, and
        // the greeting names this machine, never a typed-in value.
        QFile wire(dir.file("wire.log"));
        const QByteArray sent = wire.open(QIODevice::ReadOnly) ? wire.readAll() : QByteArray();
        const QByteArray secretBytes = kPassword.toUtf8();
        for (const QByteArray& secret :
             {secretBytes, secretBytes.toBase64(),
              (QByteArray("\0ann\0", 5) + secretBytes).toBase64(), QByteArray("tester")})
            QVERIFY2(!sent.contains(secret), secret.constData());
        // Without a password nothing goes out at all; in clear, the first
        // words are EHLO and this machine's name.
        const bool nothingSent = !user.isEmpty() && password.isEmpty();
        QCOMPARE(sent.isEmpty(), nothingSent);
        if (mode != "tls" && !nothingSent)
            QVERIFY(sent.startsWith("EHLO " + QHostInfo::localHostName().toUtf8() + "\r\n"));
        const bool delivered = box == kSent;
        // Nothing of a sign-in or a mail ever crossed in clear.
        for (const char* command : {"AUTH", "MAIL FROM", "RCPT TO", "DATA"})
            QVERIFY2(!sent.contains(command), command);
        QCOMPARE(QFile::exists(dir.file("mail1.eml")), delivered);
        if (!delivered)
            return;
        QFile envelope(dir.file("mail1.env"));
        QVERIFY(envelope.open(QIODevice::ReadOnly));
        QCOMPARE(envelope.readLine().trimmed(), QHostInfo::localHostName().toUtf8());
        QCOMPARE(view.connection.last(), "Disconnected");
        // On the wire each of the two lines ends in CR LF, the period-led
        // line gets a second period, and the text's last line break starts
        // an empty line that ends in CR LF too.
        QCOMPARE(view.status,
                 QStringLiteral("%1 bytes out of %1 transferred").arg(text.size() + 2 + 1 + 2));

        QProcess reader;
        reader.start("/usr/bin/python3",
                     {TABDECK_SOURCE_DIR "/tests/mail/read_mail.py", dir.file("mail1.eml")});
        QVERIFY(reader.waitForFinished(10000));
        const QJsonObject shown = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
        QCOMPARE(shown["fromName"].toString(), setup.name);
        QCOMPARE(shown["subject"].toString(), view.subject());
        // The body starts after one more empty line, and the text's last
        // line break is followed by an (empty) line of its own.
        QCOMPARE(shown["body"].toString(), "\n" + QString::fromUtf8(text) + "\n");
        QVERIFY(shown["dated"].toBool());
        QVERIFY(shown["messageId"].toString().endsWith("@example.com>"));
    }

    // Files that go with a mail, each read back by Python's mail parser and
    // compared byte for byte; and the ways a mail must not go out.
    void attachments_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArrayList>("contents"); // "random:N", "sparse:N": made by the test
        QTest::addColumn<QStringList>("types");       // the content type each must arrive with
        QTest::addColumn<int>("via");                 // a Via
        QTest::addColumn<QString>("sizeLimit");       // the server's SIZE; "": its default
        QTest::addColumn<QString>("box");             // the last box
        QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        for (int i = 0; png.size() < 746; ++i)
            png += char(i * 37);
        const QByteArray text = "Caf\xc3\xa9\r\n.leading period\nlast line without break";
        const QString pdf = QString::fromUtf8("\xc3\x9c"
                                              "bersicht M\xc3\xa4rz \xe2\x82\xac \"1\".pdf");
        QTest::newRow("text") << QStringList{"notes.txt"} << QByteArrayList{text}
                              << QStringList{"text/plain"} << int(Attached) << "" << kSent;
        QTest::newRow("binary PNG") << QStringList{"picture.png"} << QByteArrayList{png}
                                    << QStringList{"image/png"} << int(Attached) << "" << kSent;
        QTest::newRow("20 MB random, memory flat")
            << QStringList{"random.bin"} << QByteArrayList{"random:20000000"}
            << QStringList{"application/octet-stream"} << int(Attached) << "" << kSent;
        QTest::newRow("non-ASCII name")
            << QStringList{pdf} << QByteArrayList{QByteArray("%PDF-1.4\n\xff\x00\x01", 12)}
            << QStringList{"application/pdf"} << int(Attached) << "" << kSent;
        QTest::newRow("three files at once")
            << QStringList{"a.txt", "b.png", "c.bin"} << QByteArrayList{text, png, "random:70000"}
            << QStringList{"text/plain", "image/png", "application/octet-stream"} << int(Attached)
            << "" << kSent;
        QTest::newRow("binary chosen as body, attached")
            << QStringList{"picture.png"} << QByteArrayList{png} << QStringList{"image/png"}
            << int(BodyAttached) << "" << kSent;
        QTest::newRow("binary chosen as body, declined")
            << QStringList{"picture.png"} << QByteArrayList{png} << QStringList{}
            << int(BodyDeclined) << ""
            << "You have to select a file to send!";
        QTest::newRow("wrong extension as rich text body, attached")
            << QStringList{"letter.rtf"} << QByteArrayList{"plain words, no rich text"}
            << QStringList{"application/rtf"} << int(BodyAttached) << "" << kSent;
        QTest::newRow("cut short while sending")
            << QStringList{"shrinks.bin"} << QByteArrayList{"random:2000000"}
            << QStringList{"application/octet-stream"} << int(CutWhileSending) << ""
            << "changed while the e-mail was sent";
        QTest::newRow("over the server's SIZE")
            << QStringList{"c.bin"} << QByteArrayList{"random:5000"} << QStringList{}
            << int(Attached) << "4000"
            << "The mail server takes mails of at most 4.0 kB, and this e-mail is 7.";
        // With the 14-byte text the content is at its limit, then a byte past
        // it. At the limit it passes the program's own check, but as it goes out
        // it is past the server's 32 MiB, which is checked before sending too.
        QTest::newRow("25 MB: at the own limit, over the server's")
            << QStringList{"big.bin"} << QByteArrayList{"sparse:24999986"} << QStringList{}
            << int(Attached) << ""
            << "takes mails of at most 33.6 MB";
        QTest::newRow("25 MB and a byte: over the own limit")
            << QStringList{"big.bin"} << QByteArrayList{"sparse:24999987"} << QStringList{}
            << int(Attached) << ""
            << "is 25.0 MB, more than the 25.0 MB a mail may hold";
    }

    void attachments() {
        QFETCH(QStringList, names);
        QFETCH(QByteArrayList, contents);
        QFETCH(QStringList, types);
        QFETCH(int, via);
        QFETCH(QString, sizeLimit);
        QFETCH(QString, box);
        TempDir dir;
        QStringList paths;
        for (qsizetype i = 0; i < names.size(); ++i) {
            QByteArray& c = contents[i];
            const QString path = dir.file(names[i]);
            if (c.startsWith("sparse:")) {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(c.mid(7).toLongLong()));
            } else {
                if (c.startsWith("random:")) {
                    QByteArray bytes(c.mid(7).toLongLong(), Qt::Uninitialized);
                    QRandomGenerator(int(i) + 1)
                        .fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
                    c = bytes;
                }
                dir.write(names[i], c);
            }
            paths << path;
        }
        testsupport::TlsPeer server;
        const QString started = server.start(dir.path(), "starttls", "good", "none", sizeLimit);
        QVERIFY2(started.isEmpty(), qPrintable(started));
        ControlFile file(dir.file("TabdeckV10.INI"));
        ScriptedPrompts prompts;
        FakeView view;
        MailSender sender(file, prompts, nullptr, view);
        sender.useTrustStore(QSslCertificate::fromPath(dir.file("ca.pem")));
        EmailSetup setup;
        setup.host = "localhost";
        setup.address = "me@example.com";
        setup.port = server.port();
        setup.security = MailSecurity::StartTls;
        sender.useAccount(setup);
        QByteArray body;
        if (via == BodyAttached || via == BodyDeclined) {
            prompts.expectBox(via == BodyAttached ? Prompts::Yes : Prompts::No);
            sender.loadFile(paths[0]);
            QCOMPARE(sender.fileChosen(), false);
            QCOMPARE(sender.attachments().entries().size(), via == BodyAttached ? 1 : 0);
        } else {
            body = "Hello\n.period\n";
            sender.loadFile(dir.write("body.txt", body));
            sender.attach(paths);
        }
        if (via == CutWhileSending) {
            QObject::connect(&sender.client(), &TSmtpClient::OnPacketSent, &sender.client(),
                             [&] { QFile::resize(paths[0], 100000); });
        }
        prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
        if (via == BodyDeclined)
            prompts.expectFile(std::nullopt);
        qint64 baseline = residentBytes(), peak = baseline;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout,
                         [&] { peak = std::max(peak, residentBytes()); });
        sampler.start(5);
        sender.send();
        QVERIFY2(
            QTest::qWaitFor([&] { return prompts.allUsed() && !sender.client().Busy(); }, 60000),
            qPrintable(prompts.boxes().isEmpty() ? QString() : prompts.lastBox().text));
        sampler.stop();
        QTest::qWait(50); // room for a box too many
        QCOMPARE(prompts.unexpectedCount(), 0);
        const Prompts::Box last = via == BodyDeclined ? prompts.boxes()[2] : prompts.lastBox();
        QVERIFY2(last.text.contains(box), qPrintable(last.text));
        if (via == BodyAttached || via == BodyDeclined)
            QVERIFY2(prompts.boxes()[0].text.contains(QFileInfo(paths[0]).fileName()),
                     qPrintable(prompts.boxes()[0].text));
            // Memory stays flat however large the file: the stream reads it a
            // block at a time as the socket takes it. (The address sanitizer holds
            // freed blocks back for a while, so there it grows anyway.)
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(peak - baseline < 10'000'000,
                 qPrintable(QStringLiteral("grew by %1 bytes").arg(peak - baseline)));
#endif
        QCOMPARE(QFile::exists(dir.file("mail1.eml")), box == kSent);
        if (box != kSent) {
            // Refused, the files stay listed for the next try.
            QCOMPARE(sender.attachments().entries().size(), via == BodyDeclined ? 0 : names.size());
            if (via != CutWhileSending)
                return;
            // The retry, with the file whole again and the text chosen again
            // (a send uses up the choice), goes out whole.
            QObject::disconnect(&sender.client(), &TSmtpClient::OnPacketSent, nullptr, nullptr);
            dir.write(names[0], contents[0]);
            sender.loadFile(dir.file("body.txt"));
            prompts.expectBox(Prompts::Yes).expectBox(Prompts::Ok);
            sender.send();
            QVERIFY(QTest::qWaitFor([&] { return prompts.allUsed() && !sender.client().Busy(); },
                                    30000));
            QCOMPARE(prompts.lastBox().text, kSent);
        }
        QCOMPARE(sender.attachments().entries().size(), 0); // a sent mail's files are done

        QProcess reader;
        reader.start("/usr/bin/python3", {TABDECK_SOURCE_DIR "/tests/mail/read_parts.py",
                                          dir.file("mail1.eml"), dir.path()});
        QVERIFY(reader.waitForFinished(30000));
        QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
        const QJsonArray shown = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
        QCOMPARE(shown.size(), names.size());
        QFile text(dir.file("text"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), body);
        for (qsizetype i = 0; i < names.size(); ++i) {
            QCOMPARE(shown[i]["name"].toString(), names[i]);
            QCOMPARE(shown[i]["type"].toString(), types[i]);
            QFile arrived(dir.file(QString::number(i + 1)));
            QVERIFY(arrived.open(QIODevice::ReadOnly));
            QVERIFY2(arrived.readAll() == contents[i], qPrintable(names[i]));
        }
    }

private:
    enum Via { Attached, BodyAttached, BodyDeclined, CutWhileSending };
};

TABDECK_TEST(MailSenderPeerTest)
#include "MailSenderPeerTest.moc"
