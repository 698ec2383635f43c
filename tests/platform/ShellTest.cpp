#include "platform/Shell.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "platform/DesktopEntry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QUrlQuery>

using shell::Action;

namespace {

struct RecordingLauncher : shell::Launcher {
    QList<QUrl> urls;
    struct Start {
        QString program;
        QStringList arguments;
        QString workingDir;
    };
    QList<Start> starts;
    void openUrl(const QUrl& url, QObject*, Opener::Done done) override {
        urls << url;
        if (done)
            done({});
    }
    Opener::Outcome startDetached(const QString& program, const QStringList& arguments,
                                  const QString& workingDir) override {
        starts.append({program, arguments, workingDir});
        return {};
    }
};

QString fakeFind(const QString& name) {
    static const QStringList installed = {"myprog", "xterm"};
    return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

QString writeFile(const testsupport::TempDir& dir, const QString& name, const QByteArray& text,
                  bool executable) {
    const QString path = dir.write(name, text);
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

} // namespace

class DesktopExecTest : public QObject {
    Q_OBJECT
private slots:
    // Exec values as they stand in a file, through the key file's string
    // escapes and then the quoting rules.
    void split_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << QByteArray("Exec=prog -a b") << QStringList{"prog", "-a", "b"}
                               << true;
        QTest::newRow("runs of blanks")
            << QByteArray("Exec=prog   a\tb") << QStringList{"prog", "a", "b"} << true;
        QTest::newRow("quoted blank") << QByteArray("Exec=\"/opt/my app/run\" x")
                                      << QStringList{"/opt/my app/run", "x"} << true;
        QTest::newRow("escaped quote") << QByteArray(R"(Exec=prog "say \\"hi\\"")")
                                       << QStringList{"prog", "say \"hi\""} << true;
        QTest::newRow("dollar") << QByteArray(R"(Exec=prog "\\$HOME")")
                                << QStringList{"prog", "$HOME"} << true;
        QTest::newRow("backtick") << QByteArray(R"(Exec=prog "\\`x\\`")")
                                  << QStringList{"prog", "`x`"} << true;
        QTest::newRow("literal backslash")
            << QByteArray(R"(Exec=prog "a\\\\b")") << QStringList{"prog", "a\\b"} << true;
        QTest::newRow("shell characters stay text")
            << QByteArray("Exec=prog \";\" \"|\" \"$(x)\" \"a b\"")
            << QStringList{"prog", ";", "|", "$(x)", "a b"} << true;
        QTest::newRow("string escape \\s")
            << QByteArray("Exec=prog a\\sb") << QStringList{"prog", "a", "b"} << true;
        QTest::newRow("open quote") << QByteArray("Exec=prog \"abc") << QStringList{} << false;
        QTest::newRow("bad escape in quotes")
            << QByteArray(R"(Exec=prog "\\q")") << QStringList{} << false;
        QTest::newRow("empty quoted arg")
            << QByteArray("Exec=prog \"\"") << QStringList{"prog", ""} << true;
    }
    void split() {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, args);
        QFETCH(bool, valid);
        auto entry = DesktopEntry::parse("[Desktop Entry]\n" + line + "\n");
        QVERIFY(entry);
        auto got = desktopexec::split(entry->exec);
        QCOMPARE(bool(got), valid);
        if (valid)
            QCOMPARE(*got, args);
    }

