#include "BrokenJpeg.h"
#include "StartupFixture.h"
#include "TestRegistry.h"
#include "core/ButtonSlots.h"
#include "graphics/Picture.h"
#include "strip/TableLoader.h"
#include "strip/window/ButtonImage.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QImage>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using startuptest::Strip;

namespace {

QString writeBmp(testsupport::TempDir& dir, const QString& name, QColor colour) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(colour);
    // Bitmaps are drawn transparent: their bottom-left pixel's colour is left out.
    img.setPixelColor(0, 15, QColor(255, 255, 255));
    const QString path = dir.file(name);
    img.save(path, "BMP");
    return path;
}

// The colour at the centre of a button's shown picture, or an invalid colour.
QColor centre(TForm1& form, int n) {
    const QImage& img = form.buttonPicture(n)->image();
    if (img.isNull())
        return QColor();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

struct Loaded {
    Strip strip;
    QStringList iconCalls;
    explicit Loaded(const QByteArray& ini) : strip(ini) {
        strip.form->tableLoader().setIconSource([this](const QString& path, int index) {
            iconCalls << QStringLiteral("%1#%2").arg(path).arg(index);
            std::optional<QImage> out;
            if (!path.contains(QLatin1String("noicon"))) {
                QImage img(32, 32, QImage::Format_ARGB32);
                img.fill(QColor(0, 0, 255));
                out = img;
            }
            return out;
        });
        strip.form->show();
    }
    TForm1& form() { return *strip.form; }
};

} // namespace

// Loading all buttons at start: the nine threads, their hand-over to the
// main thread, and the picture and hint of each kind of target.
class TableLoadTest : public QObject {
    Q_OBJECT
private slots:
    void threadsShareTheGroups() {
        QList<int> all;
        const QList<QPair<int, int>> ranges{{1, 36},    {37, 72},   {73, 126},
                                            {127, 162}, {163, 198}, {199, 234},
                                            {235, 270}, {271, 306}, {307, 360}};
        for (int t = 1; t <= TableLoader::ThreadCount; ++t) {
            const QList<int> groups = TableLoader::groupsOf(t);
            all += groups;
            QCOMPARE(18 * (groups.first() - 1) + 1, ranges[t - 1].first);
            QCOMPARE(18 * groups.last(), ranges[t - 1].second);
        }
        QList<int> expected;
        for (int k = 1; k <= 20; ++k)
            expected << k;
        QCOMPARE(all, expected);
    }

    void mixedTargets() {
        testsupport::TempDir pics;
        const QString red = writeBmp(pics, "red.bmp", QColor(255, 0, 0));
        const QString green = writeBmp(pics, "green.bmp", QColor(0, 255, 0));
        const QString redUpper = writeBmp(pics, "RED2.BMP", QColor(255, 0, 0));
        const QByteArray ini = "[BUTTON]\n"
                               "1=/opt/tools/TOOL.EXE\n"
                               "2=/m/\n"
                               "3=/home/u/notes.txt\n"
                               "4=/usr/share/applications/app.desktop\n"
                               "5=/opt/noicon/gone.exe\n"
                               "6=ab\n"
                               "7=/home/u/pic.doc\n"
                               "8=/home/u/upper.txt\n"
                               "37=/home/u/a.txt\n"
                               "38=/home/u/b.txt\n"
                               "72=https://example.org/x\n"
                               "360=/srv/last.txt\n"
                               "[ICON]\n"
                               "1=" +
                               red.toUtf8() +
                               "\n"
                               "2=" +
                               red.toUtf8() +
                               "\n"
                               "3=\n"
                               "6=" +
                               green.toUtf8() +
                               "\n"
                               "7=" +
                               pics.file("pic.gif").toUtf8() +
                               "\n"
                               "8=" +
                               redUpper.toUtf8() +
                               "\n"
                               "37=" +
                               pics.file("missing.bmp").toUtf8() +
                               "\n"
                               "38=" +
                               green.toUtf8() +
                               "\n"
                               "72=" +
                               red.toUtf8() +
                               "\n"
                               "360=" +
                               green.toUtf8() + "\n";
        Loaded l(ini);
        QTRY_VERIFY(l.form().tableLoader().finished());

        // ".EXE" in capitals: the executable's icon, whatever ICON holds.
        QCOMPARE(centre(l.form(), 1), QColor(0, 0, 255));
        QCOMPARE(l.form().buttonHint(1), QStringLiteral("TOOL.EXE"));
        QVERIFY(l.iconCalls.contains(QStringLiteral("/opt/tools/TOOL.EXE#0")));
        // A 3-character root: its picture and the whole path as hint.
        QCOMPARE(centre(l.form(), 2), QColor(255, 0, 0));
        QCOMPARE(l.form().buttonHint(2), QStringLiteral("/m/"));
        // No ICON: looks empty.
        QVERIFY(!l.form().buttonPicture(3)->hasPicture());
        QCOMPARE(l.form().buttonHint(3), buttonslots::emptyButtonHint());
        // A desktop entry counts as executable.
        QCOMPARE(centre(l.form(), 4), QColor(0, 0, 255));
        QCOMPARE(l.form().buttonHint(4), QStringLiteral("app.desktop"));
        // An executable without an icon: no picture, its name as hint.
        QVERIFY(!l.form().buttonPicture(5)->hasPicture());
        QCOMPARE(l.form().buttonHint(5), QStringLiteral("gone.exe"));
        // Two characters are enough for loading.
        QCOMPARE(centre(l.form(), 6), QColor(0, 255, 0));
        QCOMPARE(l.form().buttonHint(6), QStringLiteral("ab"));
        // A picture of no known format: only its own button is affected.
        QVERIFY(!l.form().buttonPicture(7)->hasPicture());
        QCOMPARE(l.form().buttonHint(7), QStringLiteral("pic.doc"));
        QCOMPARE(centre(l.form(), 8), QColor(255, 0, 0));
        // A missing picture on 37: that button has no picture and its target's
        // hint; 38 and the rest of the range still load.
        QVERIFY(!l.form().buttonPicture(37)->hasPicture());
        QCOMPARE(l.form().buttonHint(37), QStringLiteral("a.txt"));
        QCOMPARE(centre(l.form(), 38), QColor(0, 255, 0));
        QCOMPARE(l.form().buttonHint(38), QStringLiteral("b.txt"));
        QCOMPARE(centre(l.form(), 72), QColor(255, 0, 0));
        QCOMPARE(l.form().buttonHint(72), QStringLiteral("//example.org/x"));
        QCOMPARE(centre(l.form(), 360), QColor(0, 255, 0));
        // Empty entries: the empty-button hint, no picture.
        QCOMPARE(l.form().buttonHint(100), buttonslots::emptyButtonHint());
        QVERIFY(!l.form().buttonPicture(100)->hasPicture());
        // Only executables asked for icons, with index 0.
        QCOMPARE(l.iconCalls.size(), 3);
        QVERIFY(l.strip.prompts.shown().isEmpty());
    }

