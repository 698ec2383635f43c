#pragma once
// A real SMTP server for tests: aiosmtpd on a loopback port the system
// chooses, storing each mail it accepts in a folder (smtp_store.py). It is
// ready once its own greeting, with a token of this run, answers there: a
// mail server the machine runs elsewhere is never taken for it.
#include <QProcess>
#include <QTcpSocket>
#include <QTest>
#include <QUuid>

namespace testsupport {

class AiosmtpdProcess {
public:
    ~AiosmtpdProcess() { stop(); }

    // Empty when the server listens; else what went wrong.
    QString start(const QString& storeFolder) {
        const QByteArray token = QUuid::createUuid().toByteArray(QUuid::Id128);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start("/usr/bin/python3",
                       {QStringLiteral(TABDECK_SOURCE_DIR "/tests/mail/smtp_store.py"), storeFolder,
                        QString::fromLatin1(token)});
        if (!process_.waitForStarted())
            return "python3 (with python3-aiosmtpd) is needed";
        if (!QTest::qWaitFor([&] { return process_.canReadLine(); }, 20000))
            return "aiosmtpd did not start listening";
        const QByteArray line = process_.readLine().trimmed();
        if (!line.startsWith("PORT "))
            return "aiosmtpd said: " + QString::fromLatin1(line);
        port_ = line.mid(5).toUShort();
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        QByteArray greeting;
        if (probe.waitForConnected(5000)) {
            while (!probe.canReadLine() && probe.waitForReadyRead(5000)) {
            }
            greeting = probe.readLine();
        }
        if (!greeting.startsWith("220 ") || !greeting.contains(token))
            return "another server answers on port " + QString::number(port_) + ": " +
                   QString::fromLatin1(greeting.trimmed());
        return {};
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
