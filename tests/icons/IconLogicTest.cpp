#include "IconsSupport.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "icons/IconBrowser.h"
#include "icons/IconFileNames.h"
#include "icons/IconSaver.h"
#include "icons/ProgressAnimation.h"
#include "icons/SaveAllFlow.h"
#include "platform/IconReader.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The rules of the extractor that need no window: the names Save All gives,
// how the track bar follows a new file, the progress show.
class IconLogicTest : public QObject {
    Q_OBJECT

private slots:
    void savedNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("icon 7") << "/opt/app.exe" << 7 << "/f/app_07.ICO";
        QTest::newRow("icon 12") << "/opt/app.exe" << 12 << "/f/app_12.ICO";
        QTest::newRow("icon 0") << "/x/shell32.dll" << 0 << "/f/shell32_00.ICO";
        QTest::newRow("icon 100") << "/x/shell32.dll" << 100 << "/f/shell32_100.ICO";
        // Only the last extension goes, however long it is.
        QTest::newRow("long extension") << "/a/firefox.desktop" << 3 << "/f/firefox_03.ICO";
        QTest::newRow("two extensions") << "/a/tool.ocx.bak" << 1 << "/f/tool.ocx_01.ICO";
        QTest::newRow("no extension") << "/usr/bin/wine" << 2 << "/f/wine_02.ICO";
        QTest::newRow("leading dot") << "/a/.hidden" << 0 << "/f/.hidden_00.ICO";
        QTest::newRow("dot in folder") << "/a.b/c" << 0 << "/f/c_00.ICO";
        QTest::newRow("short name") << "/a/x.dll" << 5 << "/f/x_05.ICO";
    }
    void savedNames() {
        QFETCH(QString, path);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(
            iconfilenames::iconFilePath(QStringLiteral("/f"), iconfilenames::stem(path), index),
            expected);
    }

    // The bar after a second file: the range follows a file with icons, the
    // position stays or is moved to the new last icon; a file without icons
    // leaves the range.
    void barAfterNewFile_data() {
        QTest::addColumn<int>("firstCount");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("secondCount");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("newPosition");
        QTest::addColumn<QString>("last");
        QTest::newRow("fewer icons") << 200 << 150 << 8 << 7 << 7 << "7";
        QTest::newRow("more icons") << 8 << 5 << 200 << 199 << 5 << "199";
        QTest::newRow("at the new last") << 200 << 7 << 8 << 7 << 7 << "7";
        QTest::newRow("one icon") << 200 << 150 << 1 << 0 << 0 << "0";
        QTest::newRow("no icons") << 8 << 5 << 0 << 7 << 5 << "-1";
    }
    void barAfterNewFile() {
        QFETCH(int, firstCount);
        QFETCH(int, position);
        QFETCH(int, secondCount);
        IconBrowser b;
        b.setCount(firstCount);
        b.setPosition(position);
        b.setCount(secondCount);
        QTEST(b.maximum(), "maximum");
        QTEST(b.position(), "newPosition");
        QTEST(b.lastText(), "last");
    }

    void barEnds() {
        IconBrowser b;
        b.setCount(3);
        QVERIFY(!b.previous());
        QVERIFY(b.next() && b.next());
        QVERIFY(!b.next());
        QCOMPARE(b.position(), 2);
        QVERIFY(b.previous());
        QCOMPARE(b.position(), 1);
        QVERIFY(b.first());
        QVERIFY(!b.first());
    }

    void progressShow() {
        ProgressAnimation a;
        int value = 0;
        for (int t = 1; t <= 10; ++t) {
            const auto f = a.tick(value);
            QVERIFY(!f.done);
            value = f.value;
            QCOMPARE(value, 10 * t);
        }
        const auto last = a.tick(value);
        QVERIFY(last.done);
        QCOMPARE(last.value, 100);
        QCOMPARE(a.ticks(), 0);
    }

    // Save All from the button to the done text, without a window: the
    // folder it needs, the question, the save, the show, Close.
    void saveAllFlow_data() {
        QTest::addColumn<QString>("folder"); // "", "selected", "made", "missing"
        QTest::addColumn<int>("answer");     // to "Save All Icons?"; -1: not asked
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("written"); // icon files; -1: the save fails
        using S = SaveAllFlow::Start;
        QTest::newRow("no folder") << "" << -1 << int(S::NeedFolder) << 0;
        QTest::newRow("declined") << "selected" << int(Prompts::No) << int(S::Declined) << 0;
        QTest::newRow("selected folder") << "selected" << int(Prompts::Yes) << int(S::Started) << 7;
        QTest::newRow("made folder") << "made" << int(Prompts::Yes) << int(S::Started) << 7;
        QTest::newRow("folder gone") << "missing" << int(Prompts::Yes) << int(S::Started) << -1;
    }
    void saveAllFlow() {
        QFETCH(QString, folder);
        QFETCH(int, answer);
        QFETCH(int, start);
        QFETCH(int, written);
        iconstest::Context c;
        SaveAllFlow flow(c.prompts, nullptr);
        QString target = c.dir.path();
        if (folder == "selected") {
            c.prompts.expectBox();
            flow.useSelected(target);
        } else if (folder == "made") {
            c.prompts.expectBox();
            QCOMPARE(flow.createFolder(target, "made").outcome, iconfolders::Created::Made);
            target += "/made";
        } else if (folder == "missing") {
            c.prompts.expectBox();
            target += "/gone";
            flow.useSelected(target);
        }
        QCOMPARE(flow.folder(), folder.isEmpty() ? QString() : target);
        if (answer >= 0)
            c.prompts.expectBox(Prompts::Button(answer));
        else
            c.prompts.expectBox(); // the notice to choose a folder
        QCOMPARE(int(flow.start()), start);
        QVERIFY(c.scriptAnswered());
        if (start != int(SaveAllFlow::Start::Started))
            return;
        const QString source = iconstest::fixture("pe32.exe");
        int seen = 0;
        const auto save = [&] {
            flow.save(source, iconreader::iconCount(source), [&](const QImage&) { ++seen; });
        };
        if (written < 0) {
            QVERIFY_THROWS_EXCEPTION(AppError, save());
        } else {
            save();
            QCOMPARE(seen, written);
        }
        QCOMPARE(QDir(target).entryList(QDir::Files).size(), qMax(written, 0));
        // The show: ten steps and the done text, never after a failure.
        int value = 0;
        int ticks = 0;
        for (bool done = false; !done && ticks < 20; ++ticks) {
            const ProgressAnimation::Frame f = flow.tick(value);
            value = f.value;
            done = f.done;
        }
        QCOMPARE(ticks, written < 0 ? 20 : 11);
        QCOMPARE(value, written < 0 ? 0 : 100);
        flow.close();
        QVERIFY(flow.folder().isEmpty());
    }

    // A batch file replaces the old one whole: a reader of the old file keeps
    // reading it, never a file cut off half-way.
    void batchFileReplacedWhole() {
        iconstest::Context c;
        const QString path = c.dir.write("app_00.ICO", QByteArray(766, 'o'));
        QFile reader(path);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        iconsaver::saveInBatch(icon, path);
        QCOMPARE(reader.readAll(), QByteArray(766, 'o'));
        QFile now(path);
        QVERIFY(now.open(QIODevice::ReadOnly));
        QCOMPARE(now.readAll().left(4), QByteArray("\0\0\1\0", 4)); // an icon file now
    }
};

TABDECK_TEST(IconLogicTest)
#include "IconLogicTest.moc"
