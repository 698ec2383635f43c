#include "graphics/IconWriter.h"
#include "ImageCompare.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "dib/IcoFile.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

using namespace imagecompare;
using testsupport::TempDir;

namespace {

// Palette colours in stripes, with a transparent top-left quadrant.
QImage sample(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    const auto& palette = iconwriter::standardPalette();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           (x < w / 2 && y < h / 2) ? qRgba(0, 0, 0, 0) : palette[(x + y) % 16]);
    return image;
}

quint16 u16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

} // namespace

class IconWriterTest : public QObject {
    Q_OBJECT
private slots:
    void layoutOf32x32() {
        const QByteArray b = iconwriter::write16(sample(32, 32));
        QCOMPARE(b.size(), 766);
        QCOMPARE(u16(b, 0), quint16(0));
        QCOMPARE(u16(b, 2), quint16(1));
        QCOMPARE(u16(b, 4), quint16(1));
        QCOMPARE(quint8(b[6]), quint8(32));
        QCOMPARE(quint8(b[7]), quint8(32));
        QCOMPARE(u16(b, 8), quint16(4));
        QCOMPARE(u16(b, 10), quint16(0));
        QCOMPARE(u16(b, 12), quint16(0));
        QCOMPARE(u32(b, 14), quint32(766 - 22));
        QCOMPARE(u32(b, 18), quint32(22));
        QCOMPARE(u32(b, 22), quint32(40));
        QCOMPARE(u32(b, 26), quint32(32));
        QCOMPARE(u32(b, 30), quint32(64)); // colour and mask rows
        QCOMPARE(u16(b, 34), quint16(1));
        QCOMPARE(u16(b, 36), quint16(4));
        QCOMPARE(u32(b, 38), quint32(0));
        QCOMPARE(u32(b, 54), quint32(16));
        // Colour table: blue, green, red, zero; entry 9 is red, 12 blue.
        QCOMPARE(b.mid(62 + 4 * 9, 4), QByteArray::fromHex("0000ff00"));
        QCOMPARE(b.mid(62 + 4 * 12, 4), QByteArray::fromHex("ff000000"));
        QCOMPARE(b.mid(62 + 4 * 7, 4), QByteArray::fromHex("c0c0c000"));
        // Bottom row first: its first pixels are (x + 31) % 16 = 15, 0.
        QCOMPARE(quint8(b[126]), quint8(0xF0));
        // Mask, bottom row first: the bottom row is opaque, the top row's
        // left half transparent.
        QCOMPARE(u32(b, 126 + 512), quint32(0));
        QCOMPARE(b.mid(126 + 512 + 31 * 4, 4), QByteArray::fromHex("ffff0000"));
    }

    void sizes_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("bytes");
        // Rows padded to 4 bytes for both parts.
        QTest::newRow("16 x 16") << 16 << 16 << 22 + 40 + 64 + 16 * 8 + 16 * 4;
        QTest::newRow("7 x 3") << 7 << 3 << 22 + 40 + 64 + 3 * 4 + 3 * 4;
        QTest::newRow("48 x 48") << 48 << 48 << 22 + 40 + 64 + 48 * 24 + 48 * 8;
        QTest::newRow("256 x 256") << 256 << 256 << 22 + 40 + 64 + 256 * 128 + 256 * 32;
    }
    void sizes() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, bytes);
        const QImage image = sample(w, h);
        const QByteArray file = iconwriter::write16(image);
        QCOMPARE(file.size(), bytes);
        const QList<iconimage::Image> back = icofile::read(file);
        QCOMPARE(back.size(), 1);
        QCOMPARE(maxDistance(back[0].image, image), 0);
    }

    // Too large for the format: scaled into the large-icon square with its
    // aspect kept and centred, the rest transparent.
    void tooLargeIsScaledIntoTheLargeIcon_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("content");
        QTest::newRow("257 x 10") << QSize(257, 10) << QRect(0, 15, 32, 1);
        QTest::newRow("194 x 313") << QSize(194, 313) << QRect(6, 0, 19, 32);
        QTest::newRow("313 x 194") << QSize(313, 194) << QRect(0, 6, 32, 19);
        QTest::newRow("1 x 1000") << QSize(1, 1000) << QRect(15, 0, 1, 32);
        QTest::newRow("null") << QSize() << QRect();
    }
    void tooLargeIsScaledIntoTheLargeIcon() {
        QFETCH(QSize, size);
        QFETCH(QRect, content);
        QImage image(size, QImage::Format_ARGB32);
        image.fill(qRgb(255, 0, 0));
        const QByteArray file = iconwriter::write16(image);
        if (content.isNull()) {
            QVERIFY(file.isEmpty());
            return;
        }
        const QImage back = icofile::read(file)[0].image;
        QCOMPARE(back.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY2(back.pixel(x, y) ==
                             (content.contains(x, y) ? qRgb(255, 0, 0) : qRgba(0, 0, 0, 0)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void nearestColour_data() {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("index");
        QTest::newRow("black") << qRgb(10, 5, 0) << 0;
        QTest::newRow("dark red") << qRgb(150, 10, 10) << 1;
        QTest::newRow("orange to red or yellow") << qRgb(255, 60, 0) << 9;
        QTest::newRow("light grey") << qRgb(200, 200, 190) << 7;
        QTest::newRow("mid grey") << qRgb(120, 128, 130) << 8;
        QTest::newRow("white") << qRgb(250, 250, 250) << 15;
        QTest::newRow("sky") << qRgb(40, 230, 240) << 14;
    }
    void nearestColour() {
        QFETCH(QRgb, colour);
        QFETCH(int, index);
        QCOMPARE(iconwriter::nearestIndex(colour), index);
    }

    // icoutils reads the file as a 4-bit, 16-colour icon and extracts the
    // same pixels (with the mask as alpha).
    void acceptedByIcotool() {
        const QString icotool = QStandardPaths::findExecutable("icotool");
        QVERIFY2(!icotool.isEmpty(), "icoutils is in scripts/packages.txt");
        TempDir dir;
        const QImage image = sample(32, 32);
        const QString path = dir.write("out.ico", iconwriter::write16(image));
        QProcess list;
        list.start(icotool, {"-l", path});
        QVERIFY(list.waitForFinished(10000));
        QCOMPARE(list.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(list.readAllStandardOutput()).trimmed(),
                 QStringLiteral("--icon --index=1 --width=32 --height=32 --bit-depth=4 "
                                "--palette-size=16"));
        QProcess extract;
        extract.start(icotool, {"-x", "-o", dir.path(), path});
        QVERIFY(extract.waitForFinished(10000));
        QCOMPARE(extract.exitCode(), 0);
        const QImage extracted(dir.file("out_1_32x32x4.png"));
        QVERIFY(!extracted.isNull());
        QCOMPARE(maxDistance(extracted, image), 0);
    }

    void photoReducedToPalette() {
        QImage image(32, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                image.setPixel(x, y, qRgb(8 * x, 8 * y, 128));
        const QImage back = icofile::read(iconwriter::write16(image))[0].image;
        const auto& palette = iconwriter::standardPalette();
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(back.pixel(x, y), palette[iconwriter::nearestIndex(image.pixel(x, y))]);
            }
        }
    }
};

TABDECK_TEST(IconWriterTest)
#include "IconWriterTest.moc"
