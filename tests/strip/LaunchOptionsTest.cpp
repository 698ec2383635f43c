#include "strip/LaunchOptions.h"
#include "RecordingLaunchEffects.h"
#include "RecordingOpener.h"
#include "RecordingStripValues.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "strip/ButtonLauncher.h"
#include "strip/Selection.h"

#include <QFile>
#include <QTest>

using testsupport::TempDir;

// FOLDER in a row stands for an existing folder of the test's own.
Q_DECLARE_METATYPE(LaunchOptions)

class LaunchOptionsTest : public QObject {
    Q_OBJECT
private slots:
    // Options typed in the window: kept or refused with the reason (the
    // options kept before then stay), what the next press hands to the
    // desktop, and the hint; a button given another target has none.
    void options_data() {
        QTest::addColumn<LaunchOptions>("before");
        QTest::addColumn<LaunchOptions>("typed");
        QTest::addColumn<bool>("retargeted");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("hint");
        const LaunchOptions none;
        const LaunchOptions kept{"-v", "", false};
        const QString a1023(1023, u'a');
        const QString folder255 = QStringLiteral("/") + QString(254, u'f');
        QTest::newRow("none") << none << none << false << "" << QStringList{} << "" << false
                              << "run me.sh";
        QTest::newRow("quotes and blanks as typed")
            << none << LaunchOptions{R"(-x "two  words" "say """hi""" " plain)", "FOLDER", true}
            << false << "" << QStringList{"-x", "two  words", "say \"hi\" ", "plain"} << "FOLDER"
            << true
            << R"(run me.sh (arguments: -x "two  words" "say """hi""" " plain; folder: FOLDER; in a terminal))";
        QTest::newRow("1023 characters")
            << none << LaunchOptions{a1023, "", false} << false << "" << QStringList{a1023} << ""
            << false << "run me.sh (arguments: " + a1023 + ")";
        QTest::newRow("1024 characters, the earlier kept")
            << kept << LaunchOptions{a1023 + u'a', "", false} << false
            << "The arguments are longer than 1023 characters." << QStringList{"-v"} << "" << false
            << "run me.sh (arguments: -v)";
        QTest::newRow("open quote")
            << kept << LaunchOptions{"\"a b", "", false} << false
            << "A quote in the arguments is not closed." << QStringList{"-v"} << "" << false
            << "run me.sh (arguments: -v)";
        QTest::newRow("relative folder")
            << kept << LaunchOptions{"", "work", false} << false
            << "The working folder work is not a folder." << QStringList{"-v"} << "" << false
            << "run me.sh (arguments: -v)";
        QTest::newRow("missing folder")
            << none << LaunchOptions{"", "/nowhere/at/all", false} << false
            << "The working folder /nowhere/at/all is not a folder." << QStringList{} << "" << false
            << "run me.sh";
        QTest::newRow("256-character folder")
            << none << LaunchOptions{"", folder255 + u'f', false} << false
            << "The working folder is longer than 255 characters." << QStringList{} << "" << false
            << "run me.sh";
        QTest::newRow("emptied again")
            << kept << none << false << "" << QStringList{} << "" << false << "run me.sh";
        QTest::newRow("another target leaves them behind")
            << none << LaunchOptions{"-v", "FOLDER", true} << true << "" << QStringList{} << ""
            << false << "run me.sh";
    }
    void options() {
        QFETCH(LaunchOptions, before);
        QFETCH(LaunchOptions, typed);
        QFETCH(bool, retargeted);
        QFETCH(QString, folder);
        QFETCH(QString, hint);
        TempDir dir;
        const QString script = dir.write(QStringLiteral("run me.sh"), "#!/bin/sh\n");
        QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
        typed.workingDir.replace(QLatin1String("FOLDER"), dir.path());
        folder.replace(QLatin1String("FOLDER"), dir.path());
        hint.replace(QLatin1String("FOLDER"), dir.path());
        ControlFile file(dir.file(QStringLiteral("TabdeckV10.INI")));
        file.write(QStringLiteral("BUTTON"), QStringLiteral("7"), script);
        LaunchOptionsSettings settings(file);
        settings.write(7, script, before);

        testsupport::RecordingStripValues view;
        const auto refused = launchoptions::keep(file, view, 7, script, typed);
        QTEST(refused.value_or(QString()), "refusal");
        // Kept options show at once; a refusal leaves the hint alone.
        if (!retargeted)
            QCOMPARE(view.buttonHint(7), refused ? QString() : hint);
        QString target = script;
        if (retargeted) {
            target = dir.write(QStringLiteral("other/run me.sh"), "#!/bin/sh\n");
            file.write(QStringLiteral("BUTTON"), QStringLiteral("7"), target);
        }

        testsupport::RecordingOpener opener;
        Selection selection;
        QObject strip;
        testsupport::RecordingLaunchEffects effects;
        ButtonLauncher launcher(&strip, file, opener, selection, effects);
        launcher.launch(7);
        QCOMPARE(opener.opened, QStringList{target});
        QCOMPARE(opener.starts.size(), 1);
        QTEST(opener.starts[0].arguments, "arguments");
        QCOMPARE(opener.starts[0].workingDir, folder);
        QTEST(opener.starts[0].terminal, "terminal");
        QCOMPARE(buttontexts::loaded(file, 7, target, QStringLiteral("run me.sh")), hint);
    }
};

TABDECK_TEST(LaunchOptionsTest)
#include "LaunchOptionsTest.moc"
