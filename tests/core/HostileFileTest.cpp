#include "TempDir.h"
#include "TestRegistry.h"
#include "core/AtomicFile.h"
#include "core/ControlFile.h"
#include "core/Error.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using testsupport::TempDir;

namespace {

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString builtWriterTool() {
    return QStringLiteral(TABDECK_BIN_DIR "/controlfile_writer");
}

// The build folder may lie where "nobody" cannot reach it (a clone below
// /root), so the tool runs from a copy in a folder everybody may enter.
QString writerTool() {
    static TempDir folder;
    static const QString copy = [] {
        ::chmod(QFile::encodeName(folder.path()).constData(), 0755);
        const QString target = folder.file("controlfile_writer");
        if (!QFile::copy(builtWriterTool(), target))
            return builtWriterTool();
        ::chmod(QFile::encodeName(target).constData(), 0755);
        return target;
    }();
    return copy;
}

// Runs the writer tool as an ordinary user: root ignores file permissions,
// so under root (as in CI) the tool runs as "nobody".
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};
Run runAsUser(const QStringList& args) {
    QProcess p;
    if (::geteuid() == 0)
        p.start(QStringLiteral("runuser"), QStringList{"-u", "nobody", "--", writerTool()} + args);
    else
        p.start(writerTool(), args);
    Run r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    r.err = QString::fromUtf8(p.readAllStandardError()).trimmed();
    return r;
}

QStringList leftovers(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(".tmp");
}

void chmodPath(const QString& path, mode_t mode) {
    QVERIFY(::chmod(QFile::encodeName(path).constData(), mode) == 0);
}

} // namespace

