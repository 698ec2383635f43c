#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>

using testsupport::TempDir;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Must match the writer tool's values.
QByteArray loopValue(long n) {
    return "v" + QByteArray::number(qlonglong(n)) + "-" + QByteArray(int(n % 97), 'x');
}

} // namespace

// A writer killed at any moment leaves the old or the new file, whole; two
// writers at once lose nothing of each other.
class CrashConsistencyTest : public QObject {
    Q_OBJECT
private slots:
    void killedWriter() {
        const QString tool = QStringLiteral(TABDECK_BIN_DIR "/controlfile_writer");
        QVERIFY2(QFileInfo(tool).isExecutable(), qPrintable(tool));
        TempDir dir;
        const QString path = dir.file("TabdeckV10.INI");
        {
            // A full file of about 30 KB, as the launcher has after some use.
            ControlFile file(path);
            QList<ControlFile::Entry> entries;
            for (int n = 1; n <= 360; ++n)
                entries.append({"BUTTON", QString::number(n),
                                QStringLiteral("/home/user/Programs/tool-%1/run.desktop").arg(n)});
            for (int n = 1; n <= 360; ++n)
                entries.append({"ICON", QString::number(n),
                                QStringLiteral("/home/user/Icons/p%1.bmp").arg(n)});
            entries.append({"BUTTON", "180", QString::fromLatin1(loopValue(0))});
            file.writeAll(entries);
        }
        const QByteArray initial = contentOf(path);
        const QByteArray marker = "\r\n180=" + loopValue(0) + "\r\n";
        const qsizetype at = initial.indexOf(marker);
        QVERIFY(at > 0);
        const QByteArray prefix = initial.left(at) + "\r\n180=";
        const QByteArray suffix = initial.mid(at + marker.size() - 2);

        QRandomGenerator rng(QRandomGenerator::global()->generate());
        const int trials = 300;
        int failures = 0;
        int torn = 0;
        long known = 0; // index of the value on disk after the last trial
        long writes = 0;
        for (int trial = 0; trial < trials; ++trial) {
            QProcess writer;
            writer.start(tool, {"loop", path, "BUTTON", "180", QString::number(known + 1)});
            QVERIFY(writer.waitForStarted());
            // Kill during the writing, not during the start of the process.
            QByteArray seen;
            while (!seen.contains("ready") && writer.waitForReadyRead(10000))
                seen += writer.readAllStandardOutput();
            QVERIFY(seen.contains("ready"));
            ::usleep(rng.bounded(1000, 60000));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(10000));
            long lastDone = known;
            seen += writer.readAllStandardOutput();
            for (const QByteArray& line : seen.split('\n'))
                if (line.startsWith("done "))
                    lastDone = line.mid(5).toLong();
            writes += lastDone - known;

            const QByteArray now = contentOf(path);
            bool ok = false;
            for (long candidate : {lastDone, lastDone + 1}) {
                if (now == prefix + loopValue(candidate) + suffix) {
                    ok = true;
                    known = candidate;
                    // Same value through the reader, too.
                    ControlFile file(path);
                    ok = file.read("BUTTON", "180", 256).text ==
                             QString::fromLatin1(loopValue(candidate)) &&
                         file.read("ICON", "360", 256).text == "/home/user/Icons/p360.bmp";
                }
            }
            if (!ok) {
                ++failures;
                if (!now.startsWith(prefix) || !now.endsWith(suffix))
                    ++torn;
                qWarning("trial %d: file holds neither value %ld nor %ld", trial, lastDone,
                         lastDone + 1);
                break;
            }
        }
        const int leftovers =
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp").size();
        qInfo("crash consistency: %d trials, %ld completed writes, %d failures (%d torn), %d "
              "temporary files left by killed writers",
              trials, writes, failures, torn, leftovers);
        QCOMPARE(failures, 0);
        QVERIFY(writes > 100);
    }

    // Each write starts from the file the other process has just written.
    void twoProcessesKeepEveryKey() {
        const QString tool = QStringLiteral(TABDECK_BIN_DIR "/controlfile_writer");
        TempDir dir;
        const QString path = dir.file("TabdeckV10.INI");
        ControlFile(path).write("TABLENAME", "1", "");
        QProcess a, b;
        a.start(tool, {"keys", path, "TABLENAME", "a", "500"});
        b.start(tool, {"keys", path, "TABLENAME", "b", "500"});
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        ControlFile file(path);
        QStringList lost;
        for (const char* prefix : {"a", "b"})
            for (int n = 1; n <= 500; ++n) {
                const QString key = prefix + QString::number(n);
                if (file.read("TABLENAME", key, 80).text != key)
                    lost << key;
            }
        QVERIFY2(lost.isEmpty(),
                 qPrintable(QString::number(lost.size()) + " lost: " + lost.mid(0, 10).join(' ')));
    }
};

TABDECK_TEST(CrashConsistencyTest)
#include "CrashConsistencyTest.moc"