    void fieldCodes_data() {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("command");
        QTest::newRow("file codes dropped") << "prog %f %F %u %U x" << QStringList{"prog", "x"};
        QTest::newRow("code inside an argument")
            << "prog --file=%f" << QStringList{"prog", "--file="};
        QTest::newRow("icon") << "prog %i" << QStringList{"prog", "--icon", "pic"};
        QTest::newRow("name") << "prog --title=%c" << QStringList{"prog", "--title=My App"};
        QTest::newRow("location") << "prog %k" << QStringList{"prog", "/x/app.desktop"};
        QTest::newRow("percent") << "prog 100%%" << QStringList{"prog", "100%"};
        QTest::newRow("deprecated") << "prog %d %D %n %N %v %m y" << QStringList{"prog", "y"};
        QTest::newRow("quoted code expanded") << "prog \"%c\"" << QStringList{"prog", "My App"};
        QTest::newRow("unknown code") << "prog %z" << QStringList{};
        QTest::newRow("lone percent") << "prog 5%" << QStringList{};
        QTest::newRow("only a code") << "%f" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void fieldCodes() {
        QFETCH(QString, exec);
        QFETCH(QStringList, command);
        DesktopEntry entry;
        entry.exec = exec;
        entry.name = "My App";
        entry.icon = "pic";
        auto got = desktopexec::command(entry, "/x/app.desktop");
        QCOMPARE(got.value_or(QStringList{}), command);
    }

    void keyFile_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("exec");
        QTest::addColumn<bool>("terminal");
        QTest::newRow("basic") << QByteArray("[Desktop Entry]\nExec=a\nTerminal=true\n") << true
                               << "a" << true;
        QTest::newRow("crlf, blanks around =")
            << QByteArray("[Desktop Entry]\r\nExec = a b\r\n") << true << "a b" << false;
        QTest::newRow("other group ignored")
            << QByteArray("[Desktop Action x]\nExec=bad\n[Desktop Entry]\nExec=good\n") << true
            << "good" << false;
        QTest::newRow("later group ignored")
            << QByteArray("[Desktop Entry]\nExec=good\n[Desktop Action x]\nExec=bad\n") << true
            << "good" << false;
        QTest::newRow("localised key ignored")
            << QByteArray("[Desktop Entry]\nExec[de]=x\nExec=y\n") << true << "y" << false;
        QTest::newRow("no group") << QByteArray("Exec=x\n") << false << "" << false;
        QTest::newRow("comment") << QByteArray("# [Desktop Entry]\nExec=x\n") << false << ""
                                 << false;
    }
    void keyFile() {
        QFETCH(QByteArray, text);
        QFETCH(bool, found);
        QFETCH(QString, exec);
        QFETCH(bool, terminal);
        auto entry = DesktopEntry::parse(text);
        QCOMPARE(bool(entry), found);
        if (found) {
            QCOMPARE(entry->exec, exec);
            QCOMPARE(entry->terminal, terminal);
        }
    }
};

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { shell::setForcedPlatformVariable(false); }

    void urls_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("http") << "http://example.org/a?b=c#d"
                              << "http";
        QTest::newRow("https") << "https://example.org/"
                               << "https";
        QTest::newRow("ftp") << "ftp://example.org/pub"
                             << "ftp";
        QTest::newRow("file") << "file:///tmp/a%20b"
                              << "file";
        QTest::newRow("mailto") << "mailto:bugs@example.org"
                                << "mailto";
    }
    void urls() {
        QFETCH(QString, text);
        QFETCH(QString, scheme);
        RecordingLauncher rec;
        shell::DesktopOpener(rec, fakeFind).open(nullptr, text);
        QCOMPARE(rec.urls.size(), 1);
        QVERIFY(rec.starts.isEmpty());
        QCOMPARE(rec.urls[0].scheme(), scheme);
        QCOMPARE(rec.urls[0].toString(QUrl::FullyEncoded), QUrl(text).toString(QUrl::FullyEncoded));
    }

    // The bug-report address of the about box: blanks in subject and body.
    void mailtoKeepsItsMeaning() {
        RecordingLauncher rec;
        shell::DesktopOpener(rec, fakeFind)
            .open(nullptr,
                  "mailto:bugs@example.org?subject=Bug report 10&body=It broke & then 50% more");
        QCOMPARE(rec.urls.size(), 1);
        const QUrl url = rec.urls[0];
        QCOMPARE(url.path(), QStringLiteral("bugs@example.org"));
        QUrlQuery q(url);
        QCOMPARE(q.queryItemValue("subject", QUrl::FullyDecoded), QStringLiteral("Bug report 10"));
        QVERIFY(q.queryItemValue("body", QUrl::FullyDecoded).startsWith("It broke "));
        QVERIFY(!url.toString(QUrl::FullyEncoded).contains(u' '));
    }

    void files_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QString>("expected"); // "start" or "url"
        QTest::newRow("script") << "run.sh" << QByteArray("#!/bin/sh\n") << true << "start";
        QTest::newRow("elf") << "prog"
                             << QByteArray("\x7f"
                                           "ELF\x02\x01\x01")
                             << true << "start";
        QTest::newRow("exec bit on text") << "notes.txt" << QByteArray("hello") << true << "url";
        QTest::newRow("script without exec bit")
            << "run2.sh" << QByteArray("#!/bin/sh\n") << false << "url";
        QTest::newRow("document") << "letter.pdf" << QByteArray("%PDF-1.4") << false << "url";
        QTest::newRow("windows exe") << "setup.exe" << QByteArray("MZ\x90") << true << "url";
        QTest::newRow("blanks and quotes")
            << "it's \"a\" file.sh" << QByteArray("#!/bin/sh\n") << true << "start";
        QTest::newRow("semicolon") << "a; touch x" << QByteArray("#!/bin/sh\n") << true << "start";
        QTest::newRow("command substitution")
            << "$(touch y)" << QByteArray("#!/bin/sh\n") << true << "start";
        QTest::newRow("leading dash") << "-rf" << QByteArray("#!/bin/sh\n") << true << "start";
        QTest::newRow("hash, query, percent")
            << "a#b?c%20d.txt" << QByteArray("x") << false << "url";
    }
    void files() {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, executable);
        QFETCH(QString, expected);
        testsupport::TempDir dir;
        const QString path = writeFile(dir, name, content, executable);
        RecordingLauncher rec;
        shell::DesktopOpener(rec, fakeFind).open(nullptr, path);
        if (expected == "start") {
            QCOMPARE(rec.starts.size(), 1);
            QVERIFY(rec.urls.isEmpty());
            QCOMPARE(rec.starts[0].program, path);
            QVERIFY(rec.starts[0].arguments.isEmpty());
            QCOMPARE(rec.starts[0].workingDir, dir.path());
        } else {
            QCOMPARE(rec.urls.size(), 1);
            QVERIFY(rec.starts.isEmpty());
            QVERIFY(rec.urls[0].isLocalFile());
            QCOMPARE(rec.urls[0].toLocalFile(), path);
        }
    }

    void folderAndMissing() {
        testsupport::TempDir dir;
        RecordingLauncher rec;
        shell::DesktopOpener opener(rec, fakeFind);
        opener.open(nullptr, dir.path());
        QCOMPARE(rec.urls.size(), 1);
        QCOMPARE(rec.urls[0], QUrl::fromLocalFile(dir.path()));
        opener.open(nullptr, dir.file("missing.exe"));
        opener.open(nullptr, dir.file("missing.desktop"));
        opener.open(nullptr, QString());
        QCOMPARE(rec.urls.size(), 1);
        QVERIFY(rec.starts.isEmpty());
    }

    void desktopEntries_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("workingDir");
        QTest::newRow("name on path, codes, Path")
            << QByteArray("[Desktop Entry]\nType=Application\nName=N\nExec=myprog %U --name "
                          "\"%c\"\nPath=/srv\n")
            << "/usr/bin/myprog" << QStringList{"--name", "N"} << "/srv";
        QTest::newRow("absolute program with blank")
            << QByteArray("[Desktop Entry]\nExec=\"/opt/my app/run\" \"a;b\"\n")
            << "/opt/my app/run" << QStringList{"a;b"} << QDir::homePath();
        QTest::newRow("terminal")
            << QByteArray("[Desktop Entry]\nExec=myprog -v\nTerminal=true\nPath=/w\n")
            << "/usr/bin/xterm" << QStringList{"-e", "myprog", "-v"} << "/w";
        QTest::newRow("unknown program")
            << QByteArray("[Desktop Entry]\nExec=nosuchprog\n") << "" << QStringList{} << "";
        QTest::newRow("relative path program")
            << QByteArray("[Desktop Entry]\nExec=bin/x\n") << "" << QStringList{} << "";
        QTest::newRow("malformed exec")
            << QByteArray("[Desktop Entry]\nExec=\"myprog\n") << "" << QStringList{} << "";
        QTest::newRow("no group") << QByteArray("Exec=myprog\n") << "" << QStringList{} << "";
    }
    void desktopEntries() {
        QFETCH(QByteArray, text);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, workingDir);
        testsupport::TempDir dir;
        const QString path = writeFile(dir, "app.desktop", text, false);
        RecordingLauncher rec;
        shell::DesktopOpener(rec, fakeFind).open(nullptr, path);
        QVERIFY(rec.urls.isEmpty());
        if (program.isEmpty()) {
            QVERIFY(rec.starts.isEmpty());
            return;
        }
        QCOMPARE(rec.starts.size(), 1);
        QCOMPARE(rec.starts[0].program, program);
        QCOMPARE(rec.starts[0].arguments, arguments);
        QCOMPARE(rec.starts[0].workingDir, workingDir);
    }

    void terminalChoice() {
        // The first terminal installed, each with its own option for the command.
        auto only = [](const QString& which) {
            return
                [which](const QString& name) { return name == which ? "/bin/" + name : QString(); };
        };
        QCOMPARE(shell::inTerminal({"a"}, only("gnome-terminal")).value(),
                 (QStringList{"/bin/gnome-terminal", "--", "a"}));
        QCOMPARE(shell::inTerminal({"a"}, only("x-terminal-emulator")).value(),
                 (QStringList{"/bin/x-terminal-emulator", "-e", "a"}));
        QVERIFY(!shell::inTerminal({"a"}, only("none")));
    }

    void linkEntry() {
        testsupport::TempDir dir;
        const QString path =
            writeFile(dir, "site.desktop",
                      "[Desktop Entry]\nType=Link\nURL=https://example.org/x y\n", false);
        RecordingLauncher rec;
        shell::DesktopOpener(rec, fakeFind).open(nullptr, path);
        QCOMPARE(rec.urls.size(), 1);
        QCOMPARE(rec.urls[0].host(), QStringLiteral("example.org"));
        QCOMPARE(rec.urls[0].path(), QStringLiteral("/x y"));
    }

    void environmentWithoutForcedPlatform() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        shell::setForcedPlatformVariable(false);
        QVERIFY(shell::launchEnvironment().contains("QT_QPA_PLATFORM"));
        shell::setForcedPlatformVariable(true);
        QVERIFY(!shell::launchEnvironment().contains("QT_QPA_PLATFORM"));
        QVERIFY(shell::launchEnvironment().contains("PATH"));
    }

    // Real launches: a script in a folder and a name full of shell syntax,
    // each writing where it ran and what it was given into a marker file.
    void realLaunch_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "writer.sh";
        QTest::newRow("shell syntax in the name") << "a; touch injected $(touch injected2)";
    }
    void realLaunch() {
        QFETCH(QString, name);
        testsupport::TempDir dir;
        const QString marker = dir.file("marker");
        const QByteArray script =
            "#!/bin/sh\n"
            "printf '%s|%s|%s' \"$(pwd)\" \"$#\" \"${QT_QPA_PLATFORM-unset}\" > '" +
            marker.toUtf8() + ".tmp'\nmv '" + marker.toUtf8() + ".tmp' '" + marker.toUtf8() + "'\n";
        const QString path = writeFile(dir, name, script, true);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        shell::setForcedPlatformVariable(true);
        shell::DesktopOpener().open(nullptr, path);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QFile f(marker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), dir.path() + "|0|unset");
        QVERIFY(!QFile::exists(dir.file("injected")));
        QVERIFY(!QFile::exists(dir.file("injected2")));
        QVERIFY(!QFile::exists(QDir::current().filePath("injected")));
    }

    void realDesktopLaunch() {
        testsupport::TempDir dir;
        const QString marker = dir.file("marker");
        const QString tool =
            writeFile(dir, "tool.sh",
                      "#!/bin/sh\nprintf '%s|' \"$(pwd)\" \"$@\" > '" + marker.toUtf8() +
                          ".tmp'\nmv '" + marker.toUtf8() + ".tmp' '" + marker.toUtf8() + "'\n",
                      true);
        QDir().mkpath(dir.file("work dir"));
        const QString entry = writeFile(
            dir, "tool.desktop",
            "[Desktop Entry]\nType=Application\nName=Tool\nExec=\"" + tool.toUtf8() +
                "\" %F \"two words\" \"\\\\$HOME\" ;\nPath=" + dir.file("work dir").toUtf8() + "\n",
            false);
        shell::DesktopOpener().open(nullptr, entry);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QFile f(marker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), dir.file("work dir") + "|two words|$HOME|;|");
    }
};

