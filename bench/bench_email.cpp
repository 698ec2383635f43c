// Sends a 20 MB text file through the e-mail window (Open dialog answer, file
// read, send checks, client) to a loopback sink, and in the same run the same
// file with curl; prints both medians and their ratio. Then the RTF reader on
// a 10 MB RTF file, in MB/s.
#include "BenchPrompts.h"
#include "BenchUtil.h"
#include "SmtpSink.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "mail/window/TEmail.h"
#include "rtf/Rtf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kSize = 20 * 1024 * 1024;
    constexpr int kRuns = 7;

    const QByteArray text = sinkText(kSize);
    QTemporaryDir dir;
    const QString path = dir.filePath("body.txt");
    if (!writeFile(path, text))
        return 1;

    ControlFile file(dir.filePath("TabdeckV10.INI"));
    BenchPrompts prompts;
    prompts.path = path;
    AppContext context;
    context.paths.listDir = dir.path() + "/";
    context.controlFile = &file;
    context.prompts = &prompts;
    SmtpSink sink;
    file.write("EMAILSETUP", "Host", "127.0.0.1");
    file.write("EMAILSETUP", "UserID", "bench");
    file.write("EMAILSETUP", "EAddress", "a@b.example");
    file.write("EMAILSETUP", "YourName", "Bench");
    TEmail window(context);
    window.sender().usePort(sink.port());
    window.show();
    window.findChild<QLineEdit*>("To1")->setText("c@d.example");
    window.findChild<QLineEdit*>("Subject1")->setText("Bench");

    std::vector<double> ours, theirs;
    long long oursBytes = 0, theirsBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        window.SelectFileBtnClick();
        window.SendBtnClick();
        // The send goes on in the event loop: until the client has closed again.
        TSmtpClient& client = window.sender().client();
        runUntil([&] { return !client.Busy() && !client.Connected(); }, 120000);
        ours.push_back(t.nsecsElapsed() / 1e6);
        if (prompts.last != "The e-mail was sent, your done sending e-mail!") {
            std::fprintf(stderr, "window send failed: %s\n", qPrintable(prompts.last));
            return 1;
        }
        oursBytes = sink.lastData();

        const double curlMs = timeCurlSend(sink.port(), path);
        if (curlMs < 0)
            return 1;
        theirs.push_back(curlMs);
        theirsBytes = sink.lastData();
    }
    const double a = median(ours), b = median(theirs);
    std::printf("e-mail window send of a %d-byte file over loopback (median of %d runs)\n",
                int(text.size()), kRuns);
    std::printf("  TEmail:  %8.1f ms  (%lld data bytes at the sink)\n", a, oursBytes);
    std::printf("  curl:    %8.1f ms  (%lld data bytes at the sink)\n", b, theirsBytes);
    std::printf("  ratio TEmail/curl: %.2f (target <= 1.25)\n", a / b);

    // A 10 MB RTF file: the word-processor fixture's body repeated.
    QFile fixture(QStringLiteral(TABDECK_SOURCE_DIR "/tests/data/rtf/libreoffice.rtf"));
    if (!fixture.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray doc = fixture.readAll();
    const qsizetype bodyStart = doc.indexOf("\\pard\\plain");
    const QByteArray head = doc.left(bodyStart);
    const QByteArray body = doc.mid(bodyStart, doc.lastIndexOf('}') - bodyStart);
    QByteArray rtfBytes = head;
    while (rtfBytes.size() < 10 * 1024 * 1024)
        rtfBytes += body;
    rtfBytes += '}';
    const double mb = rtfBytes.size() / (1024.0 * 1024.0);
    std::vector<double> plain, rich;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        const QString s = rtf::toPlainText(rtf::parse(rtfBytes));
        plain.push_back(t.nsecsElapsed() / 1e9);
        if (s.isEmpty())
            return 1;
        t.restart();
        QTextDocument target;
        rtf::toTextDocument(rtf::parse(rtfBytes), target);
        rich.push_back(t.nsecsElapsed() / 1e9);
    }
    std::printf("rtf reader on a %.1f MB file (median of 5 runs)\n", mb);
    std::printf("  parse + plain text:    %7.1f MB/s\n", mb / median(plain));
    std::printf("  parse + QTextDocument: %7.1f MB/s\n", mb / median(rich));
    return 0;
}
