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
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
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
};

TABDECK_TEST(MailSenderPeerTest)
#include "MailSenderPeerTest.moc"
