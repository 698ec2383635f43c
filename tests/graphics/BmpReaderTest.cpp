#include "FixtureBytes.h"
#include "ImageCompare.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "graphics/BmpFile.h"

#include <QFile>
#include <QTest>
#include <QtEndian>
#include <vector>

using namespace fixturebytes;
using namespace imagecompare;

namespace {

struct Spec {
    quint32 headerSize = 40;
    qint32 width = 2;
    qint32 height = 2;
    quint16 bitCount = 24;
    quint32 compression = 0;
    std::vector<quint32> masks; // in the header (52+) or after a 40-byte one
    std::vector<QRgb> palette;
    QByteArray bits;
};

// A bitmap file exactly as the format lays it out, with the pixel offset right
// after the colour table.
QByteArray makeBmp(const Spec& s) {
    QByteArray info;
    put32(info, s.headerSize);
    if (s.headerSize == 12) {
        put16(info, quint16(s.width));
        put16(info, quint16(s.height));
        put16(info, 1);
        put16(info, s.bitCount);
    } else {
        put32(info, quint32(s.width));
        put32(info, quint32(s.height));
        put16(info, 1);
        put16(info, s.bitCount);
        put32(info, s.compression);
        put32(info, quint32(s.bits.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, quint32(s.palette.size()));
        put32(info, 0);
        for (quint32 m : s.masks)
            put32(info, m);
        while (quint32(info.size()) < s.headerSize && s.headerSize > 40)
            info.append('\0');
    }
    QByteArray pal;
    for (QRgb c : s.palette) {
        pal.append(char(qBlue(c)));
        pal.append(char(qGreen(c)));
        pal.append(char(qRed(c)));
        if (s.headerSize != 12)
            pal.append('\0');
    }
    QByteArray file("BM");
    const quint32 off = 14 + quint32(info.size() + pal.size());
    put32(file, off + quint32(s.bits.size()));
    put32(file, 0);
    put32(file, off);
    return file + info + pal + s.bits;
}

QString errorOf(const QByteArray& bytes) {
    try {
        bmpfile::read(bytes);
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

const QString kInvalid = QStringLiteral("Bitmap image is not valid");

} // namespace

class BmpReaderTest : public QObject {
    Q_OBJECT
private slots:
    // ImageMagick's files against ImageMagick's own rendering of them.
    // Tolerance 0 for palette and true-colour pixels; 1 for 16-bit pixels,
    // where expanding 5 or 6 bits to 8 may round either way.
    void fixtures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<int>("depth");
        QTest::newRow("24-bit info header") << "rgb24.bmp" << 0 << 24;
        QTest::newRow("24-bit core header") << "core24.bmp" << 0 << 24;
        QTest::newRow("8-bit palette") << "pal8.bmp" << 0 << 8;
        QTest::newRow("4-bit palette") << "pal4.bmp" << 0 << 4;
        QTest::newRow("1-bit") << "mono1.bmp" << 0 << 1;
        QTest::newRow("RLE8") << "rle8.bmp" << 0 << 8;
        QTest::newRow("RGB565 bit fields") << "rgb565.bmp" << 1 << 16;
        QTest::newRow("RGB555 bit fields") << "rgb555.bmp" << 1 << 16;
        QTest::newRow("32-bit alpha bit fields, v5 header") << "argb32.bmp" << 0 << 32;
    }
    void fixtures() {
        QFETCH(QString, name);
        QFETCH(int, tolerance);
        QFETCH(int, depth);
        const QByteArray bytes = readFixture(name);
        // The fixture is what its row claims.
        const bool core = qFromLittleEndian<quint32>(bytes.constData() + 14) == 12;
        QCOMPARE(int(qFromLittleEndian<quint16>(bytes.constData() + (core ? 24 : 28))), depth);
        const QImage image = bmpfile::read(bytes);
        const QImage expected(fixture(name + ".png"));
        QVERIFY(!expected.isNull());
        QCOMPARE(landmarkMismatch(image, expected, tolerance), QString());
        const int distance = maxDistance(image, expected);
        QVERIFY2(distance >= 0 && distance <= tolerance, qPrintable(QString::number(distance)));
    }

    void alphaIsKeptOnlyWithAlphaMask() {
        const QImage withAlpha = bmpfile::read(readFixture("argb32.bmp"));
        QVERIFY(withAlpha.hasAlphaChannel());
        QCOMPARE(qAlpha(withAlpha.pixel(0, 0)), 0); // transparent quadrant
        QCOMPARE(qAlpha(withAlpha.pixel(36, 28)), 255);
        const QImage opaque = bmpfile::read(readFixture("rgb24.bmp"));
        QVERIFY(!opaque.hasAlphaChannel());
    }

    // Every header size with bit fields; the masks sit in the header from
    // 52 bytes on and after a 40-byte header.
    void headerSizes_data() {
        QTest::addColumn<quint32>("headerSize");
        QTest::addColumn<quint32>("compression");
        QTest::addColumn<bool>("alpha");
        QTest::newRow("40 + bit fields") << 40u << 3u << false;
        QTest::newRow("40 + alpha bit fields") << 40u << 6u << true;
        QTest::newRow("52") << 52u << 3u << false;
        QTest::newRow("56") << 56u << 3u << true;
        QTest::newRow("108") << 108u << 3u << true;
        QTest::newRow("124") << 124u << 3u << true;
    }
    void headerSizes() {
        QFETCH(quint32, headerSize);
        QFETCH(quint32, compression);
        QFETCH(bool, alpha);
        Spec s;
        s.headerSize = headerSize;
        s.compression = compression;
        s.bitCount = 32;
        // Unusual masks: red in the low byte, blue high, so that a reader
        // that ignores them gets the colours wrong.
        s.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
        if (alpha)
            s.masks.push_back(0xFF000000);
        else if (headerSize >= 56)
            s.masks.push_back(0);
        // Bottom row: (r=10,g=20,b=30,a=40) (1,2,3,255); top row: two white.
        for (quint32 px : {0x281E140Au, 0xFF030201u, 0xFFFFFFFFu, 0xFFFFFFFFu})
            put32(s.bits, px);
        const QImage image = bmpfile::read(makeBmp(s));
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixel(0, 1), alpha ? qRgba(10, 20, 30, 40) : qRgb(10, 20, 30));
        QCOMPARE(image.pixel(1, 1), qRgb(1, 2, 3));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    }

    void topDownRows() {
        Spec s;
        s.height = -2;
        s.bits = QByteArray::fromHex("0000ff00ff000000"   // first row stored: red, green
                                     "ff00000000000000"); // second: blue, black
        const QImage image = bmpfile::read(makeBmp(s));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(0, 1), qRgb(0, 0, 255));
    }

