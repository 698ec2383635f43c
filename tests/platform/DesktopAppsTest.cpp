#include "platform/DesktopApps.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>

namespace {

// A program on a search path of the test's own, so GLib's lookups see a
// fixed world.
struct Installed {
    testsupport::TempDir bin;
    QByteArray savedPath = qgetenv("PATH");
    QByteArray savedLanguage = qgetenv("LANGUAGE");
    Installed() {
        const QString notes = bin.write(QStringLiteral("notes"), "#!/bin/sh\n");
        QFile::setPermissions(notes, QFile::permissions(notes) | QFile::ExeOwner);
        qputenv("PATH", bin.path().toUtf8());
    }
    ~Installed() {
        qputenv("PATH", savedPath);
        qputenv("LANGUAGE", savedLanguage);
    }
};

const QByteArray Actions = "Actions=new-window;private;ghost;nameless;\n"
                           "[Desktop Action new-window]\nName=New Window\n"
                           "Name[de]=Neues Fenster\nIcon=window-new\n"
                           "Exec=notes --new-window\n"
                           "[Desktop Action private]\nName=Private Note\nName[de]=Private Notiz\n"
                           "Exec=notes --private %f \"%c\" %k\n"
                           "[Desktop Action nameless]\nExec=notes --nameless\n";

QByteArray entry(const QByteArray& keys) {
    return "# a comment\n[Desktop Entry]\nType=Application\nName=Notes\nName[de]=Notizen\n"
           "Comment=Keeps notes\nComment[de]=H\xc3\xa4lt Notizen fest\n" +
           keys;
}

QString fakeFind(const QStringList& installed, const QString& name) {
    return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
}

} // namespace

