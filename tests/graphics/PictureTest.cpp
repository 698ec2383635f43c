#include "graphics/Picture.h"
#include "BrokenJpeg.h"
#include "FixtureBytes.h"
#include "ImageCompare.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "graphics/PictureClipboard.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFuture>
#include <QPainter>
#include <QTest>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace fixturebytes;
using namespace imagecompare;
using testsupport::TempDir;

namespace {

QString loadError(const QString& path, bool deferred = false) {
    try {
        if (deferred)
            Picture::loadDeferred(path);
        else
            Picture::load(path);
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

// The middle 34 x 34 pixels of a picture drawn at its natural size.
QImage centreOf(const Picture& picture) {
    QImage out(34, 34, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    picture.draw(p,
                 QRectF((34 - picture.width()) / 2.0, (34 - picture.height()) / 2.0,
                        picture.width(), picture.height()),
                 true);
    return out;
}

} // namespace

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    // The extension, in any letter case, chooses the format.
    void kindByExtension_data() {
        QTest::addColumn<QString>("fixtureName");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        QTest::newRow("bmp") << "rgb24.bmp"
                             << "a.bmp" << int(Picture::Kind::Bitmap) << QSize(37, 29);
        QTest::newRow("BMP") << "rgb24.bmp"
                             << "a.BMP" << int(Picture::Kind::Bitmap) << QSize(37, 29);
        QTest::newRow("ico") << "multi.ico"
                             << "a.Ico" << int(Picture::Kind::Icon) << QSize(32, 32);
        QTest::newRow("jpg") << "baseline.jpg"
                             << "a.jpg" << int(Picture::Kind::Jpeg) << QSize(64, 48);
        QTest::newRow("JPEG") << "progressive.jpg"
                              << "a.JPEG" << int(Picture::Kind::Jpeg) << QSize(64, 48);
        QTest::newRow("jpeg") << "grey.jpg"
                              << "some.name.jpeg" << int(Picture::Kind::Jpeg) << QSize(64, 48);
    }
    void kindByExtension() {
        QFETCH(QString, fixtureName);
        QFETCH(QString, saveAs);
        QFETCH(int, kind);
        QFETCH(QSize, size);
        TempDir dir;
        const QString path = dir.write(saveAs, readFixture(fixtureName));
        const Picture picture = Picture::load(path);
        QCOMPARE(int(picture.kind()), kind);
        QCOMPARE(picture.size(), size);
    }

    void loadErrors_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // %1 is the path
        QTest::newRow("missing file") << "" << QByteArray() << "Cannot open file %1";
        QTest::newRow("unknown extension")
            << "a.gif" << QByteArray("x") << "Unknown picture file extension (.gif)";
        QTest::newRow("extension case kept")
            << "a.GiF" << QByteArray("x") << "Unknown picture file extension (.GiF)";
        QTest::newRow("no extension")
            << "plain" << QByteArray("x") << "Unknown picture file extension (.)";
        QTest::newRow("bad bitmap") << "a.bmp" << QByteArray("BMxx") << "Bitmap image is not valid";
        QTest::newRow("bad png") << "a.png" << QByteArray("\x89PNG\r\n\x1a\nxx")
                                 << "PNG image is not valid";
        QTest::newRow("bad svg") << "a.svg" << QByteArray("<svg") << "SVG image is not valid";
        QTest::newRow("bad icon") << "a.ico" << QByteArray(6, '\0') << "Icon image is not valid";
        QTest::newRow("bad metafile") << "a.emf" << QByteArray(100, 'x') << "Metafile is not valid";
        QTest::newRow("bad wmf") << "a.wmf" << QByteArray(3, 'x') << "Metafile is not valid";
        // libjpeg's message code for a file without a start-of-image marker.
        QTest::newRow("bad jpeg") << "a.jpg" << QByteArray("not a jpeg at all") << "JPEG error #53";
        QTest::newRow("empty jpeg") << "a.jpg" << QByteArray() << "JPEG error #42";
    }
    // A deferred load fails the same way: only a JPEG's pixels wait.
    void loadErrors() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        TempDir dir;
        const QString path = name.isEmpty() ? dir.file("missing.bmp") : dir.write(name, bytes);
        const QString expected = error.contains("%1") ? error.arg(path) : error;
        QCOMPARE(loadError(path), expected);
        QCOMPARE(loadError(path, true), expected);
    }

