#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/AtomicFile.h"
#include "core/ControlFile.h"
#include "viewer/PicturePlacement.h"
#include "viewer/PictureViewer.h"
#include "viewer/RecentList.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

// The rules the viewer applies without its window: where a picture is drawn
// and how the recent list's file reads and writes.
class ViewerRulesTest : public QObject {
    Q_OBJECT
private slots:
    void placement_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QString>("options"); // letters: C enter, P roportional, S tretch
        QTest::addColumn<QRect>("drawn");
        const QSize a(600, 400);
        QTest::newRow("none, small") << a << QSize(100, 50) << "" << QRect(0, 0, 100, 50);
        QTest::newRow("none, large is cut off")
            << a << QSize(800, 600) << "" << QRect(0, 0, 800, 600);
        QTest::newRow("stretch distorts") << a << QSize(100, 50) << "S" << QRect(0, 0, 600, 400);
        QTest::newRow("stretch, tall") << a << QSize(50, 900) << "S" << QRect(0, 0, 600, 400);
        QTest::newRow("proportional, small keeps size")
            << a << QSize(100, 50) << "P" << QRect(0, 0, 100, 50);
        QTest::newRow("proportional, one side too large")
            << a << QSize(620, 100) << "P" << QRect(0, 0, 600, 96);
        QTest::newRow("proportional, wide fits width")
            << a << QSize(1200, 400) << "P" << QRect(0, 0, 600, 200);
        QTest::newRow("proportional, wide then height")
            << a << QSize(900, 800) << "P" << QRect(0, 0, 450, 400);
        QTest::newRow("proportional, tall") << a << QSize(300, 900) << "P" << QRect(0, 0, 133, 400);
        QTest::newRow("proportional, square then width")
            << QSize(300, 400) << QSize(1000, 1000) << "P" << QRect(0, 0, 300, 300);
        QTest::newRow("proportional truncates")
            << QSize(333, 333) << QSize(1000, 700) << "P" << QRect(0, 0, 333, 233);
        QTest::newRow("stretch and proportional, small grows")
            << a << QSize(100, 50) << "SP" << QRect(0, 0, 600, 300);
        QTest::newRow("stretch and proportional, empty picture")
            << a << QSize(0, 0) << "SP" << QRect(0, 0, 600, 400);
        QTest::newRow("center, small") << a << QSize(100, 50) << "C" << QRect(250, 175, 100, 50);
        QTest::newRow("center, odd remainder")
            << a << QSize(101, 51) << "C" << QRect(249, 174, 101, 51);
        QTest::newRow("center, larger: negative offsets")
            << a << QSize(800, 600) << "C" << QRect(-100, -100, 800, 600);
        QTest::newRow("center, negative truncates toward zero")
            << a << QSize(801, 603) << "C" << QRect(-100, -101, 801, 603);
        QTest::newRow("center and proportional")
            << a << QSize(900, 800) << "CP" << QRect(75, 0, 450, 400);
        QTest::newRow("center and stretch") << a << QSize(10, 10) << "CS" << QRect(0, 0, 600, 400);
    }
    void placement() {
        QFETCH(QSize, area);
        QFETCH(QSize, picture);
        QFETCH(QString, options);
        QFETCH(QRect, drawn);
        DisplayOptions o;
        o.center = options.contains(u'C');
        o.proportional = options.contains(u'P');
        o.stretch = options.contains(u'S');
        // The other three options never move the picture.
        o.autoSize = o.incDisplay = o.transparent = true;
        QCOMPARE(placePicture(area, picture, o), drawn);
    }

    // The list file as read, as shown, and as rewritten after a change (an
    // entry appended, then the first removed): every line keeps its bytes,
    // UTF-8 or not, NUL included; only line ends become CR LF.
    void listFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::newRow("empty file") << QByteArray() << QStringList() << QByteArray();
        QTest::newRow("CR LF") << QByteArray("/a.bmp\r\n/b.jpg\r\n")
                               << QStringList{"/a.bmp", "/b.jpg"}
                               << QByteArray("/a.bmp\r\n/b.jpg\r\n");
        QTest::newRow("LF, last line unended")
            << QByteArray("/a\n/b") << QStringList{"/a", "/b"} << QByteArray("/a\r\n/b\r\n");
        QTest::newRow("CR") << QByteArray("/a\r/b\r") << QStringList{"/a", "/b"}
                            << QByteArray("/a\r\n/b\r\n");
        QTest::newRow("empty lines are entries")
            << QByteArray("/a\r\n\r\n\n/b\r\r\n") << QStringList{"/a", "", "", "/b", ""}
            << QByteArray("/a\r\n\r\n\r\n/b\r\n\r\n");
        QTest::newRow("only a line break")
            << QByteArray("\r\n") << QStringList{""} << QByteArray("\r\n");
        QTest::newRow("UTF-8 and blanks kept")
            << QByteArray("/m\xc3\xbc ller/ Bild.jpg \r\n")
            << QStringList{QString::fromUtf8("/m\xc3\xbc ller/ Bild.jpg ")}
            << QByteArray("/m\xc3\xbc ller/ Bild.jpg \r\n");
        const QByteArray latin1("/bad\xff\xfe.jpg");
        QTest::newRow("no UTF-8") << latin1 + "\r\n/b\r\n"
                                  << QStringList{QString::fromUtf8(latin1), "/b"}
                                  << latin1 + "\r\n/b\r\n";
        const QByteArray cut("/cut\xe2\x82.jpg"), overlong("/\xc0\xaf.jpg"),
            surrogate("/\xed\xa0\x80.jpg"), nul("/a\0b.jpg", 8);
        QTest::newRow("cut sequence, overlong form, surrogate, NUL")
            << cut + "\n" + overlong + "\n" + surrogate + "\r" + nul
            << QStringList{QString::fromUtf8(cut), QString::fromUtf8(overlong),
                           QString::fromUtf8(surrogate), QString::fromUtf8(nul)}
            << cut + "\r\n" + overlong + "\r\n" + surrogate + "\r\n" + nul + "\r\n";
    }
    void listFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, rewritten);
        testsupport::TempDir dir;
        RecentList list(dir.write(QStringLiteral("PicFile.lst"), bytes));
        list.load();
        QCOMPARE(list.entries(), entries);
        const auto fileBytes = [&] {
            QFile f(list.path());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
        };
        list.append(QStringLiteral("/n\u00e4.jpg"));
        const QByteArray appended = rewritten + "/n\xc3\xa4.jpg\r\n";
        QCOMPARE(fileBytes(), appended);
        list.removeAt(0);
        QCOMPARE(fileBytes(), appended.mid(appended.indexOf("\r\n") + 2));
        QCOMPARE(list.entries().size(), entries.size());
    }

    // The list file is written on a worker while the first write waits long
    // for the disk; whatever follows it (another open, Save As, a removal,
    // the viewer going), the UI thread goes on, the writes never overlap
    // and the file ends with the newest list. A failed older write is told
    // once and the newer one still lands.
    void listWritesInOrder_data() {
        QTest::addColumn<QStringList>("steps"); // after opening a.bmp, while its write runs
        QTest::addColumn<bool>("firstFails");
        QTest::addColumn<QStringList>("newest"); // the file's entries at the end
        const QString a = "a.bmp", b = "b.bmp";
        QTest::newRow("open") << QStringList{"open"} << false << QStringList{a, b};
        QTest::newRow("save as") << QStringList{"save"} << false << QStringList{a, "s.bmp"};
        QTest::newRow("remove") << QStringList{"remove"} << false << QStringList{};
        QTest::newRow("viewer goes") << QStringList{"close"} << false << QStringList{a};
        QTest::newRow("open, viewer goes")
            << QStringList{"open", "close"} << false << QStringList{a, b};
        QTest::newRow("older write fails") << QStringList{"open"} << true << QStringList{a, b};
    }
    void listWritesInOrder() {
        QFETCH(QStringList, steps);
        QFETCH(bool, firstFails);
        QFETCH(QStringList, newest);
        testsupport::TempDir dir;
        ControlFile file(dir.file(QStringLiteral("TabdeckV10.INI")));
        testsupport::ScriptedPrompts prompts;
        const QString list = dir.file(QStringLiteral("PicFile.lst"));
        // Shared with the writer, which may outlive a failed check.
        struct Writes {
            std::atomic<int> started{0};
            std::atomic<int> running{0};
            std::atomic<int> overlapped{0};
        };
        const auto w = std::make_shared<Writes>();
        auto v = std::make_unique<PictureViewer>(
            file, prompts, nullptr, list, nullptr,
            [w, firstFails](const QString& path, const QByteArray& bytes) {
                const int n = ++w->started;
                w->overlapped += ++w->running > 1 ? 1 : 0;
                if (n == 1)
                    QThread::msleep(800);
                const bool ok = !(n == 1 && firstFails) && atomicfile::replace(path, bytes);
                --w->running;
                return ok;
            });
        const auto picture = [&](const QString& name) {
            QImage image(6, 4, QImage::Format_RGB32);
            image.fill(Qt::red);
            Picture::fromImage(image).save(dir.file(name));
            return dir.file(name);
        };
        QElapsedTimer gap;
        qint64 longest = 0;
        int ticks = 0;
        QTimer tick;
        tick.setInterval(1);
        connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, gap.restart());
            ++ticks;
        });
        gap.start();
        tick.start();

        v->openFile(picture("a.bmp"));
        QTRY_COMPARE_WITH_TIMEOUT(w->started.load(), 1, 5000);
        if (firstFails)
            prompts.expectBox();
        for (const QString& step : steps) {
            if (step == "open") {
                v->openFile(picture("b.bmp"));
                QTRY_COMPARE_WITH_TIMEOUT(v->currentFile(), dir.file("b.bmp"), 5000);
            } else if (step == "save") {
                prompts.expectFile(dir.file("s.bmp")).expectBox();
                v->saveAs();
            } else if (step == "remove") {
                prompts.expectBox(Prompts::Yes);
                v->removeEntry(0);
            } else {
                v.reset();
            }
        }
        QByteArray expected;
        for (const QString& name : newest)
            expected += (dir.file(name) + "\r\n").toUtf8();
        const auto fileBytes = [&] {
            QFile f(list);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
        };
        QTRY_COMPARE_WITH_TIMEOUT(fileBytes(), expected, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(w->running.load(), 0, 5000);
        QCOMPARE(w->overlapped.load(), 0);
        const int seen = ticks; // a tick after the last step measures its gap
        QTRY_VERIFY_WITH_TIMEOUT(ticks > seen, 5000);
        QVERIFY2(longest < 300, qPrintable(QString::number(longest)));
        const auto told = [&] {
            int n = 0;
            for (const Prompts::Box& box : prompts.boxes())
                n += box.text.startsWith("Cannot create file") ? 1 : 0;
            return n;
        };
        QTRY_COMPARE_WITH_TIMEOUT(told(), firstFails ? 1 : 0, 5000);
        QVERIFY(prompts.allUsed());
    }
};

TABDECK_TEST(ViewerRulesTest)
#include "ViewerRulesTest.moc"