// What the desktop answers, through the real launcher with a stand-in for
// the desktop's opener (xdg-open, or gio where it is the only one).
class OpenOutcomeTest : public QObject {
    Q_OBJECT
private slots:
    void outcome_data() {
        QTest::addColumn<QString>("opener");    // "xdg-open" or "gio"
        QTest::addColumn<QByteArray>("script"); // its body after recording its arguments
        QTest::addColumn<QString>("path");      // "DOC": an existing file
        QTest::addColumn<QString>("arguments"); // what the opener got; "" when not run
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("reason");
        const QString none = "no application is set to open it";
        QTest::newRow("taken") << "xdg-open" << QByteArray("exit 0") << "DOC"
                               << "DOC" << true << "";
        QTest::newRow("an address, unchanged")
            << "xdg-open" << QByteArray("exit 0") << "https://example.org/a?b=c d"
            << "https://example.org/a?b=c%20d" << true << "";
        QTest::newRow("no handler, in the desktop's words")
            << "xdg-open" << QByteArray("echo \"xdg-open: no method for '$1'\" >&2\nexit 3")
            << "DOC"
            << "DOC" << false << none + " (xdg-open: no method for 'DOC')";
        QTest::newRow("handler failed, silent")
            << "xdg-open" << QByteArray("exit 4") << "DOC"
            << "DOC" << false << "the desktop could not open it";
        // gio's status 2 is no missing file.
        QTest::newRow("gio only") << "gio"
                                  << QByteArray("echo 'gio: no handler' >&2\necho >&2\nexit 2")
                                  << "DOC"
                                  << "open DOC" << false
                                  << "the desktop could not open it (gio: no handler)";
        QTest::newRow("opener crashed") << "xdg-open" << QByteArray("kill -SEGV $$") << "DOC"
                                        << "DOC" << false << "the desktop could not open it";
        QTest::newRow("a long complaint is cut")
            << "xdg-open" << QByteArray("printf '%0500d\\n' 0 >&2\nexit 1") << "DOC"
            << "DOC" << false << "the desktop could not open it (" + QString(300, '0') + ")";
        // A desktop that runs the handler answers when it ends: still running
        // past the limit counts as taken.
        QTest::newRow("still running at the limit") << "xdg-open" << QByteArray("sleep 20") << "DOC"
                                                    << "DOC" << true << "";
        QTest::newRow("missing file: the opener is not asked")
            << "xdg-open" << QByteArray("exit 0") << "/nonexistent/doc.zzz"
            << "" << false << "it does not exist";
        QTest::newRow("program that cannot start")
            << "xdg-open" << QByteArray("exit 0") << "BADPROG"
            << "" << false << "it could not be started (";
        QTest::newRow("entry naming a missing program")
            << "xdg-open" << QByteArray("exit 0") << "ENTRY"
            << "" << false << "its program no-such-prog is not installed";
    }
    void outcome() {
        QFETCH(QString, opener);
        QFETCH(QByteArray, script);
        QFETCH(QString, path);
        QFETCH(QString, arguments);
        QFETCH(bool, opened);
        QFETCH(QString, reason);
        testsupport::TempDir dir;
        const QString doc = dir.write("doc.zzz", "text");
        const QString record = dir.file("arguments");
        const QString tool =
            writeFile(dir, opener,
                      "#!/bin/sh\necho \"$*\" > '" + record.toUtf8() + "'\n" + script + "\n", true);
        path.replace("DOC", doc);
        path.replace("BADPROG", writeFile(dir, "bad.sh", "#!/nonexistent/interpreter\n", true));
        path.replace("ENTRY",
                     writeFile(dir, "app.desktop",
                               "[Desktop Entry]\nType=Application\nName=A\nExec=no-such-prog\n",
                               false));
        arguments.replace("DOC", doc);
        reason.replace("DOC", doc);
        constexpr int AnswerMs = 500;
        shell::SystemLauncher launcher(
            [&](const QString& name) { return name == opener ? tool : QString(); }, AnswerMs);
        QObject owner;
        QList<Opener::Outcome> answers;
        QElapsedTimer clock;
        clock.start();
        shell::DesktopOpener(launcher, fakeFind)
            .openReporting(&owner, path, [&](const Opener::Outcome& o) { answers << o; });
        QVERIFY2(clock.elapsed() < AnswerMs / 2, "the open waited for the desktop");
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 10000);
        QCOMPARE(answers[0].opened, opened);
        if (reason.endsWith('('))
            QVERIFY2(answers[0].reason.startsWith(reason), qPrintable(answers[0].reason));
        else
            QCOMPARE(answers[0].reason, reason);
        if (!arguments.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 5000);
        QFile f(record);
        const QString got =
            f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
        QCOMPARE(got, arguments);
        // Said once: a late end of the opener adds nothing.
        QTest::qWait(100);
        QCOMPARE(answers.size(), 1);
    }
};

TABDECK_TEST(OpenOutcomeTest)
TABDECK_TEST(DesktopExecTest)
TABDECK_TEST(ShellTest)
#include "ShellTest.moc"
