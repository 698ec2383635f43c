#include "FixtureBytes.h"
#include "ImageCompare.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "dib/IcoFile.h"
#include "graphics/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QTest>
#include <QtEndian>

using namespace fixturebytes;
using namespace imagecompare;

namespace {

QString errorOf(const QByteArray& bytes) {
    try {
        icofile::read(bytes);
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

const QString kInvalid = QStringLiteral("Icon image is not valid");

// A one-image icon file around a DIB of 2 x 2 pixels at 32 bits: pixels
// (bottom row first) and the mask rows (bottom first, 1 = transparent).
QByteArray icon32(const QList<quint32>& pixels, quint8 maskBottom, quint8 maskTop) {
    QByteArray dib;
    put32(dib, 40);
    put32(dib, 2);
    put32(dib, 4);
    put16(dib, 1);
    put16(dib, 32);
    for (int i = 0; i < 6; ++i)
        put32(dib, 0);
    for (quint32 p : pixels)
        put32(dib, p);
    dib.append(char(maskBottom));
    dib.append(QByteArray(3, '\0'));
    dib.append(char(maskTop));
    dib.append(QByteArray(3, '\0'));
    QByteArray file;
    put16(file, 0);
    put16(file, 1);
    put16(file, 1);
    file.append(char(2));
    file.append(char(2));
    file.append(QByteArray(2, '\0'));
    put16(file, 1);
    put16(file, 32);
    put32(file, quint32(dib.size()));
    put32(file, 22);
    return file + dib;
}

} // namespace

class IcoReaderTest : public QObject {
    Q_OBJECT
private slots:
    // icotool's files against icotool's own extraction of each image.
    // Tolerance 0: the pixels are stored, not compressed lossily.
    void depths_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bitCount");
        for (int b : {1, 4, 8, 24, 32})
            QTest::addRow("%d bits", b) << QStringLiteral("depth%1").arg(b) << b;
    }
    void depths() {
        QFETCH(QString, name);
        QFETCH(int, bitCount);
        const QList<iconimage::Image> images = icofile::read(readFixture(name + ".ico"));
        QCOMPARE(images.size(), 1);
        QCOMPARE(images[0].bitCount, bitCount);
        const QImage expected(
            fixture(QStringLiteral("ico-%1_1_32x32x%2.png").arg(name).arg(bitCount)));
        QVERIFY(!expected.isNull());
        QCOMPARE(landmarkMismatch(images[0].image, expected, 0), QString());
        QCOMPARE(maxDistance(images[0].image, expected), 0);
        // The AND mask made the top-left quadrant transparent at every depth.
        QCOMPARE(qAlpha(images[0].image.pixel(3, 3)), 0);
        QCOMPARE(qAlpha(images[0].image.pixel(28, 28)), 255);
    }

    void everyImageOfTheFile() {
        const QList<iconimage::Image> images = icofile::read(readFixture("multi.ico"));
        QCOMPARE(images.size(), 4);
        const QList<int> sizes = {16, 32, 48, 256};
        for (int i = 0; i < 4; ++i) {
            const int s = sizes[i];
            QCOMPARE(images[i].image.size(), QSize(s, s));
            QCOMPARE(images[i].png, s == 256);
            const QImage expected(
                fixture(QStringLiteral("ico-multi_%1_%2x%2x32.png").arg(i + 1).arg(s)));
            QVERIFY2(maxDistance(images[i].image, expected) == 0,
                     qPrintable(QString::number(i) + ": " +
                                landmarkMismatch(images[i].image, expected, 0)));
        }
    }

    void imageChoice_data() {
        QTest::addColumn<QSize>("target");
        QTest::addColumn<int>("size");
        QTest::newRow("button 34") << QSize(34, 34) << 48;
        QTest::newRow("exactly 32") << QSize(32, 32) << 32;
        QTest::newRow("small") << QSize(10, 12) << 16;
        QTest::newRow("larger than all") << QSize(300, 300) << 256;
        QTest::newRow("wide") << QSize(100, 20) << 256;
    }
    void imageChoice() {
        QFETCH(QSize, target);
        QFETCH(int, size);
        const QList<iconimage::Image> images = icofile::read(readFixture("multi.ico"));
        QCOMPARE(images[icofile::bestIndexFor(images, target)].image.width(), size);
        QCOMPARE(images[icofile::largeIconIndex(images)].image.width(), 32);
    }

    // At 32 bits a real alpha channel rules, as the platform draws such
    // icons; a file whose alpha is all zero is drawn by its mask alone.
    void maskAt32Bits_data() {
        QTest::addColumn<QList<quint32>>("pixels");
        QTest::addColumn<quint8>("maskBottom");
        QTest::addColumn<QList<int>>("alphas"); // (0,1) (1,1) (0,0) (1,0)
        QTest::newRow("opaque alpha wins over the mask")
            << QList<quint32>{0xFF112233, 0xFF112233, 0xFF445566, 0xFF445566} << quint8(0x80)
            << QList<int>{255, 255, 255, 255};
        QTest::newRow("zero alpha means mask only")
            << QList<quint32>{0x00112233, 0x00112233, 0x00445566, 0x00445566} << quint8(0x40)
            << QList<int>{255, 0, 255, 255};
        QTest::newRow("soft alpha kept where the mask is set")
            << QList<quint32>{0x80112233, 0xFF112233, 0x10445566, 0xFF445566} << quint8(0x80)
            << QList<int>{128, 255, 16, 255};
    }
    void maskAt32Bits() {
        QFETCH(QList<quint32>, pixels);
        QFETCH(quint8, maskBottom);
        QFETCH(QList<int>, alphas);
        const QImage image = icofile::read(icon32(pixels, maskBottom, 0))[0].image;
        QCOMPARE(qAlpha(image.pixel(0, 1)), alphas[0]);
        QCOMPARE(qAlpha(image.pixel(1, 1)), alphas[1]);
        QCOMPARE(qAlpha(image.pixel(0, 0)), alphas[2]);
        QCOMPARE(qAlpha(image.pixel(1, 0)), alphas[3]);
    }

    // Icons as the common writers make them, each image against the writer's
    // own decoding (the imaging library's for its files and for PNGs); the
    // picture shows the large-icon image.
    void wildIcons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected"); // per image, in file order
        QTest::addColumn<int>("large");
        const QStringList pil = {"-16.png", "-32.png", "-48.png"};
        QTest::newRow("imaging library, 32 bits, no mask") << "wild-pil.ico" << pil << 1;
        QTest::newRow("imaging library, 24 bits")
            << "wild-pil24.ico" << QStringList{"-16.png", "-32.png"} << 1;
        QTest::newRow("ImageMagick")
            << "wild-magick.ico" << QStringList{"-0.png", "-1.png", "-2.png"} << 1;
        QTest::newRow("PNG renamed") << "wild-favicon.ico" << QStringList{".png"} << 0;
        QTest::newRow("PNG of 194 x 313") << "wild-tall.ico" << QStringList{".png"} << 0;
    }
    void wildIcons() {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        QFETCH(int, large);
        const QList<iconimage::Image> images = icofile::read(readFixture(name));
        QCOMPARE(images.size(), expected.size());
        for (int i = 0; i < images.size(); ++i) {
            const QImage want(fixture(name + expected[i]));
            QVERIFY2(maxDistance(images[i].image, want) == 0,
                     qPrintable(expected[i] + ": " + landmarkMismatch(images[i].image, want, 0)));
        }
        QCOMPARE(icofile::largeIconIndex(images), large);
        const Picture picture = Picture::load(fixture(name));
        QCOMPARE(picture.kind(), Picture::Kind::Icon);
        QCOMPARE(maxDistance(picture.image(), QImage(fixture(name + expected[large]))), 0);
    }

