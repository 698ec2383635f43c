#include "RecordingLaunchEffects.h"
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "strip/ButtonLauncher.h"
#include "strip/Selection.h"

#include <QObject>
#include <QTest>

using testsupport::RecordingOpener;
using testsupport::TempDir;

namespace {
struct Fixture {
    TempDir dir;
    ControlFile file{dir.file("TabdeckV10.INI")};
    RecordingOpener opener;
    Selection selection;
    QObject strip;
    testsupport::RecordingLaunchEffects effects;
    ButtonLauncher launcher{&strip, file, opener, selection, effects};
};
} // namespace

class LaunchTest : public QObject {
    Q_OBJECT
private slots:
    void launch_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("hideMode");
        QTest::addColumn<QString>("opened"); // empty: nothing opened
        QTest::addColumn<int>("hides");
        QTest::addColumn<int>("closes");
        const QString long255 = QStringLiteral("/") + QString(254, QLatin1Char('a'));
        QTest::newRow("no entry") << "" << true << "" << 0 << 0;
        QTest::newRow("1 char") << "/" << true << "" << 0 << 0;
        QTest::newRow("2 chars") << "/a" << false << "" << 0 << 0;
        QTest::newRow("3 chars hide") << "/m/" << true << "/m/" << 1 << 0;
        QTest::newRow("3 chars close") << "/m/" << false << "/m/" << 0 << 1;
        QTest::newRow("255 chars") << long255 << true << long255 << 1 << 0;
        QTest::newRow("300 chars cut to 255")
            << long255 + QString(45, QLatin1Char('b')) << false << long255 << 0 << 1;
        // Passed as stored: no quoting, no splitting at blanks.
        QTest::newRow("blanks and args")
            << "/opt/my app -x \"y\"" << true << "/opt/my app -x \"y\"" << 1 << 0;
        QTest::newRow("address") << "mailto:a@b.c" << false << "mailto:a@b.c" << 0 << 1;
        QTest::newRow("missing target still hides")
            << "/nonexistent/file.txt" << true << "/nonexistent/file.txt" << 1 << 0;
    }
    void launch() {
        QFETCH(QString, entry);
        QFETCH(bool, hideMode);
        QFETCH(QString, opened);
        QFETCH(int, hides);
        QFETCH(int, closes);
        Fixture f;
        f.file.write("BUTTON", "37", entry);
        f.selection.select(12);
        f.effects.hideMode = hideMode;
        f.launcher.launch(37);
        QCOMPARE(f.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(f.effects.hides, hides);
        QCOMPARE(f.effects.closes, closes);
        QCOMPARE(f.selection.button(), 0);
    }

    void readsTheEntryAtThePress() {
        Fixture f;
        f.effects.hideMode = true;
        f.file.write("BUTTON", "5", "/first");
        f.file.write("BUTTON", "5", "/second");
        f.launcher.launch(5);
        QCOMPARE(f.opener.opened, QStringList{"/second"});
    }

    // The strip hides or closes only once the desktop has taken the target;
    // a refusal is said once, with the desktop's reason, and the strip stays.
    void outcome_data() {
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("deferred");
        QTest::addColumn<bool>("hideMode");
        QTest::addColumn<int>("hides");
        QTest::addColumn<int>("closes");
        const QString none = "no application is set to open it";
        QTest::newRow("opened at once: hides") << "" << false << true << 1 << 0;
        QTest::newRow("opened at once: closes") << "" << false << false << 0 << 1;
        QTest::newRow("opened later: hides then") << "" << true << true << 1 << 0;
        QTest::newRow("opened later: closes then") << "" << true << false << 0 << 1;
        QTest::newRow("refused at once") << none << false << true << 0 << 0;
        QTest::newRow("refused later, hide mode off") << none << true << false << 0 << 0;
    }
    void outcome() {
        QFETCH(QString, refusal);
        QFETCH(bool, deferred);
        QFETCH(bool, hideMode);
        QFETCH(int, hides);
        QFETCH(int, closes);
        Fixture f;
        f.file.write("BUTTON", "20", "/home/u/doc.zzz");
        f.selection.select(20);
        f.effects.hideMode = hideMode;
        f.opener.refusal = refusal;
        f.opener.deferred = deferred;
        f.launcher.launch(20);
        QCOMPARE(f.selection.button(), 0);
        if (deferred) {
            // Nothing happens to the strip before the answer.
            QCOMPARE(f.effects.hides + f.effects.closes + int(f.effects.notices.size()), 0);
            f.opener.answer();
        }
        QCOMPARE(f.effects.hides, hides);
        QCOMPARE(f.effects.closes, closes);
        const QStringList notices{"Cannot open /home/u/doc.zzz: " + refusal + "."};
        QCOMPARE(f.effects.notices, refusal.isEmpty() ? QStringList() : notices);
        QCOMPARE(f.opener.opened, QStringList{"/home/u/doc.zzz"});
    }

    void failureStillDeselects() {
        Fixture f;
        f.file.write("BUTTON", "9", "/bin/true");
        f.selection.select(9);
        f.opener.fail = true;
        QVERIFY_THROWS_EXCEPTION(AppError, f.launcher.launch(9));
        QCOMPARE(f.selection.button(), 0);
        QCOMPARE(f.effects.hides + f.effects.closes, 0);
    }
};

TABDECK_TEST(LaunchTest)
#include "LaunchTest.moc"