    void unknownExtensionFailsBeforeOpening() {
        QCOMPARE(loadError("/nonexistent/x.gif"),
                 QStringLiteral("Unknown picture file extension (.gif)"));
    }

    void folderCannotBeOpened() {
        TempDir dir;
        const QString path = dir.file("folder.bmp");
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(loadError(path), "Cannot open file " + path);
    }

    // Nothing but a regular file within the cap is read: a FIFO would block
    // the open for good, /dev/zero and a sparse gigabyte would fill memory.
    void nonRegularOrHugeRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("link to /dev/zero") << "zero";
        QTest::newRow("sparse 1 GB bitmap") << "sparse";
    }
    void nonRegularOrHugeRefused() {
        QFETCH(QString, kind);
        TempDir dir;
        const QString path = dir.file("p.bmp");
        const QByteArray name = QFile::encodeName(path);
        if (kind == "fifo")
            QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        else if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        else
            QVERIFY(::truncate(QFile::encodeName(dir.write("p.bmp", "BM")).constData(),
                               qint64(1) << 30) == 0);
        struct rusage before {
        }, after{};
        ::getrusage(RUSAGE_SELF, &before);
        QElapsedTimer clock;
        clock.start();
        // A file too large is fine in itself: the message says which limit refused it.
        const QString expected =
            "Cannot open file " + path +
            (kind == "sparse" ? ": the file is larger than 64 MB, the most the program reads" : "");
        QCOMPARE(loadError(path), expected);
        QCOMPARE(loadError(path, true), expected);
        ::getrusage(RUSAGE_SELF, &after);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 16 * 1024,
                 qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss) + " KB"));
    }

    void renderMatchesWriter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("bitmap") << "pal8.bmp"
                                << "pal8.bmp.png" << 0;
        QTest::newRow("icon") << "depth8.ico"
                              << "ico-depth8_1_32x32x8.png" << 0;
        QTest::newRow("jpeg") << "baseline.jpg"
                              << "baseline.jpg.png" << 3;
    }
    void renderMatchesWriter() {
        QFETCH(QString, name);
        QFETCH(QString, reference);
        QFETCH(int, tolerance);
        const Picture picture = Picture::load(fixture(name));
        const QImage expected(fixture(reference));
        const QImage rendered = picture.render(expected.size());
        QCOMPARE(landmarkMismatch(rendered, expected, tolerance), QString());
    }

    // A bitmap drawn transparently leaves out the colour of its bottom-left
    // pixel; icons keep their own transparency whatever the option.
    void transparentOption() {
        const Picture bitmap = Picture::load(fixture("rgb24.bmp"));
        const QImage plain = bitmap.render(bitmap.size(), false);
        const QImage keyed = bitmap.render(bitmap.size(), true);
        QCOMPARE(qAlpha(plain.pixel(0, 28)), 255);
        QCOMPARE(qAlpha(keyed.pixel(0, 28)), 0); // the blue quadrant is the key
        QCOMPARE(qAlpha(keyed.pixel(5, 20)), 0); // same colour elsewhere goes too
        QCOMPARE(keyed.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(keyed.pixel(36, 28), qRgb(255, 255, 0));

        const Picture icon = Picture::load(fixture("depth24.ico"));
        const QImage a = icon.render(icon.size(), false);
        const QImage b = icon.render(icon.size(), true);
        QCOMPARE(maxDistance(a, b), 0);
        QCOMPARE(qAlpha(a.pixel(0, 0)), 0); // masked quadrant
        QCOMPARE(qAlpha(a.pixel(31, 31)), 255);
    }

    void drawScalesIntoTarget() {
        const Picture picture = Picture::load(fixture("rgb24.bmp"));
        QImage canvas(100, 100, QImage::Format_ARGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        picture.draw(painter, QRectF(10, 20, 74, 58));
        painter.end();
        QCOMPARE(canvas.pixel(5, 5), qRgb(0, 0, 0));
        QCOMPARE(canvas.pixel(11, 21), qRgb(255, 0, 0));
        QCOMPARE(canvas.pixel(82, 76), qRgb(255, 255, 0));
        QCOMPARE(canvas.pixel(85, 80), qRgb(0, 0, 0));
    }

    // The button picture: every kind renders at 34 x 34.
    void buttonSize_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("bitmap") << "rgb24.bmp";
        QTest::newRow("icon") << "multi.ico";
        QTest::newRow("jpeg") << "progressive.jpg";
    }
    void buttonSize() {
        QFETCH(QString, name);
        const Picture picture = Picture::load(fixture(name), QSize(34, 34));
        const QImage image = picture.render(QSize(34, 34));
        QCOMPARE(image.size(), QSize(34, 34));
        QVERIFY(qAlpha(image.pixel(33, 33)) > 0);
    }

    // Saving writes the picture's own format whatever the name says.
    void saveOwnFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("sameBytes");
        QTest::newRow("jpeg bytes unchanged") << "progressive.jpg"
                                              << "out.bmp" << true;
        QTest::newRow("icon bytes unchanged") << "multi.ico"
                                              << "out.jpg" << true;
        QTest::newRow("bitmap rewritten") << "pal8.bmp"
                                          << "out.ico" << false;
    }
    void saveOwnFormat() {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(bool, sameBytes);
        TempDir dir;
        const Picture picture = Picture::load(fixture(name));
        const QString path = dir.file(target);
        picture.save(path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        if (sameBytes) {
            QCOMPARE(written, readFixture(name));
        } else {
            QVERIFY(written.startsWith("BM"));
            // Read back under a bitmap name: the same pixels.
            const QString copy = dir.write("copy.bmp", written);
            QCOMPARE(maxDistance(Picture::load(copy).image(), picture.image()), 0);
        }
    }

    void saveIconMadeInMemory() {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(qRgb(255, 0, 0));
        TempDir dir;
        Picture::fromIcon(image).save(dir.file("x.ico"));
        QCOMPARE(QFileInfo(dir.file("x.ico")).size(), 766);
    }

    void saveFailure() {
        const Picture picture = Picture::load(fixture("rgb24.bmp"));
        const QString path = "/nonexistent/folder/out.bmp";
        try {
            picture.save(path);
            QFAIL("saved into a missing folder");
        } catch (const AppError& e) {
            QCOMPARE(e.text(), "Cannot create file " + path);
        }
        TempDir dir;
        try {
            picture.save(dir.path());
            QFAIL("saved over a folder");
        } catch (const AppError& e) {
            QCOMPARE(e.text(), "Cannot create file " + dir.path());
        }
    }

    void emptyPictureWritesNoFile() {
        TempDir dir;
        Picture().save(dir.file("none.bmp"));
        QVERIFY(!QFile::exists(dir.file("none.bmp")));
    }

    // Only a bitmap converts to a bitmap; a JPEG converts when decoded.
    void toBitmap_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("decodedError");
        QTest::newRow("bitmap") << "rgb24.bmp"
                                << ""
                                << "";
        QTest::newRow("icon") << "multi.ico"
                              << "Cannot assign a Icon to a Bitmap"
                              << "Cannot assign a Icon to a Bitmap";
        QTest::newRow("jpeg") << "baseline.jpg"
                              << "Cannot assign a JpegImage to a Bitmap"
                              << "";
        QTest::newRow("empty") << ""
                               << "Cannot assign a Picture to a Bitmap"
                               << "Cannot assign a Picture to a Bitmap";
    }
    void toBitmap() {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QFETCH(QString, decodedError);
        const Picture picture = name.isEmpty() ? Picture() : Picture::load(fixture(name));
        auto attempt = [&](auto convert) {
            try {
                const Picture bitmap = convert();
                if (bitmap.kind() != Picture::Kind::Bitmap || bitmap.size() != picture.size())
                    return QStringLiteral("wrong result");
                return QString();
            } catch (const AppError& e) {
                return e.text();
            }
        };
        QCOMPARE(attempt([&] { return picture.toBitmap(); }), error);
        QCOMPARE(attempt([&] { return picture.decodedToBitmap(); }), decodedError);
    }

    // A JPEG loaded for a button is decoded small, yet keeps its size, its
    // bytes and its full-size decode.
    void jpegSizeHint() {
        TempDir dir;
        const Picture small = Picture::load(fixture("progressive.jpg"), QSize(8, 6));
        QCOMPARE(small.size(), QSize(64, 48));
        QCOMPARE(small.render(QSize(8, 6)).size(), QSize(8, 6));
        QCOMPARE(small.image().size(), QSize(64, 48));
        small.save(dir.file("copy.jpg"));
        QFile f(dir.file("copy.jpg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), readFixture("progressive.jpg"));
        const Picture full = Picture::load(fixture("progressive.jpg"));
        QCOMPARE(maxDistance(small.decodedToBitmap().image(), full.image()), 0);
    }

    // A deferred JPEG reads only its headers at load; its pixels come on the
    // first draw and are those of an ordinary load. Other kinds load as usual.
    void deferredLoad_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("baseline jpeg") << "baseline.jpg" << int(Picture::Kind::Jpeg);
        QTest::newRow("progressive jpeg") << "progressive.jpg" << int(Picture::Kind::Jpeg);
        QTest::newRow("cmyk jpeg") << "cmyk.jpg" << int(Picture::Kind::Jpeg);
        QTest::newRow("bitmap") << "pal8.bmp" << int(Picture::Kind::Bitmap);
        QTest::newRow("icon") << "multi.ico" << int(Picture::Kind::Icon);
    }
    void deferredLoad() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        TempDir dir;
        const Picture eager = Picture::load(fixture(name));
        const Picture deferred = Picture::loadDeferred(fixture(name));
        QCOMPARE(int(deferred.kind()), kind);
        QCOMPARE(deferred.size(), eager.size());
        QVERIFY(deferred.decodes());
        // Drawn as a button shows it (the middle at natural size) and whole.
        QCOMPARE(maxDistance(centreOf(deferred), centreOf(eager)), 0);
        QCOMPARE(maxDistance(deferred.image(), eager.image()), 0);
        deferred.save(dir.file("copy"));
        QFile saved(dir.file("copy"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QFile original(fixture(name));
        QVERIFY(original.open(QIODevice::ReadOnly));
        if (kind != int(Picture::Kind::Bitmap))
            QCOMPARE(saved.readAll(), original.readAll());
    }

    // Headers that pass but pixels that fail: the deferred picture loads,
    // draws nothing, says it does not decode and raises the decoder's error
    // wherever the pixels themselves are asked for, every time.
    void deferredBrokenJpeg() {
        TempDir dir;
        const QString path = dir.write("broken.jpg", testsupport::undecodableJpeg());
        const QString error = loadError(path);
        QVERIFY2(error.startsWith("JPEG error #"), qPrintable(error));

        const Picture deferred = Picture::loadDeferred(path);
        QCOMPARE(deferred.kind(), Picture::Kind::Jpeg);
        QCOMPARE(deferred.size(), Picture::load(fixture("baseline.jpg")).size());
        QVERIFY(!deferred.decodes());
        QVERIFY(!deferred.decodes());
        const QImage drawn = deferred.render(QSize(34, 34));
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                QCOMPARE(qAlpha(drawn.pixel(x, y)), 0);
        for (int i = 0; i < 2; ++i) {
            try {
                deferred.image();
                QFAIL("image() of a broken deferred JPEG succeeded");
            } catch (const AppError& e) {
                QCOMPARE(e.text(), error);
            }
        }
    }

    void loadIncrementally_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("severalSteps");
        QTest::newRow("progressive jpeg") << "progressive.jpg" << true;
        QTest::newRow("baseline jpeg") << "baseline.jpg" << false; // 48 rows: one band
        QTest::newRow("bitmap") << "rgb24.bmp" << false;
    }
    void loadIncrementally() {
        QFETCH(QString, name);
        QFETCH(bool, severalSteps);
        int steps = 0;
        QImage last;
        const Picture picture = Picture::loadIncrementally(fixture(name), [&](const QImage& i) {
            ++steps;
            last = i.copy();
        });
        QCOMPARE(steps > 1, severalSteps);
        QVERIFY(steps >= 1);
        QCOMPARE(maxDistance(last, picture.image()), 0);
        QCOMPARE(maxDistance(picture.image(), Picture::load(fixture(name)).image()), 0);
    }

    void newPictureReplacesOld() {
        Picture picture = Picture::load(fixture("rgb24.bmp"));
        const Picture copy = picture;
        picture = Picture::load(fixture("baseline.jpg"));
        QCOMPARE(picture.kind(), Picture::Kind::Jpeg);
        QCOMPARE(copy.kind(), Picture::Kind::Bitmap); // copies are values
        picture = Picture();
        QVERIFY(picture.isEmpty());
    }

    void emptyIconIsEmptyPicture() { QVERIFY(Picture::fromIcon(QImage()).isEmpty()); }

    void clipboardForms_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("image");
        QTest::addColumn<QString>("error");
        QTest::newRow("bitmap") << "rgb24.bmp" << true << "";
        QTest::newRow("jpeg") << "baseline.jpg" << true << "";
        QTest::newRow("icon") << "multi.ico" << false << "Clipboard does not support Icons";
        QTest::newRow("empty") << "" << false << "";
    }
    void clipboardForms() {
        QFETCH(QString, name);
        QFETCH(bool, image);
        QFETCH(QString, error);
        const Picture picture = name.isEmpty() ? Picture() : Picture::load(fixture(name));
        try {
            const auto data = pictureclipboard::mimeData(picture);
            QVERIFY(error.isEmpty());
            QCOMPARE(data->hasImage(), image);
            if (image) {
                // Other programs may ask for several types at once, while the
                // image is still being made: each gets its own bytes.
                const auto* offered =
                    dynamic_cast<const pictureclipboard::PictureData*>(data.get());
                QVERIFY(offered);
                QList<QFuture<QByteArray>> asked;
                for (const char* type : {"image/bmp", "image/jpeg", "image/png"})
                    asked.append(offered->bytesInBackground(QLatin1String(type)).value());
                for (QFuture<QByteArray>& bytes : asked) {
                    QTRY_VERIFY_WITH_TIMEOUT(bytes.isFinished(), 10000);
                    QVERIFY(!bytes.isCanceled() && bytes.resultCount() == 1);
                    QCOMPARE(QImage::fromData(bytes.result()).size(), picture.size());
                }
                const QImage put = qvariant_cast<QImage>(data->imageData());
                QCOMPARE(put.size(), picture.size());
                const Picture pasted = pictureclipboard::fromMimeData(data.get());
                QCOMPARE(pasted.kind(), Picture::Kind::Bitmap);
                QCOMPARE(maxDistance(pasted.image(), picture.image()), 0);
            }
        } catch (const AppError& e) {
            QCOMPARE(e.text(), error);
        }
    }

    // A metafile keeps its own bytes for saving and the clipboard, and does
    // not convert to a bitmap. The file is the smallest enhanced metafile:
    // its header record and the end-of-file record.
    void metafileKind() {
        QByteArray emf;
        auto put32 = [&](quint32 v) {
            for (int i = 0; i < 4; ++i)
                emf.append(char((v >> (8 * i)) & 0xFF));
        };
        put32(1);                            // header record
        put32(108);                          // its size
        for (quint32 v : {0u, 0u, 99u, 99u}) // bounds, device units
            put32(v);
        for (quint32 v : {0u, 0u, 2645u, 2645u}) // frame, 0.01 mm: 100 px at 96 dpi
            put32(v);
        put32(0x464D4520); // " EMF"
        put32(0x10000);
        put32(108 + 20);       // file size
        put32(2);              // records
        put32(1 | (0u << 16)); // handles, reserved
        put32(0);              // description length
        put32(0);              // description offset
        put32(0);              // palette entries
        put32(1024);
        put32(768); // device pixels
        put32(320);
        put32(240); // device millimetres
        while (emf.size() < 108)
            emf.append('\0');
        put32(14); // end of file
        put32(20);
        put32(0);
        put32(16);
        put32(20);

        TempDir dir;
        const Picture picture = Picture::load(dir.write("clip.EMF", emf));
        QCOMPARE(picture.kind(), Picture::Kind::Metafile);
        QVERIFY(picture.width() > 0 && picture.height() > 0);
        picture.save(dir.file("again.bmp"));
        QFile f(dir.file("again.bmp"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), emf);
        const auto data = pictureclipboard::mimeData(picture);
        QVERIFY(data->hasImage());
        QCOMPARE(data->data(pictureclipboard::kEnhancedMetafileMime), emf);
        try {
            picture.toBitmap();
            QFAIL("a metafile converted to a bitmap");
        } catch (const AppError& e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot assign a Metafile to a Bitmap"));
        }
    }

    void pasteWithoutImage() {
        QMimeData text;
        text.setText("hello");
        QVERIFY(pictureclipboard::fromMimeData(&text).isEmpty());
        QVERIFY(pictureclipboard::fromMimeData(nullptr).isEmpty());
    }
};

TABDECK_TEST(PictureTest)
#include "PictureTest.moc"
