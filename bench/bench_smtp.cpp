// Sends 20 MB over STARTTLS on loopback to a real server (aiosmtpd, with a
// certificate it makes and the client trusts) with the SMTP client, and in
// the same run the same file with `curl --ssl-reqd` to the same server;
// prints both medians and their ratio. Two cases: the file as the mail's
// body (curl -T), and a random file as a base64 attachment (curl -F). While the client sends, a
// 1 ms timer on the same thread records the largest gap between its ticks:
// how long the user-interface thread was ever kept from other work.
#include "BenchUtil.h"
#include "SmtpSink.h"
#include "mail/TSmtpClient.h"
#include "mail/TlsWarmUp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSslCertificate>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>
#include <vector>

namespace {

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Milliseconds curl takes to send the mail over STARTTLS, negative on failure.
double timeCurlTls(unsigned short port, const QStringList& mail, const QString& ca) {
    QProcess curl;
    QElapsedTimer t;
    t.start();
    curl.start("curl", QStringList{"-s", "-S", "--ssl-reqd", "--cacert", ca,
                                   QStringLiteral("smtp://localhost:%1").arg(port), "--mail-from",
                                   "a@b.example", "--mail-rcpt", "c@d.example"} +
                           mail);
    if (!curl.waitForFinished(300000) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e6;
}

constexpr int kSize = 20 * 1024 * 1024;
constexpr int kRuns = 5;

// One way of sending the same bytes: what the client's message holds and
// what curl is given.
struct Case {
    const char* what;
    QByteArrayList body;
    QList<MailAttachment> files;
    QStringList curl;
};

int measure(const Case& m, quint16 port, const QString& ca);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QByteArray file = sinkText(kSize);
    QTemporaryDir dir;
    const QString path = dir.filePath("body.txt");
    QByteArray random(kSize, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(random.data()), kSize / 4);
    const QString attachment = dir.filePath("random.bin");
    if (!writeFile(path, file) || !writeFile(attachment, random)) {
        std::fprintf(stderr, "cannot write the input files in %s\n", qPrintable(dir.path()));
        return 1;
    }

    QProcess server;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("PYTHONPATH", QStringLiteral(TABDECK_SOURCE_DIR "/tests/mail"));
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start("/usr/bin/python3", {TABDECK_SOURCE_DIR "/tests/mail/tls_peer.py", dir.path(),
                                      "starttls", "good", "none", "direct"});
    if (!server.waitForStarted(5000) || !server.waitForReadyRead(30000)) {
        std::fprintf(stderr, "the server (python3 with aiosmtpd) did not start\n");
        return 1;
    }
    const QByteArray portLine = server.readLine().trimmed();
    const quint16 port = portLine.mid(5).toUShort();
    const QString ca = dir.filePath("ca.pem");

    // The e-mail window starts this when it opens; the user then takes
    // seconds to write the mail, so the first send finds it done.
    if (!qEnvironmentVariableIsSet("NOWARM")) {
        tlswarmup::start();
        tlswarmup::waitDone(10000);
    }
    const Case cases[] = {
        {"a body", {file.left(file.size() - 2)}, {}, {"-T", path}},
        {"an attachment",
         {"Hello"},
         {{attachment, "random.bin", "application/octet-stream"}},
         {"-F", "=Hello;type=text/plain", "-F", "=@" + attachment + ";encoder=base64"}},
    };
    int status = 0;
    for (const Case& c : cases)
        status |= measure(c, port, ca);
    server.kill();
    server.waitForFinished(3000);
    return status;
}

namespace {

int measure(const Case& m, quint16 port, const QString& ca) {
    const QList<QSslCertificate> trust = QSslCertificate::fromPath(ca);
    std::vector<double> ours, theirs, gaps, busy, own, cpuMs;
    for (int run = 0; run < kRuns; ++run) {
        TSmtpClient c;
        c.Host = "localhost";
        c.Port = port;
        c.Security = MailSecurity::StartTls;
        c.setTrustStore(trust);
        c.PostMessage.FromAddress = "a@b.example";
        c.PostMessage.ToAddress = {"c@d.example"};
        c.PostMessage.Body = m.body;
        c.PostMessage.Attachments = m.files;
        QString error;
        bool done = false;
        QObject::connect(&c, &TSmtpClient::OnError, [&](const QString& text) {
            error = text;
            done = true;
        });
        QObject::connect(&c, &TSmtpClient::OnConnect, [&] { c.SendMail(); });
        QObject::connect(&c, &TSmtpClient::OnSuccess, [&] { c.Disconnect(); });
        QObject::connect(&c, &TSmtpClient::OnDisconnect, [&] { done = true; });

        QElapsedTimer tick, t;
        qint64 largestGap = 0;
        double largestBusy = 0; // the thread's own CPU time between two ticks
        double largestOwn = 0;  // a gap less the thread's wait for a CPU in it, ms
        double lastCpu = threadCpuMs();
        ThreadClock lastClock = ThreadClock::now();
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            const qint64 gap = tick.restart();
            largestGap = std::max(largestGap, gap);
            const ThreadClock clock = ThreadClock::now();
            largestOwn = std::max(
                largestOwn, gap - (clock.waiting - std::exchange(lastClock, clock).waiting) * 1e3);
            const double cpu = threadCpuMs();
            largestBusy = std::max(largestBusy, cpu - std::exchange(lastCpu, cpu));
        });
        timespec cpu0{}, cpu1{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
        t.start();
        tick.start();
        timer.start(1);
        c.Connect();
        runUntil([&] { return done; }, 300000);
        timer.stop();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
        cpuMs.push_back((cpu1.tv_sec - cpu0.tv_sec) * 1e3 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e6);
        if (!error.isEmpty() || !done) {
            std::fprintf(stderr, "client failed: %s\n", qPrintable(error));
            return 1;
        }
        ours.push_back(t.nsecsElapsed() / 1e6);
        gaps.push_back(double(largestGap));
        busy.push_back(largestBusy);
        own.push_back(largestOwn);

        const double curlMs = timeCurlTls(port, m.curl, ca);
        if (curlMs < 0)
            return 1;
        theirs.push_back(curlMs);
        std::printf(
            "  run %d: TSmtpClient %.1f ms (%.0f ms on the CPU), curl %.1f ms, largest "
            "gap %lld ms (%.0f ms less its wait for a CPU), most CPU between ticks %.1f ms\n",
            run + 1, ours.back(), cpuMs.back(), curlMs, static_cast<long long>(largestGap),
            largestOwn, largestBusy);
    }
    const double a = median(ours), b = median(theirs);
    std::printf("smtp send of %d bytes as %s over STARTTLS on loopback to aiosmtpd (median of %d "
                "runs)\n",
                kSize, m.what, kRuns);
    std::printf("  TSmtpClient: %8.1f ms\n", a);
    std::printf("  curl:        %8.1f ms\n", b);
    std::printf("  ratio TSmtpClient/curl: %.2f (target <= 1.2)\n", a / b);
    std::printf("  largest gap of the UI thread during a send: %.0f ms (worst of %d runs; "
                "target <= 50)\n",
                *std::max_element(gaps.begin(), gaps.end()), kRuns);
    // A gap longer than the thread's own work in it was the system running
    // other processes (on a busy machine), not the client holding the thread.
    std::printf("  most CPU time the UI thread spent between two ticks: %.1f ms (worst of %d "
                "runs)\n",
                *std::max_element(busy.begin(), busy.end()), kRuns);
    std::printf("  largest gap less the UI thread's wait for a CPU in it: %.0f ms (worst of %d "
                "runs)\n",
                *std::max_element(own.begin(), own.end()), kRuns);
    return 0;
}

} // namespace
