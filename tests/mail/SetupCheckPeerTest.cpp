// The setup's Test and Find Settings against real servers (tls_peer.py):
// what the user is told, and that nothing of a mail ever goes out.
#include "TempDir.h"
#include "TestRegistry.h"
#include "TlsPeer.h"
#include "mail/SetupCheck.h"

#include <QFile>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QTcpServer>
#include <QTest>

using testsupport::TempDir;
using testsupport::TlsPeer;

namespace {

quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort(); // closed again when the probe goes
}

// Runs one check or search to its end (at most 30 s).
SetupCheck::Result run(SetupCheck& check, const std::function<void()>& start) {
    QSignalSpy done(&check, &SetupCheck::finished);
    start();
    if (!done.wait(30000))
        return {false, QStringLiteral("no result within 30 s"), {}};
    return done.first().first().value<SetupCheck::Result>();
}

const QString kPassword = QStringLiteral("s3cret pass");

} // namespace

Q_DECLARE_METATYPE(SetupCheck::Result)

class SetupCheckPeerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<SetupCheck::Result>(); }

    void check_data() {
        QTest::addColumn<QString>("mode"); // of tls_peer.py; empty: a closed port
        QTest::addColumn<QString>("cert");
        QTest::addColumn<int>("security");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("told"); // %1 is the port
        const int startTls = int(MailSecurity::StartTls), tls = int(MailSecurity::Tls),
                  none = int(MailSecurity::None);
        QTest::newRow("good server") << "starttls"
                                     << "good" << startTls << kPassword
                                     << "The setup works: localhost answered on port %1. The "
                                        "connection is secured with TLS. The sign-in as ann was "
                                        "accepted. Nothing was sent.";
        QTest::newRow("wrong password, then the right one")
            << "starttls"
            << "good" << startTls << "wrong"
            << "Sign-in refused: the server did not accept the user name or the password (535 "
               "5.7.8 Authentication credentials invalid).";
        QTest::newRow("plain server, STARTTLS asked")
            << "clear"
            << "good" << startTls << kPassword << "TLS failed: the server does not offer TLS.";
        QTest::newRow("STARTTLS server, None asked")
            << "starttls"
            << "good" << none << kPassword
            << "The server wants TLS: it signs in and takes mail only over a secured connection. "
               "Choose STARTTLS (port 587) or SSL/TLS (port 465) as Security on the setup page.";
        QTest::newRow("STARTTLS server, SSL/TLS asked")
            << "starttls"
            << "good" << tls << kPassword
            << "TLS failed: the server answered without TLS. On this port it may want STARTTLS, "
               "or no TLS at all.";
        QTest::newRow("expired certificate")
            << "tls"
            << "expired" << tls << kPassword
            << "TLS failed: the certificate of localhost is not trusted (certificate expired).";
        QTest::newRow("wrong-name certificate")
            << "starttls"
            << "wronghost" << startTls << kPassword
            << "TLS failed: the certificate of localhost is not trusted (name does not match: "
               "made for wrong.example).";
        QTest::newRow("unknown host") << "unknown"
                                      << "good" << startTls << kPassword
                                      << "Cannot reach the host: the name mail.invalid was not "
                                         "found.";
        QTest::newRow("closed port") << ""
                                     << "good" << startTls << kPassword
                                     << "Cannot reach the host: localhost refused the connection "
                                        "on port %1 (the port is closed; no mail server listens "
                                        "there).";
    }

    void check() {
        QFETCH(QString, mode);
        QFETCH(QString, cert);
        QFETCH(int, security);
        QFETCH(QString, password);
        QFETCH(QString, told);
        TempDir dir;
        TlsPeer server;
        quint16 port = 0;
        const bool unknown = mode == "unknown";
        if (mode.isEmpty() || unknown) {
            port = closedPort();
            QVERIFY(!QFile::exists(dir.file("ca.pem")));
        } else {
            const QString started = server.start(dir.path(), mode, cert, "both");
            QVERIFY2(started.isEmpty(), qPrintable(started));
            port = server.port();
        }
        SetupCheck check;
        check.useTrustStore(QSslCertificate::fromPath(dir.file("ca.pem")));
        check.useTimeLimit(10000);
        EmailSetup setup;
        setup.host = unknown ? "mail.invalid" : "localhost";
        setup.port = port;
        setup.security = MailSecurity(security);
        setup.authUser = "ann";
        QStringList waited;
        connect(&check, &SetupCheck::waiting, this, [&](const QString& t) { waited << t; });
        SetupCheck::Result r = run(check, [&] { check.check(setup, password); });
        QCOMPARE(r.text, told.arg(port));
        QCOMPARE(r.works, told.startsWith("The setup works"));
        if (unknown) {
            QCOMPARE(waited, QStringList{"Looking up mail.invalid…"});
            return;
        }
        QCOMPARE(waited.mid(0, 2),
                 (QStringList{"Looking up localhost…",
                              QStringLiteral("Connecting to localhost port %1…").arg(port)}));
        if (!mode.isEmpty()) {
            // Nothing of a mail ever went out, in clear or not.
            QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(dir.file("mail1.eml")), 1000);
            QFile wire(dir.file("wire.log"));
            const QByteArray sent = wire.open(QIODevice::ReadOnly) ? wire.readAll() : "";
            for (const char* command : {"MAIL FROM", "RCPT TO", "DATA"})
                QVERIFY2(!sent.contains(command), command);
        }
        if (password == "wrong") {
            // The retry with the right password works on the same checker.
            r = run(check, [&] { check.check(setup, kPassword); });
            QVERIFY2(r.works, qPrintable(r.text));
        }
    }

    // The usual ports stand in for 465, 587 and 25 in this order; the first
    // that answers (with its TLS) is what is found.
    void findSettings_data() {
        QTest::addColumn<QString>("mode"); // the one server's
        QTest::addColumn<int>("at");       // which stand-in port it has: 0, 1, 2; -1: none
        QTest::addColumn<int>("security"); // found; -1: nothing found
        QTest::newRow("SSL/TLS on the first port") << "tls" << 0 << int(MailSecurity::Tls);
        QTest::newRow("STARTTLS on the second port")
            << "starttls" << 1 << int(MailSecurity::StartTls);
        QTest::newRow("STARTTLS on the third port")
            << "starttls" << 2 << int(MailSecurity::StartTls);
        QTest::newRow("in clear on the third port") << "clear" << 2 << int(MailSecurity::None);
        // A server in clear where SSL/TLS is tried first, then nothing.
        QTest::newRow("in clear on the first port only") << "clear" << 0 << -1;
        QTest::newRow("nothing answers") << "" << -1 << -1;
    }

    void findSettings() {
        QFETCH(QString, mode);
        QFETCH(int, at);
        QFETCH(int, security);
        TempDir dir;
        TlsPeer server;
        quint16 ports[3] = {closedPort(), closedPort(), closedPort()};
        if (at >= 0) {
            const QString started = server.start(dir.path(), mode, "good", "both");
            QVERIFY2(started.isEmpty(), qPrintable(started));
            ports[at] = server.port();
        }
        SetupCheck check;
        check.useTrustStore(QSslCertificate::fromPath(dir.file("ca.pem")));
        check.useTimeLimit(10000);
        check.usePorts(ports[0], ports[1], ports[2]);
        EmailSetup setup;
        setup.host = "localhost";
        setup.authUser = "ann"; // not needed to find the port
        const SetupCheck::Result r = run(check, [&] { check.find(setup); });
        QCOMPARE(r.works, security >= 0);
        if (security < 0) {
            QVERIFY2(r.text.startsWith("No mail server answered on localhost:\r"),
                     qPrintable(r.text));
            QCOMPARE(r.text.count('\r'), 4); // one line per port and security tried
            return;
        }
        QCOMPARE(int(r.found.security), security);
        QCOMPARE(r.found.port, ports[at]);
        QVERIFY2(r.text.startsWith(
                     QStringLiteral("A mail server answered on localhost port %1").arg(ports[at])),
                 qPrintable(r.text));
    }
};

TABDECK_TEST(SetupCheckPeerTest)
#include "SetupCheckPeerTest.moc"
