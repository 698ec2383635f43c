// Sends a 20 MB body over loopback to a fast sink with the SMTP client
// (connect, send, disconnect) and, in the same run, the same file with curl
// to the same sink; prints both medians and their ratio.
#include "BenchUtil.h"
#include "SmtpSink.h"
#include "core/Error.h"
#include "mail/TSmtpClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    constexpr int kSize = 20 * 1024 * 1024;
    constexpr int kRuns = 7;

    const QByteArray file = sinkText(kSize);
    QTemporaryDir dir;
    const QString path = dir.filePath("body.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QByteArrayList body{file.left(file.size() - 2)};

    SmtpSink sink;
    std::vector<double> ours, theirs;
    long long oursBytes = 0, theirsBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        {
            TSmtpClient c;
            c.Host = "127.0.0.1";
            c.Port = sink.port();
            c.UserID = "bench";
            c.PostMessage.FromAddress = "a@b.example";
            c.PostMessage.ToAddress = {"c@d.example"};
            c.PostMessage.Body = body;
            QElapsedTimer t;
            t.start();
            try {
                c.Connect();
                c.SendMail();
                c.Disconnect();
            } catch (const AppError& e) {
                std::fprintf(stderr, "client failed: %s\n", qPrintable(e.text()));
                return 1;
            }
            ours.push_back(t.nsecsElapsed() / 1e6);
            oursBytes = sink.lastData();
        }
        const double curlMs = timeCurlSend(sink.port(), path);
        if (curlMs < 0)
            return 1;
        theirs.push_back(curlMs);
        theirsBytes = sink.lastData();
    }
    const double a = median(ours), b = median(theirs);
    std::printf("smtp send of %d bytes over loopback (median of %d runs)\n", int(file.size()),
                kRuns);
    std::printf("  TSmtpClient: %8.1f ms  (%lld data bytes at the sink)\n", a, oursBytes);
    std::printf("  curl:        %8.1f ms  (%lld data bytes at the sink)\n", b, theirsBytes);
    std::printf("  ratio TSmtpClient/curl: %.2f (target <= 1.2)\n", a / b);
    return 0;
}
