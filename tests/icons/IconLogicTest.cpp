#include "IconsSupport.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "graphics/IconWriter.h"
#include "icons/IconBrowser.h"
#include "icons/IconFileNames.h"
#include "icons/IconSaver.h"
#include "icons/SaveAllFlow.h"
#include "platform/IconReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// The rules of the extractor that need no window: the names Save All gives,
// how the track bar follows a new file, Save All.
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

    // Save All from the button to its end, without a window, on real files:
    // the folder it needs, the question, the save as a Job with progress per
    // file, a failure told once, a cancel, and the retry after a failure.
    void saveAllFlow_data() {
        QTest::addColumn<QString>("folder"); // "", "selected", "made", "missing"
        QTest::addColumn<int>("answer");     // to "Save All Icons?"; -1: not asked
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault"); // "", "blocked": a folder where file 03 goes; "cancel"
        QTest::addColumn<int>("written");   // icon files at the end; -1: some, not all
        QTest::addColumn<QString>("failure"); // the one message, relative to the folder
        using S = SaveAllFlow::Start;
        QTest::newRow("no folder") << "" << -1 << int(S::NeedFolder) << ""
                                   << "" << 0 << "";
        QTest::newRow("declined") << "selected" << int(Prompts::No) << int(S::Declined) << ""
                                  << "" << 0 << "";
        QTest::newRow("selected folder")
            << "selected" << int(Prompts::Yes) << int(S::Started) << "pe32.exe"
            << "" << 7 << "";
        QTest::newRow("made folder") << "made" << int(Prompts::Yes) << int(S::Started) << "pe32.exe"
                                     << "" << 7 << "";
        QTest::newRow("200 icons")
            << "selected" << int(Prompts::Yes) << int(S::Started) << "big.dll"
            << "" << 200 << "";
        QTest::newRow("folder gone")
            << "missing" << int(Prompts::Yes) << int(S::Started) << "pe32.exe"
            << "" << 0 << "/pe32_00.ICO";
        QTest::newRow("fourth file blocked")
            << "selected" << int(Prompts::Yes) << int(S::Started) << "pe32.exe"
            << "blocked" << 3 << "/pe32_03.ICO";
        QTest::newRow("cancelled")
            << "selected" << int(Prompts::Yes) << int(S::Started) << "big.dll"
            << "cancel" << -1 << "";
    }
    void saveAllFlow() {
        QFETCH(QString, folder);
        QFETCH(int, answer);
        QFETCH(int, start);
        QFETCH(QString, file);
        QFETCH(QString, fault);
        QFETCH(int, written);
        QFETCH(QString, failure);
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
        if (fault == "blocked")
            QVERIFY(QDir().mkpath(target + "/pe32_03.ICO"));
        const QString source = iconstest::fixture(file);
        const int count = iconreader::iconCount(source);
        QList<int> progress;
        QStringList ends;
        connect(&flow, &SaveAllFlow::progress, this, [&](int p) { progress << p; });
        connect(&flow, &SaveAllFlow::finished, this, [&](int n, const QImage& last) {
            ends << QString("finished %1").arg(n) << (last.isNull() ? "no icon" : "icon");
        });
        connect(&flow, &SaveAllFlow::failed, this,
                [&](const QString& m) { ends << "failed " + m; });
        if (!failure.isEmpty())
            c.prompts.expectBox();
        flow.save(source, count);
        QVERIFY(flow.saving()); // returned before the work is done
        if (fault == "cancel")
            flow.cancel();
        QTRY_VERIFY_WITH_TIMEOUT(!flow.saving(), 20000);
        QTest::qWait(10); // an answer still posted would arrive now
        const QStringList files = QDir(target).entryList(QDir::Files, QDir::Name);
        if (written >= 0)
            QCOMPARE(files.size(), written);
        else
            QVERIFY2(files.size() > 0 && files.size() < count, qPrintable(files.join(' ')));
        // Every file there is whole: the bytes of its icon, no temporary left.
        const QString stem = iconfilenames::stem(source);
        for (int i = 0; i < count; ++i) {
            const QString name = QFileInfo(iconfilenames::iconFilePath(target, stem, i)).fileName();
            if (!files.contains(name))
                continue;
            QFile f(target + "/" + name);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.size(), iconwriter::write16(*iconreader::icon(source, i)).size());
        }
        if (fault == "cancel") {
            QCOMPARE(ends, QStringList()); // nothing after a cancel
            return;
        }
        if (!failure.isEmpty()) {
            const QString message = "Cannot create file " + target + failure;
            QCOMPARE(ends, QStringList{"failed " + message});
            QCOMPARE(c.prompts.lastBox().text, message + ".");
            QCOMPARE(c.prompts.lastBox().icon, Prompts::Icon::Error);
            QTRY_VERIFY_WITH_TIMEOUT(c.scriptAnswered(), 5000);
        } else {
            QCOMPARE(ends, (QStringList{QString("finished %1").arg(written), "icon"}));
            QCOMPARE(progress.last(), 100);
        }
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY2(
                progress[i] >= progress[i - 1],
                qPrintable(QString::number(progress[i - 1]) + " " + QString::number(progress[i])));
        if (fault == "blocked") {
            // The retry once the way is clear writes them all.
            QVERIFY(QDir(target + "/pe32_03.ICO").removeRecursively());
            ends.clear();
            flow.save(source, count);
            QTRY_VERIFY_WITH_TIMEOUT(!flow.saving(), 20000);
            QCOMPARE(ends, (QStringList{"finished 7", "icon"}));
            QCOMPARE(QDir(target).entryList(QDir::Files).size(), 7);
        }
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
