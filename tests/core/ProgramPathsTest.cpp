#include "core/ProgramPaths.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

using testsupport::TempDir;

class ProgramPathsTest : public QObject {
    Q_OBJECT
private slots:
    void baseName_data() {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("base");
        QTest::newRow("no extension") << "TabdeckV10"
                                      << "TabdeckV10";
        QTest::newRow("extension") << "Launcher.exe"
                                   << "Launcher";
        QTest::newRow("last dot") << "my.launcher.bin"
                                  << "my.launcher";
        QTest::newRow("leading dot kept") << ".hidden"
                                          << ".hidden";
    }
    void baseName() {
        QFETCH(QString, exe);
        QFETCH(QString, base);
        TempDir dir;
        const ProgramPaths p = ProgramPaths::fromExecutable(dir.file(exe), dir.path());
        const QString folder = dir.path() + '/';
        QCOMPARE(p.programDir, folder);
        QCOMPARE(p.baseName, base);
        QCOMPARE(p.dataDir, folder);
        QCOMPARE(p.controlFile, folder + base + ".INI");
        QCOMPARE(p.programBasePath, folder + base);
        QCOMPARE(p.extensiveHelp, folder + "ExtensiveHelp.hlp");
        QCOMPARE(p.editHelp, folder + "EditHelp.txt");
        QCOMPARE(p.iconsDir, folder + "Icons");
        QCOMPARE(p.listDir, folder);
    }

    // An installed copy writes below the user's home; shipped files stay put.
    void readOnlyProgramFolder() {
        if (::geteuid() == 0)
            QSKIP("root can write every folder; HostileFileTest::programPathsAsUser covers this as "
                  "nobody");
        TempDir dir;
        const QString program = dir.file("opt");
        QVERIFY(QDir().mkpath(program));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
        const ProgramPaths p =
            ProgramPaths::fromExecutable(program + "/TabdeckV10", dir.file("home"));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(p.dataDir, dir.file("home") + "/.config/TabdeckV10/");
        QVERIFY(QFileInfo(p.dataDir).isDir());
        QCOMPARE(p.controlFile, p.dataDir + "TabdeckV10.INI");
        QCOMPARE(p.iconsDir, program + "/Icons");
    }
};

TABDECK_TEST(ProgramPathsTest)
#include "ProgramPathsTest.moc"
