#include "BmpFile.h"
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
using teststrip::writeBmp;

namespace {

// The colour at the centre of a button's shown picture, or an invalid colour.
QColor centre(TForm1& form, int n) {
    const QImage& img = form.buttonPicture(n)->image();
    if (img.isNull())
        return QColor();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

struct Loaded {
    Strip strip;
    explicit Loaded(const QByteArray& ini) : strip(ini) {
        // No executable's icon is read from the disk.
        strip.form->tableLoader().setIconSource(
            [](const QString&, int) { return std::optional<QImage>(); });
        strip.form->show();
    }
    TForm1& form() { return *strip.form; }
};

} // namespace

// Loading on the real strip: pictures rendered when their button is first
// shown, a table chosen while loading, hostile picture files, and closing
// while the threads wait. What each kind of target loads is TableLoadTest's.
class TableLoadOnStripTest : public QObject {
    Q_OBJECT
private slots:
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

TABDECK_TEST(TableLoadOnStripTest)
#include "TableLoadOnStripTest.moc"
