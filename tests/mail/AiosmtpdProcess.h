#pragma once
// A real SMTP server for tests: aiosmtpd on a free loopback port, storing each
// mail it accepts in a folder (smtp_store.py).
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace testsupport {

class AiosmtpdProcess {
public:
    ~AiosmtpdProcess() { stop(); }

    // Empty when the server listens; else what went wrong.
    QString start(const QString& storeFolder) {
        {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                return "no free port";
            port_ = probe.serverPort();
        }
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("PYTHONPATH", QStringLiteral(TABDECK_SOURCE_DIR "/tests/mail"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start("/usr/bin/python3",
                       {"-m", "aiosmtpd", "-n", "-l", QStringLiteral("127.0.0.1:%1").arg(port_),
                        "-c", "smtp_store.StoreHandler", storeFolder});
        if (!process_.waitForStarted())
            return "python3 (with python3-aiosmtpd) is needed";
        for (int i = 0; i < 100 && process_.state() == QProcess::Running; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port_);
            if (probe.waitForConnected(100))
                return {};
            QTest::qWait(100);
        }
        return "aiosmtpd did not start listening";
    }

    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
        process_.waitForFinished(3000);
    }

    quint16 port() const { return port_; }

private:
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace testsupport