    // The directory's size ends before the mask: at 32 bits alpha decides, as
    // without it; at other depths the mask is the transparency and a cut one
    // is refused.
    void maskLeftOut_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("maskBytesKept");
        QTest::addColumn<bool>("valid");
        for (int b : {1, 4, 8, 24})
            QTest::addRow("%d bits", b) << b << 0 << false;
        QTest::newRow("4 bits, half a mask") << 4 << 64 << false;
        QTest::newRow("32 bits") << 32 << 0 << true;
        QTest::newRow("32 bits, half a mask") << 32 << 64 << true;
    }
    void maskLeftOut() {
        QFETCH(int, bits);
        QFETCH(int, maskBytesKept);
        QFETCH(bool, valid);
        const QString name = QStringLiteral("depth%1").arg(bits);
        QByteArray bytes = readFixture(name + ".ico");
        const int cut = 32 * 4 - maskBytesKept; // the mask of 32 rows ends the file
        qToLittleEndian<quint32>(qFromLittleEndian<quint32>(bytes.constData() + 14) - cut,
                                 bytes.data() + 14);
        bytes.chop(cut);
        if (!valid) {
            QCOMPARE(errorOf(bytes), kInvalid);
            return;
        }
        const QImage expected(fixture(QStringLiteral("ico-%1_1_32x32x%2.png").arg(name).arg(bits)));
        QCOMPARE(maxDistance(icofile::read(bytes)[0].image, expected), 0);
    }

    void everyCutIsAnError_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("4 bits") << "depth4.ico";
        QTest::newRow("1 bit") << "depth1.ico";
        QTest::newRow("32 bits") << "depth32.ico";
        QTest::newRow("several with PNG") << "multi.ico";
        QTest::newRow("imaging library, no mask") << "wild-pil.ico";
        QTest::newRow("PNG renamed") << "wild-favicon.ico";
    }
    void everyCutIsAnError() {
        QFETCH(QString, name);
        const QByteArray bytes = readFixture(name);
        for (qsizetype n = 0; n < bytes.size(); ++n)
            QVERIFY2(errorOf(bytes.left(n)) == kInvalid, qPrintable(QString::number(n)));
    }

    void hostile_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = readFixture("depth4.ico");
        QByteArray b = good;
        qToLittleEndian<quint16>(40, b.data() + 4);
        QTest::newRow("count larger than the directory") << b;
        b = good;
        qToLittleEndian<quint16>(2, b.data() + 4);
        QTest::newRow("count one too many") << b;
        b = good;
        qToLittleEndian<quint16>(0, b.data() + 4);
        QTest::newRow("count zero") << b;
        b = good;
        qToLittleEndian<quint16>(2, b.data() + 2);
        QTest::newRow("cursor type") << b;
        b = good;
        qToLittleEndian<quint32>(0xFFFFFFF0u, b.data() + 18);
        QTest::newRow("offset past the end") << b;
        b = good;
        qToLittleEndian<quint32>(4, b.data() + 18);
        QTest::newRow("offset inside the directory") << b;
        b = good;
        qToLittleEndian<quint32>(0x7FFFFFFFu, b.data() + 14);
        QTest::newRow("length past the end") << b;
        b = good;
        qToLittleEndian<quint32>(65535, b.data() + 22 + 4);
        qToLittleEndian<quint32>(2 * 65535, b.data() + 22 + 8);
        QTest::newRow("65535 x 65535 DIB") << b;
        b = good;
        qToLittleEndian<quint32>(33, b.data() + 22 + 8);
        QTest::newRow("odd DIB height") << b;
        b = good;
        qToLittleEndian<quint32>(1000, b.data() + 22 + 32);
        QTest::newRow("1000 colours") << b;
        b = good;
        qToLittleEndian<quint32>(2, b.data() + 22 + 16);
        QTest::newRow("RLE in an icon") << b;
        // A PNG image whose header claims 65535 x 65535.
        QImage small(2, 2, QImage::Format_ARGB32);
        small.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        small.save(&buffer, "PNG");
        qToBigEndian<quint32>(65535, png.data() + 16);
        qToBigEndian<quint32>(65535, png.data() + 20);
        QByteArray file;
        put16(file, 0);
        put16(file, 1);
        put16(file, 1);
        file.append(QByteArray(8, '\0'));
        put32(file, quint32(png.size()));
        put32(file, 22);
        QTest::newRow("PNG of 65535 x 65535") << file + png;
        QByteArray brokenPng = file + png;
        brokenPng[22 + 30] = 'x';
        qToBigEndian<quint32>(2, brokenPng.data() + 22 + 16);
        qToBigEndian<quint32>(2, brokenPng.data() + 22 + 20);
        QTest::newRow("broken PNG") << brokenPng;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << QByteArray::fromHex("000001000100");
    }
    void hostile() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(errorOf(bytes), kInvalid);
    }
};

TABDECK_TEST(IcoReaderTest)
#include "IcoReaderTest.moc"
