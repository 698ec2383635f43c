#include "TestRegistry.h"
#include "icons/IconBrowser.h"
#include "icons/IconFileNames.h"
#include "icons/ProgressAnimation.h"

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
};

TABDECK_TEST(IconLogicTest)
#include "IconLogicTest.moc"