    // JPEGs and metafiles are rendered when their button is first needed;
    // they then show what an ordinary load shows. Broken JPEG data, found
    // only then, leaves that button without a picture and with its target's
    // hint, as any unreadable picture does.
    void picturesRenderedWhenNeeded() {
        testsupport::TempDir pics;
        const QString jpeg = QStringLiteral(TABDECK_TEST_DATA "/graphics/baseline.jpg");
        const QString emf = QStringLiteral(TABDECK_TEST_DATA "/metafile/shapes.emf");
        const QString broken = pics.write("broken.jpg", testsupport::undecodableJpeg());
        const QByteArray ini = "[BUTTON]\n1=/x/one.txt\n40=/x/forty.txt\n41=/x/broken.txt\n"
                               "42=/x/shapes.txt\n43=/x/after.txt\n[ICON]\n1=" +
                               jpeg.toUtf8() + "\n40=" + jpeg.toUtf8() + "\n41=" + broken.toUtf8() +
                               "\n42=" + emf.toUtf8() + "\n43=" + jpeg.toUtf8() + "\n";
        Loaded l(ini);
        QTRY_VERIFY(l.form().tableLoader().finished());
        const qreal dpr = l.form().buttonPicture(1)->devicePixelRatioF();
        const QImage jpegShown =
            ButtonImage::renderCentred(Picture::load(jpeg), QSize(34, 34), dpr);
        for (int n : {1, 40, 43})
            QCOMPARE(l.form().buttonPicture(n)->image(), jpegShown);
        QCOMPARE(l.form().buttonHint(40), QStringLiteral("forty.txt"));
        QCOMPARE(l.form().buttonPicture(42)->image(),
                 ButtonImage::renderCentred(Picture::load(emf), QSize(34, 34), dpr));
        QVERIFY(!l.form().buttonPicture(41)->hasPicture());
        QCOMPARE(l.form().buttonHint(41), QStringLiteral("broken.txt"));
        QCOMPARE(l.form().buttonHint(43), QStringLiteral("after.txt"));
        // Showing the table paints the rest without a message.
        l.form().showTable(4);
        QVERIFY(QTest::qWaitForWindowExposed(&l.form()));
        QVERIFY(l.strip.prompts.shown().isEmpty());
    }

    void pictureCentredAtNaturalSize() {
        testsupport::TempDir pics;
        QImage img(10, 10, QImage::Format_RGB32);
        img.fill(QColor(255, 0, 0));
        img.setPixelColor(0, 9, QColor(255, 255, 255)); // the transparent colour
        img.save(pics.file("small.bmp"), "BMP");
        Loaded l("[BUTTON]\n1=/x/doc.txt\n[ICON]\n1=" + pics.file("small.bmp").toUtf8() + "\n");
        QTRY_VERIFY(l.form().tableLoader().finished());
        const QImage& shown = l.form().buttonPicture(1)->image();
        const qreal dpr = shown.devicePixelRatio();
        QCOMPARE(shown.width(), qRound(34 * dpr));
        // 10 x 10 in the middle of 34 x 34: 12 pixels free on each side.
        QCOMPARE(shown.pixelColor(int(17 * dpr), int(17 * dpr)), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(int(5 * dpr), int(17 * dpr)).alpha(), 0);
        QCOMPARE(shown.pixelColor(int(12.5 * dpr), int(17 * dpr)), QColor(255, 0, 0));
        QCOMPARE(shown.pixelColor(int(11.5 * dpr), int(17 * dpr)).alpha(), 0);
    }

