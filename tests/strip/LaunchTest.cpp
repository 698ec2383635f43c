#include "strip/Launch.h"
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
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
    bool hideMode = false;
    int hides = 0;
    int closes = 0;
    Launcher launcher{
        &strip, file, opener, selection,
        Launcher::Actions{
            [this] { return hideMode; }, [this] { ++hides; }, [this] { ++closes; }, {}, {}}};
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
        f.hideMode = hideMode;
        f.launcher.launch(37);
        QCOMPARE(f.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(f.hides, hides);
        QCOMPARE(f.closes, closes);
        QCOMPARE(f.selection.button(), 0);
    }

    void readsTheEntryAtThePress() {
        Fixture f;
        f.hideMode = true;
        f.file.write("BUTTON", "5", "/first");
        f.file.write("BUTTON", "5", "/second");
        f.launcher.launch(5);
        QCOMPARE(f.opener.opened, QStringList{"/second"});
    }

    void failureStillDeselects() {
        Fixture f;
        f.file.write("BUTTON", "9", "/bin/true");
        f.selection.select(9);
        f.opener.fail = true;
        QVERIFY_THROWS_EXCEPTION(AppError, f.launcher.launch(9));
        QCOMPARE(f.selection.button(), 0);
        QCOMPARE(f.hides + f.closes, 0);
    }
};

TABDECK_TEST(LaunchTest)
#include "LaunchTest.moc"
