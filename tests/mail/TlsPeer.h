#pragma once
// tls_peer.py on a loopback port: a mail server with TLS, sign-in and a
// certificate of its own authority, for the tests of a setup against it.
#include <QProcess>
#include <QTest>

namespace testsupport {

class TlsPeer {
public:
    ~TlsPeer() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    // Empty when it listens; else what went wrong.
    // sizeLimit: the SIZE its EHLO names, when not empty.
    QString start(const QString& folder, const QString& mode, const QString& cert,
                  const QString& auth, const QString& sizeLimit = {}) {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PYTHONPATH", QStringLiteral(TABDECK_SOURCE_DIR "/tests/mail"));
        if (!sizeLimit.isEmpty())
            env.insert("PEER_SIZE_LIMIT", sizeLimit);
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start("/usr/bin/python3",
                       {TABDECK_SOURCE_DIR "/tests/mail/tls_peer.py", folder, mode, cert, auth});
        if (!process_.waitForStarted(5000))
            return "python3 with aiosmtpd is needed";
        if (!QTest::qWaitFor([&] { return process_.canReadLine(); }, 20000))
            return "tls_peer.py did not start listening";
        const QByteArray line = process_.readLine().trimmed();
        if (!line.startsWith("PORT "))
            return "tls_peer.py said: " + QString::fromLatin1(line);
        port_ = line.mid(5).toUShort();
        return {};
    }
    quint16 port() const { return port_; }

private:
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace testsupport