    void nothingBeforeTheLoopRuns() {
        Loaded l("[BUTTON]\n1=/opt/a.exe\n");
        // The show steps have returned; the jobs wait for the event loop.
        QCOMPARE(l.form().tableLoader().jobsDone(), 0);
        QVERIFY(!l.form().buttonPicture(1)->hasPicture());
        QTRY_VERIFY(l.form().tableLoader().finished());
        QVERIFY(l.form().buttonPicture(1)->hasPicture());
    }

    void ninethreadsOneJobEach() {
        Loaded l("");
        QList<int> turnsAtJob;
        int turns = 0;
        QTimer spin;
        spin.setInterval(0);
        connect(&spin, &QTimer::timeout, this, [&] { ++turns; });
        spin.start();
        connect(&l.form().tableLoader(), &TableLoader::jobDone, this,
                [&](int) { turnsAtJob << turns; });
        QTRY_VERIFY(l.form().tableLoader().finished());
        QStringList names = l.form().tableLoader().jobThreads();
        QCOMPARE(names.size(), 9);
        names.sort();
        QStringList expected;
        for (int t = 1; t <= 9; ++t)
            expected << QStringLiteral("TInfo%1").arg(t);
        QCOMPARE(names, expected);
        // The event loop ran between every two jobs.
        QCOMPARE(turnsAtJob.size(), 9);
        for (int i = 1; i < turnsAtJob.size(); ++i)
            QVERIFY2(turnsAtJob[i] > turnsAtJob[i - 1], qPrintable(QString::number(i)));
    }

    void tableChosenWhileLoading() {
        testsupport::TempDir pics;
        const QString red = writeBmp(pics, "red.bmp", QColor(255, 0, 0));
        Loaded l("[BUTTON]\n350=/x/doc.txt\n[ICON]\n350=" + red.toUtf8() + "\n");
        l.form().showTable(30);
        QVERIFY(l.form().table(30)->isVisibleTo(&l.form()));
        QVERIFY(!l.form().buttonPicture(350)->hasPicture());
        QTRY_VERIFY(l.form().tableLoader().finished());
        QCOMPARE(centre(l.form(), 350), QColor(255, 0, 0));
    }

    // A FIFO, a link to /dev/zero and a sparse gigabyte as pictures: loading
    // finishes at once, each costs only its own button, and the door still
    // closes the strip.
    void hostilePictures() {
        testsupport::TempDir pics;
        const QString red = writeBmp(pics, "red.bmp", QColor(255, 0, 0));
        const QString fifo = pics.file("fifo.bmp");
        QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString zero = pics.file("zero.bmp");
        QVERIFY(QFile::link("/dev/zero", zero));
        const QString sparse = pics.write("sparse.bmp", "BM");
        QVERIFY(::truncate(QFile::encodeName(sparse).constData(), qint64(1) << 30) == 0);
        QByteArray ini = "[BUTTON]\n";
        for (int n = 1; n <= 4; ++n)
            ini += QByteArray::number(n) + "=/home/u/doc" + QByteArray::number(n) + ".txt\n";
        ini += "[ICON]\n1=" + fifo.toUtf8() + "\n2=" + zero.toUtf8() + "\n3=" + sparse.toUtf8() +
               "\n4=" + red.toUtf8() + "\n";
        QElapsedTimer clock;
        clock.start();
        Loaded l(ini);
        QTRY_VERIFY_WITH_TIMEOUT(l.form().tableLoader().finished(), 5000);
        QVERIFY(clock.elapsed() < 3000);
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(!l.form().buttonPicture(n)->hasPicture());
            QCOMPARE(l.form().buttonHint(n), QStringLiteral("doc%1.txt").arg(n));
        }
        QCOMPARE(centre(l.form(), 4), QColor(255, 0, 0));
        QSignalSpy closed(&l.form(), &TForm1::closed);
        QTest::mouseClick(l.form().imageExit(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 2000);
    }

    void closingWhileThreadsWait() {
        // Destroying the strip before the loop ran must neither hang nor crash.
        auto l = std::make_unique<Loaded>("");
        QCOMPARE(l->form().tableLoader().jobsDone(), 0);
        QElapsedTimer clock;
        clock.start();
        l.reset();
        QVERIFY(clock.elapsed() < 5000);
    }
};

TABDECK_TEST(TableLoadTest)
#include "TableLoadTest.moc"