// Broken, hostile and protected files: reads give "" without crashing;
// writes succeed or raise "Cannot create file" and change nothing.
class HostileFileTest : public QObject {
    Q_OBJECT
private slots:
    void brokenContent_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray garbage(64 * 1024, '\0');
        QRandomGenerator rng(7);
        for (char& c : garbage)
            c = char(rng.bounded(256));
        QTest::newRow("binary garbage") << garbage;
        QByteArray longLine = "[BUTTON]\r\n1=";
        longLine += QByteArray(10 * 1024 * 1024, 'a');
        longLine += "\r\n";
        QTest::newRow("10 MB line") << longLine;
        QTest::newRow("10 MB without line break") << QByteArray(10 * 1024 * 1024, '[');
        QTest::newRow("NUL bytes") << QByteArray("[BUT\0TON]\r\n1\0=x\r\n\0\0\0", 20);
        QTest::newRow("only line ends") << QByteArray(100000, '\r');
        QTest::newRow("invalid UTF-8") << QByteArray("[BUTTON]\r\n1=\xC3\x28\xFF\xFE\r\n");
        QTest::newRow("unclosed headers") << QByteArray("[[[[\n[\n]\n=\n==\n[]\n=x\n");
    }
    void brokenContent() {
        QFETCH(QByteArray, bytes);
        TempDir dir;
        const QString path = dir.write("c.INI", bytes);
        ControlFile file(path);
        const auto v = file.read("BUTTON", "1", 256);
        QVERIFY(v.length <= 255);
        QCOMPARE(v.length, int(v.text.toUcs4().size()));
        // A rewrite keeps what it did not understand and adds the key.
        file.write("ZZTEST", "k", "value");
        QCOMPARE(file.read("ZZTEST", "k", 80).text, QString("value"));
        const QByteArray after = contentOf(path);
        QVERIFY(after.startsWith(bytes.left(bytes.size() - 2)));
        QVERIFY(after.endsWith("[ZZTEST]\r\nk=value\r\n"));
    }

    // Parsing costs a few bytes per line, never an object per line: measured
    // in a process of its own, from just before the first read to after it.
    void parseMemoryBounded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("20 MB of bare LF") << QByteArray(20 * 1024 * 1024, '\n');
        QByteArray sections;
        for (int n = 0; n < 1000000; ++n)
            sections += "[" + QByteArray::number(n) + "]\n";
        QTest::newRow("a million empty sections") << sections;
        QByteArray keys = "[BUTTON]\n";
        for (int n = 0; keys.size() < 20 * 1024 * 1024; ++n)
            keys += "k" + QByteArray::number(n) + "=\n";
        QTest::newRow("20 MB of empty keys") << keys;
    }
    void parseMemoryBounded() {
        QFETCH(QByteArray, bytes);
        TempDir dir;
        const QString path = dir.write("c.INI", bytes);
        QProcess p;
        p.start(builtWriterTool(), {"peak", path, "BUTTON", "1"});
        QVERIFY(p.waitForFinished(60000));
        const QList<QByteArray> kb = p.readAllStandardOutput().trimmed().split(' ');
        QCOMPARE(kb.size(), 3);
        const qint64 grown = (kb[1].toLongLong() - kb[0].toLongLong()) * 1024;
        QVERIFY2(
            grown < 4 * bytes.size(),
            qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(grown).arg(bytes.size())));
    }

    // A modification time years ahead must not make every read re-read the
    // file: the reads of a start-up take no longer than with a normal time.
    void futureModificationTime() {
        TempDir dir;
        QByteArray bytes = "[BUTTON]\r\n";
        for (int n = 1; n <= 360; ++n)
            bytes += QByteArray::number(n) + "=/usr/bin/tool" + QByteArray::number(n) + "\r\n";
        bytes += "[PAD]\r\n" + QByteArray(8 * 1024 * 1024, 'p') + "\r\n";
        const QString path = dir.write("c.INI", bytes);
        const auto startUp = [&](time_t mtime) {
            const struct timeval times[2] = {{mtime, 0}, {mtime, 0}};
            ::utimes(QFile::encodeName(path).constData(), times);
            QTest::qWait(30);
            ControlFile file(path);
            QElapsedTimer clock;
            clock.start();
            for (int n = 1; n <= 360; ++n) {
                if (file.read("BUTTON", QString::number(n), 256).length == 0)
                    return qint64(-1);
                // Reads spread over the loading, as the loader's turns are.
                QThread::usleep(1100);
            }
            return clock.nsecsElapsed();
        };
        const qint64 normal = startUp(::time(nullptr) - 3600);
        const qint64 future = startUp(1900000000); // in 2030
        QVERIFY(normal > 0 && future > 0);
        qInfo("360 reads: %.1f ms with a normal time, %.1f ms with a time in 2030", normal / 1e6,
              future / 1e6);
        QVERIFY2(
            future < 2 * normal,
            qPrintable(
                QStringLiteral("%1 ms against %2 ms").arg(future / 1000000).arg(normal / 1000000)));
    }

    void tenMegabyteValueCut() {
        TempDir dir;
        QByteArray bytes = "[BUTTON]\r\n1=";
        bytes += QByteArray(10 * 1024 * 1024, 'b');
        ControlFile file(dir.write("c.INI", bytes));
        const auto v = file.read("BUTTON", "1", 256);
        QCOMPARE(v.length, 255);
        QCOMPARE(v.text, QString(255, QChar('b')));
    }

    void folderInsteadOfFile() {
        TempDir dir;
        const QString path = dir.file("c.INI");
        QVERIFY(QDir().mkpath(path));
        ControlFile file(path);
        QCOMPARE(file.read("A", "k", 80).length, 0);
        try {
            file.write("A", "k", "v");
            QFAIL("write into a folder reported success");
        } catch (const AppError& e) {
            QCOMPARE(e.text(), "Cannot create file " + path);
        }
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(leftovers(dir.path()).isEmpty());
    }

    void fifoDoesNotHang() {
        TempDir dir;
        const QString path = dir.file("c.INI");
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        ControlFile file(path);
        QCOMPARE(file.read("A", "k", 80).length, 0);
        QVERIFY_THROWS_EXCEPTION(AppError, file.write("A", "k", "v"));
    }

    void missingFolder() {
        TempDir dir;
        const QString path = dir.file("no/such/folder/c.INI");
        ControlFile file(path);
        QCOMPARE(file.read("A", "k", 80).length, 0);
        QVERIFY_THROWS_EXCEPTION(AppError, file.write("A", "k", "v"));
        QVERIFY(!QFileInfo::exists(path));
    }

    // The link stays a link; the file it points to gets the new text.
    void symlinkStaysLink() {
        TempDir dir;
        QVERIFY(QDir().mkpath(dir.file("real")));
        const QString target = dir.write("real/store.INI", "[A]\r\nk=1\r\n");
        chmodPath(target, 0640);
        const QString link = dir.file("c.INI");
        QVERIFY(QFile::link("real/store.INI", link));
        const QString chain = dir.file("chain.INI");
        QVERIFY(QFile::link(link, chain));
        ControlFile file(chain);
        file.write("A", "k", "2");
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(QFileInfo(chain).isSymLink());
        QCOMPARE(contentOf(target), QByteArray("[A]\r\nk=2\r\n"));
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(target).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0640);
        QVERIFY(leftovers(dir.file("real")).isEmpty());
        QVERIFY(leftovers(dir.path()).isEmpty());
    }

    // Left by writers killed long ago: removed; a fresh one may be a running
    // write, and only names the writer makes are its own. A file's own write
    // removes its temporaries, a batch's sweep those of every file.
    void staleTemporariesRemoved_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("kept");
        const QStringList mine{".c.INI.tmp0123456789ab", ".c.INI.tmp0123456789AB"};
        const QStringList notOurs{".c.INI.tmp0123456789a",  ".c.INI.tmp0123456789abc",
                                  ".c.INI.tmp0123456789ag", ".c.INI.bak0123456789ab",
                                  "c.INI.tmp0123456789ab",  ".tmp0123456789ab",
                                  ".c.INI.tmp-notes-kept-1"};
        QTest::newRow("a file's write")
            << "write" << mine << notOurs + QStringList{".other.INI.tmp0123456789ab"};
        QTest::newRow("a batch's sweep")
            << "sweep" << mine + QStringList{".other.INI.tmp0123456789ab"} << notOurs;
        QTest::newRow("a batch's write alone") << "batch" << QStringList{} << mine + notOurs;
    }
    void staleTemporariesRemoved() {
        QFETCH(QString, writer);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, kept);
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        const QDateTime old = QDateTime::currentDateTime().addSecs(-7200);
        for (const QString& name : removed + kept) {
            QFile file(dir.write(name, "[A]\r\nk="));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QString fresh = dir.write(".c.INI.tmpba9876543210", "[A]\r\nk=");
        if (writer == "write")
            ControlFile(path).write("A", "k", "2");
        else if (writer == "batch")
            QVERIFY(atomicfile::replace(path, "[A]\r\nk=2\r\n", {}, atomicfile::Sync::Later));
        else
            atomicfile::removeStale(dir.path());
        for (const QString& name : removed)
            QVERIFY2(!QFileInfo::exists(dir.file(name)), qPrintable(name));
        for (const QString& name : kept + QStringList{fresh, path})
            QVERIFY2(QFileInfo::exists(dir.file(QFileInfo(name).fileName())), qPrintable(name));
    }

    void danglingSymlinkCreatesTarget() {
        TempDir dir;
        const QString link = dir.file("c.INI");
        QVERIFY(QFile::link("made.INI", link));
        ControlFile file(link);
        QVERIFY(!file.exists());
        file.write("A", "k", "v");
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contentOf(dir.file("made.INI")), QByteArray("[A]\r\nk=v\r\n"));
    }

    void permissionsKept_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("0600") << 0600;
        QTest::newRow("0644") << 0644;
        QTest::newRow("0664") << 0664;
    }
    void permissionsKept() {
        QFETCH(int, mode);
        TempDir dir;
        const QString path = dir.write("c.INI", "[A]\r\nk=1\r\n");
        chmodPath(path, mode_t(mode));
        ControlFile file(path);
        file.write("A", "k", "2");
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), mode);
    }

    // A mode asked for wins over the file's own bits (a file holding mail
    // setup is the owner's alone); a reader holding the old file open keeps
    // reading the old content whole, synced or not.
    void chosenMode_data() {
        QTest::addColumn<int>("oldMode"); // -1: no file yet
        QTest::addColumn<int>("wanted");  // -1: none asked for
        QTest::addColumn<bool>("later");
        QTest::addColumn<int>("expected");
        QTest::newRow("new file, owner only") << -1 << 0600 << false << 0600;
        QTest::newRow("open file narrowed") << 0644 << 0600 << false << 0600;
        QTest::newRow("owner file widened") << 0600 << 0644 << false << 0644;
        QTest::newRow("no mode keeps the bits") << 0640 << -1 << false << 0640;
        QTest::newRow("not synced, mode kept") << 0604 << -1 << true << 0604;
    }
    void chosenMode() {
        QFETCH(int, oldMode);
        QFETCH(int, wanted);
        QFETCH(bool, later);
        QFETCH(int, expected);
        TempDir dir;
        const QString path = dir.file("f");
        QFile reader(path);
        if (oldMode >= 0) {
            dir.write("f", "old content");
            chmodPath(path, mode_t(oldMode));
            QVERIFY(reader.open(QIODevice::ReadOnly));
        }
        std::optional<QFileDevice::Permissions> mode;
        if (wanted == 0600)
            mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        else if (wanted == 0644)
            mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                   QFileDevice::ReadOther;
        QVERIFY(atomicfile::replace(path, "new", mode,
                                    later ? atomicfile::Sync::Later : atomicfile::Sync::Now));
        struct stat st;
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), expected);
        QCOMPARE(contentOf(path), QByteArray("new"));
        if (reader.isOpen())
            QCOMPARE(reader.readAll(), QByteArray("old content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // What an ordinary user meets; run through the writer tool as "nobody" under root.
    void protectedFiles_data() {
        QTest::addColumn<int>("fileMode"); // -1: no file
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("writable");
        QTest::newRow("all allowed") << 0666 << 0777 << true << true;
        QTest::newRow("read-only file") << 0444 << 0777 << true << false;
        QTest::newRow("no read permission") << 0222 << 0777 << false << false;
        QTest::newRow("no permission at all") << 0000 << 0777 << false << false;
        QTest::newRow("read-only folder") << 0666 << 0555 << true << false;
        QTest::newRow("new file in read-only folder") << -1 << 0555 << false << false;
        QTest::newRow("new file in writable folder") << -1 << 0777 << false << true;
    }
    void protectedFiles() {
        QFETCH(int, fileMode);
        QFETCH(int, folderMode);
        QFETCH(bool, readable);
        QFETCH(bool, writable);
        QVERIFY2(QFileInfo(builtWriterTool()).isExecutable(), qPrintable(builtWriterTool()));
        TempDir dir;
        chmodPath(dir.path(), 0755);
        const QString folder = dir.file("prog");
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/TabdeckV10.INI";
        const QByteArray before = "[BUTTON]\r\n1=/usr/bin/xterm\r\n";
        if (fileMode >= 0) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
            f.close();
            chmodPath(path, mode_t(fileMode));
        }
        chmodPath(folder, mode_t(folderMode));

        const Run read = runAsUser({"read", path, "BUTTON", "1", "256"});
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(read.out, readable ? QString("14:/usr/bin/xterm") : QString("0:"));

        const Run write = runAsUser({"write", path, "BUTTON", "1", "/usr/bin/top"});
        chmodPath(folder, 0755);
        if (writable) {
            QCOMPARE(write.exitCode, 0);
            QVERIFY(contentOf(path).contains("1=/usr/bin/top\r\n"));
        } else {
            QCOMPARE(write.exitCode, 3);
            QCOMPARE(write.err, "Cannot create file " + path);
            if (fileMode >= 0)
                QCOMPARE(contentOf(path), before);
            else
                QVERIFY(!QFileInfo::exists(path));
        }
        QVERIFY(leftovers(folder).isEmpty());
    }

    // An installed copy (program folder not writable) keeps its files below home.
    void programPathsAsUser() {
        TempDir dir;
        chmodPath(dir.path(), 0755);
        const QString program = dir.file("opt");
        const QString home = dir.file("home");
        QVERIFY(QDir().mkpath(program));
        QVERIFY(QDir().mkpath(home));
        chmodPath(home, 0777);
        const QByteArray shipped = "[BUTTON]\r\n1=/usr/bin/xterm\r\n";
        chmodPath(dir.write("opt/TabdeckV10.INI", shipped), 0644);
        chmodPath(program, 0555);
        const Run r = runAsUser({"paths", program + "/TabdeckV10", home});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, home + "/.config/TabdeckV10/");
        QVERIFY(QFileInfo(r.out).isDir());
        // The user's own file starts as a copy of the one beside the program.
        const Run start = runAsUser({"start", program + "/TabdeckV10", home});
        QCOMPARE(start.out, QString("/usr/bin/xterm"));
        QCOMPARE(contentOf(r.out + "TabdeckV10.INI"), shipped);
        chmodPath(program, 0777);
        const Run w = runAsUser({"paths", program + "/TabdeckV10", home});
        QCOMPARE(w.out, program + "/");
    }

    // A full disk: the write fails, the old file stays whole, no temporary is left.
    void fullDisk() {
        if (::geteuid() != 0)
            QSKIP("needs root to mount a small file system");
        TempDir dir;
        const QString mountPoint = dir.file("small");
        QVERIFY(QDir().mkpath(mountPoint));
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") !=
            0)
            QSKIP("cannot mount a tmpfs here");
        const QString path = mountPoint + "/TabdeckV10.INI";
        QByteArray before = "[BUTTON]\r\n";
        for (int n = 1; n <= 360; ++n)
            before += QByteArray::number(n) + "=/usr/share/applications/some.desktop\r\n";
        bool thrown = false;
        QByteArray after;
        {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(before);
            f.close();
            // Fill the rest, leaving less room than a second copy needs.
            QFile filler(mountPoint + "/filler");
            filler.open(QIODevice::WriteOnly);
            const QByteArray block(1024, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
            filler.close();
            ControlFile file(path);
            try {
                file.write("BUTTON", "1", "/changed");
            } catch (const AppError& e) {
                thrown = e.text() == "Cannot create file " + path;
            }
            after = contentOf(path);
            QCOMPARE(file.read("BUTTON", "1", 256).text,
                     QString("/usr/share/applications/some.desktop"));
        }
        const QStringList left = leftovers(mountPoint);
        ::umount(QFile::encodeName(mountPoint).constData());
        QVERIFY(thrown);
        QCOMPARE(after, before);
        QVERIFY(left.isEmpty());
    }
};

TABDECK_TEST(HostileFileTest)
#include "HostileFileTest.moc"