    void sixteenBitDefaultIs555() {
        Spec s;
        s.bitCount = 16;
        s.width = 1;
        s.height = 1;
        s.bits = QByteArray::fromHex("1f7c0000"); // 0x7C1F: full red and blue
        QCOMPARE(bmpfile::read(makeBmp(s)).pixel(0, 0), qRgb(255, 0, 255));
    }

    void paletteIndexPastTableIsBlack() {
        Spec s;
        s.bitCount = 8;
        s.width = 2;
        s.height = 1;
        s.palette = {qRgb(9, 9, 9)};
        s.bits = QByteArray::fromHex("00050000");
        const QImage image = bmpfile::read(makeBmp(s));
        QCOMPARE(image.pixel(0, 0), qRgb(9, 9, 9));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 0));
    }

    // Run-length data, with runs and jumps that reach past the image: they
    // are clipped, and nothing outside the image is written.
    void rle_data() {
        QTest::addColumn<quint16>("bitCount");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("bottomRow"); // palette indexes, bottom row first
        QTest::addColumn<QString>("topRow");
        // 4 x 2 images; palette index i is grey level 10 * i.
        QTest::newRow("rle8 runs")
            << quint16(8) << QByteArray::fromHex("0201020200000403 0001") << "1122"
            << "3333";
        QTest::newRow("rle8 absolute")
            << quint16(8) << QByteArray::fromHex("000304050600 0000 0001") << "4560"
            << "0000";
        QTest::newRow("rle8 run past row end")
            << quint16(8) << QByteArray::fromHex("ff07 0000 0001") << "7777"
            << "0000";
        QTest::newRow("rle8 delta")
            << quint16(8) << QByteArray::fromHex("00020201 0109 0001") << "0000"
            << "0090";
        QTest::newRow("rle8 delta past image")
            << quint16(8) << QByteArray::fromHex("0101 0002ff ff 0109 0001") << "1000"
            << "0000";
        QTest::newRow("rle8 rows past image")
            << quint16(8) << QByteArray::fromHex("0401 0000 0402 0000 0403 0001") << "1111"
            << "2222";
        QTest::newRow("rle4 runs")
            << quint16(4) << QByteArray::fromHex("0312 0000 0455 0001") << "1210"
            << "5555";
        QTest::newRow("rle4 absolute")
            << quint16(4) << QByteArray::fromHex("0003 1230 0000 0001") << "1230"
            << "0000";
        QTest::newRow("rle4 run past row end")
            << quint16(4) << QByteArray::fromHex("0934 0001") << "3434"
            << "0000";
        QTest::newRow("ends at last row without end code")
            << quint16(8) << QByteArray::fromHex("0401 0000 0402 0000") << "1111"
            << "2222";
    }
    void rle() {
        QFETCH(quint16, bitCount);
        QFETCH(QByteArray, data);
        QFETCH(QString, bottomRow);
        QFETCH(QString, topRow);
        Spec s;
        s.width = 4;
        s.height = 2;
        s.bitCount = bitCount;
        s.compression = bitCount == 8 ? 1 : 2;
        for (int i = 0; i < (1 << bitCount); ++i)
            s.palette.push_back(qRgb(10 * i, 10 * i, 10 * i));
        s.bits = data;
        const QImage image = bmpfile::read(makeBmp(s));
        auto row = [&](int y) {
            QString out;
            for (int x = 0; x < 4; ++x)
                out += QString::number(qRed(image.pixel(x, y)) / 10);
            return out;
        };
        QCOMPARE(row(1), bottomRow);
        QCOMPARE(row(0), topRow);
    }

    // A cut file is an error, never a picture with garbage in it.
    void everyCutIsAnError_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("24-bit") << "rgb24.bmp";
        QTest::newRow("core") << "core24.bmp";
        QTest::newRow("8-bit") << "pal8.bmp";
        QTest::newRow("1-bit") << "mono1.bmp";
        QTest::newRow("bit fields") << "rgb565.bmp";
        QTest::newRow("alpha") << "argb32.bmp";
    }
    void everyCutIsAnError() {
        QFETCH(QString, name);
        const QByteArray bytes = readFixture(name);
        for (qsizetype n = 0; n < bytes.size(); ++n)
            QVERIFY2(errorOf(bytes.left(n)) == kInvalid, qPrintable(QString::number(n)));
    }

    void cutRleBeforeLastRowIsAnError() {
        const QByteArray bytes = readFixture("rle8.bmp");
        const qsizetype start = qFromLittleEndian<quint32>(bytes.constData() + 10);
        // The last row's data needs at least its end-of-line code; anything
        // shorter than the full stream minus the final codes is cut.
        for (qsizetype n = 0; n < bytes.size() - 4; ++n)
            QVERIFY2(errorOf(bytes.left(n)) == kInvalid,
                     qPrintable(QString::number(n) + " of " + QString::number(bytes.size()) +
                                ", bits at " + QString::number(start)));
    }

    void hostileHeaders_data() {
        QTest::addColumn<QByteArray>("bytes");
        Spec big;
        big.width = 65535;
        big.height = 65535;
        big.bits = QByteArray(64, '\0');
        QTest::newRow("65535 x 65535") << makeBmp(big);
        Spec bigRle = big;
        bigRle.bitCount = 8;
        bigRle.compression = 1;
        bigRle.bits = QByteArray::fromHex("0001");
        QTest::newRow("65535 x 65535 RLE8") << makeBmp(bigRle);
        Spec wide;
        wide.width = 0x7FFFFFFF;
        wide.height = 1;
        QTest::newRow("2^31 wide") << makeBmp(wide);
        Spec negative;
        negative.width = -4;
        QTest::newRow("negative width") << makeBmp(negative);
        Spec zero;
        zero.height = 0;
        QTest::newRow("zero height") << makeBmp(zero);
        Spec oddDepth;
        oddDepth.bitCount = 7;
        oddDepth.bits = QByteArray(16, '\0');
        QTest::newRow("7 bits per pixel") << makeBmp(oddDepth);
        Spec topDownRle;
        topDownRle.bitCount = 8;
        topDownRle.compression = 1;
        topDownRle.height = -2;
        topDownRle.bits = QByteArray::fromHex("0001");
        QTest::newRow("top-down RLE") << makeBmp(topDownRle);
        Spec rleDepth;
        rleDepth.bitCount = 24;
        rleDepth.compression = 1;
        rleDepth.bits = QByteArray::fromHex("0001");
        QTest::newRow("RLE8 at 24 bits") << makeBmp(rleDepth);
        Spec holes;
        holes.bitCount = 32;
        holes.compression = 3;
        holes.masks = {0x00FF00FF, 0x0000FF00, 0x000000FF};
        holes.bits = QByteArray(16, '\0');
        QTest::newRow("mask with holes") << makeBmp(holes);
        Spec rleCut;
        rleCut.bitCount = 8;
        rleCut.compression = 1;
        rleCut.palette = {qRgb(0, 0, 0)};
        rleCut.bits = QByteArray::fromHex("0002 03");
        QTest::newRow("RLE delta cut") << makeBmp(rleCut);
        rleCut.bits = QByteArray::fromHex("0005 0102");
        QTest::newRow("RLE absolute run cut") << makeBmp(rleCut);
        Spec unknownHeader;
        unknownHeader.headerSize = 64;
        unknownHeader.bits = QByteArray(16, '\0');
        QTest::newRow("64-byte header") << makeBmp(unknownHeader);
        Spec hugePalette;
        hugePalette.bitCount = 8;
        hugePalette.bits = QByteArray(8, '\0');
        QByteArray bytes = makeBmp(hugePalette);
        qToLittleEndian<quint32>(0xFFFFFFFFu, bytes.data() + 14 + 32);
        QTest::newRow("colour count 2^32-1") << bytes;
        bytes = makeBmp(Spec{});
        qToLittleEndian<quint32>(0x7FFFFFF0u, bytes.data() + 10);
        QTest::newRow("pixel offset past the end") << bytes;
        bytes = makeBmp(Spec{});
        qToLittleEndian<quint32>(0u, bytes.data() + 10);
        QTest::newRow("pixel offset zero") << bytes;
        bytes = makeBmp(Spec{});
        qToLittleEndian<quint32>(0x7FFFFFFFu, bytes.data() + 14);
        QTest::newRow("header size 2^31-1") << bytes;
        QTest::newRow("not a bitmap") << QByteArray("GIF89a and more text to fill");
        QTest::newRow("empty") << QByteArray();
    }
    void hostileHeaders() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(errorOf(bytes), kInvalid);
    }

    void writerRoundTrip_data() {
        QTest::addColumn<bool>("alpha");
        QTest::newRow("opaque, 24 bits") << false;
        QTest::newRow("alpha, 32 bits") << true;
    }
    void writerRoundTrip() {
        QFETCH(bool, alpha);
        QImage image(5, 3, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                image.setPixel(x, y, qRgba(40 * x, 80 * y, 7, alpha ? 50 * x + 20 : 255));
        const QByteArray bytes = bmpfile::write(image);
        QCOMPARE(quint16(bytes[28]), quint16(alpha ? 32 : 24));
        const QImage back = bmpfile::read(bytes);
        QCOMPARE(maxDistance(back, image), 0);
        // Another reader agrees on the pixels.
        const QImage qt = QImage::fromData(bytes, "BMP");
        QCOMPARE(maxDistance(qt.convertToFormat(QImage::Format_ARGB32),
                             image.convertToFormat(QImage::Format_ARGB32)),
                 0);
    }
};

TABDECK_TEST(BmpReaderTest)
#include "BmpReaderTest.moc"