class DesktopAppsTest : public QObject {
    Q_OBJECT
private slots:
    // What the strip shows of an entry: names in the user's language, the
    // actions it offers, and whether its program is there.
    void entries_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QStringList>("actions"); // id=name=icon
        QTest::addColumn<QString>("missing");
        const QStringList english{"new-window=New Window=window-new", "private=Private Note="};
        const QStringList german{"new-window=Neues Fenster=window-new", "private=Private Notiz="};
        QTest::newRow("English") << entry("Exec=notes\n" + Actions) << QByteArray("C") << true
                                 << "Notes"
                                 << "Keeps notes" << english << "";
        QTest::newRow("German") << entry("Exec=notes\n" + Actions) << QByteArray("de") << true
                                << "Notizen"
                                << "H\u00e4lt Notizen fest" << german << "";
        QTest::newRow("de_AT falls back to de")
            << entry("Exec=notes\n" + Actions) << QByteArray("de_AT") << true << "Notizen"
            << "H\u00e4lt Notizen fest" << german << "";
        QTest::newRow("TryExec installed")
            << entry("TryExec=notes\nExec=notes\n") << QByteArray("C") << true << "Notes"
            << "Keeps notes" << QStringList{} << "";
        QTest::newRow("TryExec missing") << entry("TryExec=/nowhere/notes\nExec=notes\n" + Actions)
                                         << QByteArray("C") << true << "Notes"
                                         << "Keeps notes" << english << "/nowhere/notes";
        QTest::newRow("Exec program missing")
            << entry("Exec=gone-notes --x\n") << QByteArray("C") << true << "Notes"
            << "Keeps notes" << QStringList{} << "gone-notes";
        QTest::newRow("a link names no program")
            << QByteArray("[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org/\n")
            << QByteArray("C") << true << "Site"
            << "" << QStringList{} << "";
        QTest::newRow("no entry group")
            << QByteArray("[Other]\nName=x\n") << QByteArray("C") << false << ""
            << "" << QStringList{} << "";
        QByteArray big = entry("Exec=notes\n");
        const QByteArray atLimit = big + "#" + QByteArray((1 << 20) - big.size() - 2, 'x') + "\n";
        QTest::newRow("1 MiB") << atLimit << QByteArray("C") << true << "Notes"
                               << "Keeps notes" << QStringList{} << "";
        QTest::newRow("1 MiB and a byte") << atLimit + "\n"
                                          << QByteArray("C") << false << ""
                                          << "" << QStringList{} << "";
    }
    void entries() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, language);
        QFETCH(bool, readable);
        Installed installed;
        qputenv("LANGUAGE", language);
        testsupport::TempDir dir;
        const QString path =
            dir.write(QStringLiteral("%1.desktop").arg(QTest::currentDataTag()), text);
        const auto got = desktopapps::read(path);
        QCOMPARE(got.has_value(), readable);
        if (!got)
            return;
        QTEST(got->name, "name");
        QTEST(got->comment, "comment");
        QStringList actions;
        for (const auto& a : got->actions)
            actions << a.id + u'=' + a.name + u'=' + a.icon;
        QTEST(actions, "actions");
        QTEST(got->missingProgram, "missing");
        QCOMPARE(desktopapps::usable(path), got->missingProgram.isEmpty());
    }

    // How a target is started with launch options or as an entry's action:
    // options go to programs and scripts only, an action runs its own Exec.
    void starts_data() {
        QTest::addColumn<QByteArray>("entryKeys"); // empty: the target is a script
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("terminalVariable");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("workingDir");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("command"); // program, arguments...; empty: refused
        QTest::addColumn<QString>("where");       // "script": the script's folder
        QTest::addColumn<QString>("refusal");
        const QStringList none;
        const QStringList words{"-x", "two words", "say \"hi\""};
        QTest::newRow("script as it is") << QByteArray() << none << QByteArray() << none << ""
                                         << false << "" << QStringList{"SCRIPT"} << "script"
                                         << "";
        QTest::newRow("script with arguments and folder")
            << QByteArray() << none << QByteArray() << words << "/srv/work" << false << ""
            << QStringList{"SCRIPT", "-x", "two words", "say \"hi\""} << "/srv/work"
            << "";
        QTest::newRow("in x-terminal-emulator")
            << QByteArray() << QStringList{"x-terminal-emulator", "xterm"} << QByteArray("xterm")
            << words << "" << true << "" << QStringList{"/usr/bin/x-terminal-emulator",
                                                        "-e",
                                                        "SCRIPT",
                                                        "-x",
                                                        "two words",
                                                        "say \"hi\""}
            << "script"
            << "";
        QTest::newRow("else in $TERMINAL")
            << QByteArray() << QStringList{"kitty", "xterm"} << QByteArray("kitty") << none << ""
            << true << "" << QStringList{"/usr/bin/kitty", "-e", "SCRIPT"} << "script"
            << "";
        QTest::newRow("no terminal at all")
            << QByteArray() << none << QByteArray("kitty") << none << "" << true << ""
            << QStringList{} << ""
            << "it runs in a terminal, and no terminal is installed";
        QTest::newRow("entry action")
            << entry("Exec=notes\n" + Actions) << QStringList{"notes"} << QByteArray() << none << ""
            << false << "new-window" << QStringList{"/usr/bin/notes", "--new-window"} << "HOME"
            << "";
        QTest::newRow("entry action with field codes")
            << entry("Exec=notes\nPath=/srv\n" + Actions) << QStringList{"notes"} << QByteArray()
            << none << "" << false << "private"
            << QStringList{"/usr/bin/notes", "--private", "Notes", "ENTRY"} << "/srv"
            << "";
        QTest::newRow("entry action in the entry's terminal")
            << entry("Exec=notes\nTerminal=true\n" + Actions)
            << QStringList{"notes", "x-terminal-emulator"} << QByteArray() << none << "" << false
            << "new-window"
            << QStringList{"/usr/bin/x-terminal-emulator", "-e", "notes", "--new-window"} << "HOME"
            << "";
        QTest::newRow("action not listed")
            << entry("Exec=notes\n" + Actions) << QStringList{"notes"} << QByteArray() << none << ""
            << false << "nameless" << QStringList{} << ""
            << "its desktop entry has no action nameless";
        QTest::newRow("action of an entry whose program is gone")
            << entry("TryExec=/nowhere/notes\nExec=notes\n" + Actions) << QStringList{"notes"}
            << QByteArray() << none << "" << false << "new-window" << QStringList{} << ""
            << "its program /nowhere/notes is not installed";
        QTest::newRow("options never reach an entry")
            << entry("Exec=notes --main\n") << QStringList{"notes", "x-terminal-emulator"}
            << QByteArray() << words << "/srv/work" << true << ""
            << QStringList{"/usr/bin/notes", "--main"} << "HOME"
            << "";
    }
    void starts() {
        QFETCH(QByteArray, entryKeys);
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, terminalVariable);
        QFETCH(QStringList, command);
        QFETCH(QString, where);
        QFETCH(QString, refusal);
        Installed path;
        const QByteArray savedTerminal = qgetenv("TERMINAL");
        qputenv("TERMINAL", terminalVariable);
        testsupport::TempDir dir;
        QString target;
        if (entryKeys.isEmpty()) {
            target = dir.write(QStringLiteral("run me.sh"), "#!/bin/sh\n");
            QFile::setPermissions(target, QFile::permissions(target) | QFile::ExeOwner);
        } else {
            target = dir.write(QStringLiteral("notes.desktop"), entryKeys);
        }
        struct Recording : shell::Launcher {
            QStringList command;
            QString where;
            void openUrl(const QUrl&, QObject*, Opener::Done) override {}
            Opener::Outcome startDetached(const QString& program, const QStringList& arguments,
                                          const QString& workingDir) override {
                command = QStringList{program} + arguments;
                where = workingDir;
                return {};
            }
        } launcher;
        shell::DesktopOpener opener(launcher,
                                    [&](const QString& name) { return fakeFind(installed, name); });
        Opener::Start how;
        QFETCH(QStringList, arguments);
        how.arguments = arguments;
        QFETCH(QString, workingDir);
        how.workingDir = workingDir;
        QFETCH(bool, terminal);
        how.terminal = terminal;
        QFETCH(QString, action);
        how.entryAction = action;
        std::optional<Opener::Outcome> outcome;
        opener.startReporting(nullptr, target, how, [&](const Opener::Outcome& o) { outcome = o; });
        qputenv("TERMINAL", savedTerminal);
        QVERIFY(outcome);
        QCOMPARE(outcome->reason, refusal);
        command.replaceInStrings(QStringLiteral("SCRIPT"), target);
        command.replaceInStrings(QStringLiteral("ENTRY"), target);
        QCOMPARE(launcher.command, command);
        if (where == QLatin1String("script"))
            where = dir.path();
        else if (where == QLatin1String("HOME"))
            where = QDir::homePath();
        if (!command.isEmpty())
            QCOMPARE(launcher.where, where);
    }
};

TABDECK_TEST(DesktopAppsTest)
#include "DesktopAppsTest.moc"
