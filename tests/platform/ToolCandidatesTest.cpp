#include "platform/ToolCandidates.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

using testsupport::TempDir;

namespace {

// Creates a file below the root; executable unless told otherwise.
QString install(const TempDir& root, const QString& relPath, bool executable = true) {
    const QString path = root.write(relPath, "#!/bin/sh\n");
    QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        perms |= QFile::ExeOwner;
    QFile::setPermissions(path, perms);
    return path;
}

} // namespace

class ToolCandidatesTest : public QObject {
    Q_OBJECT
private slots:
    void everyItemHasAtMostFivePrograms() {
        QStringList items = toolcandidates::itemNames();
        QCOMPARE(items.size(), 29);
        QCOMPARE(items.removeDuplicates(), 0);
        for (const QString& item : items) {
            const QStringList programs = toolcandidates::programsFor(item);
            QVERIFY2(programs.size() <= toolcandidates::MaxPrograms, qPrintable(item));
            QCOMPARE(QStringList(programs).removeDuplicates(), 0);
            for (const QString& p : programs)
                QVERIFY2(!p.isEmpty() && !p.contains(QLatin1Char('/')), qPrintable(p));
        }
    }

    void unknownItemHasNoCandidates() {
        QVERIFY(toolcandidates::programsFor(QStringLiteral("CloseMenu4")).isEmpty());
        ToolCandidates c(QStringLiteral("/"));
        QVERIFY(c.paths(QStringLiteral("CloseMenu4")).isEmpty());
        QVERIFY(c.firstExisting(QStringLiteral("nothing")).isEmpty());
    }

    void pathsProgramMajorBelowRoot() {
        TempDir root;
        ToolCandidates c(root.path() + QLatin1Char('/'));
        const QStringList paths = c.paths(QStringLiteral("Calculator1"));
        const int folders = toolcandidates::searchFolders().size();
        QCOMPARE(paths.size(),
                 toolcandidates::programsFor(QStringLiteral("Calculator1")).size() * folders);
        QCOMPARE(paths.first(), root.path() + QStringLiteral("/usr/local/bin/gnome-calculator"));
        QCOMPARE(paths.at(1), root.path() + QStringLiteral("/usr/bin/gnome-calculator"));
        QCOMPARE(paths.at(folders), root.path() + QStringLiteral("/usr/local/bin/kcalc"));
        for (const QString& p : paths)
            QVERIFY(!p.contains(QLatin1String("//")));
    }

    void firstExisting_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("installed"); // relative paths, executable
        QTest::addColumn<QStringList>("plain");     // relative paths, not executable
        QTest::addColumn<QString>("expected");      // relative path or empty
        QTest::newRow("only the last program")
            << "Calculator1" << QStringList{"usr/bin/xcalc"} << QStringList{} << "usr/bin/xcalc";
        QTest::newRow("earlier program wins over earlier folder")
            << "Calculator1" << QStringList{"usr/local/bin/xcalc", "usr/bin/kcalc"} << QStringList{}
            << "usr/bin/kcalc";
        QTest::newRow("all exist: the first one")
            << "Calculator1"
            << QStringList{"usr/bin/gnome-calculator", "usr/bin/kcalc", "usr/bin/galculator",
                           "usr/bin/xcalc"}
            << QStringList{} << "usr/bin/gnome-calculator";
        QTest::newRow("local folder before system folder")
            << "CommandCom1" << QStringList{"usr/bin/xterm", "usr/local/bin/xterm"} << QStringList{}
            << "usr/local/bin/xterm";
        QTest::newRow("terminal falls back to xterm")
            << "CommandCom1" << QStringList{"usr/bin/xterm"} << QStringList{} << "usr/bin/xterm";
        QTest::newRow("sbin counts") << "DiskManagement1" << QStringList{"usr/sbin/gparted"}
                                     << QStringList{} << "usr/sbin/gparted";
        QTest::newRow("not executable is skipped")
            << "NotePad1" << QStringList{"usr/bin/mousepad"}
            << QStringList{"usr/bin/gnome-text-editor"} << "usr/bin/mousepad";
        QTest::newRow("none installed") << "Explorer1" << QStringList{} << QStringList{} << "";
        QTest::newRow("only plain files")
            << "Explorer1" << QStringList{} << QStringList{"usr/bin/nautilus"} << "";
        QTest::newRow("other item's program does not count")
            << "Explorer1" << QStringList{"usr/bin/kcalc"} << QStringList{} << "";
        QTest::newRow("item without programs")
            << "RSOperatorRequest1" << QStringList{"usr/bin/kcalc"} << QStringList{} << "";
    }
    void firstExisting() {
        QFETCH(QString, item);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, plain);
        QFETCH(QString, expected);
        TempDir root;
        for (const QString& rel : installed)
            install(root, rel);
        for (const QString& rel : plain)
            install(root, rel, false);
        ToolCandidates c(root.path());
        QCOMPARE(c.firstExisting(item), expected.isEmpty() ? QString() : root.file(expected));
    }

    void folderOfTheSameNameIsSkipped() {
        TempDir root;
        QVERIFY(QDir().mkpath(root.file(QStringLiteral("usr/bin/nautilus"))));
        install(root, QStringLiteral("usr/bin/dolphin"));
        ToolCandidates c(root.path());
        QCOMPARE(c.firstExisting(QStringLiteral("Explorer1")),
                 root.file(QStringLiteral("usr/bin/dolphin")));
    }

    void linksAreFollowed() {
        TempDir root;
        const QString target = install(root, QStringLiteral("opt/term/realterm"));
        QVERIFY(QDir().mkpath(root.file(QStringLiteral("usr/bin"))));
        QVERIFY(QFile::link(root.file(QStringLiteral("missing")),
                            root.file(QStringLiteral("usr/bin/x-terminal-emulator"))));
        QVERIFY(QFile::link(target, root.file(QStringLiteral("usr/bin/konsole"))));
        ToolCandidates c(root.path());
        // The dangling link is passed over, the good one taken.
        QCOMPARE(c.firstExisting(QStringLiteral("CommandCom1")),
                 root.file(QStringLiteral("usr/bin/konsole")));
    }

    void installedLaterIsFound() {
        // Paths are formed once; existence is checked at each choice.
        TempDir root;
        ToolCandidates c(root.path());
        QVERIFY(c.firstExisting(QStringLiteral("Narrator1")).isEmpty());
        install(root, QStringLiteral("usr/bin/orca"));
        QCOMPARE(c.firstExisting(QStringLiteral("Narrator1")),
                 root.file(QStringLiteral("usr/bin/orca")));
    }
};

TABDECK_TEST(ToolCandidatesTest)
#include "ToolCandidatesTest.moc"
