#include "graphics/JpegDecoder.h"
#include "FixtureBytes.h"
#include "ImageCompare.h"
#include "JpegWriter.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

using namespace fixturebytes;
using namespace imagecompare;

namespace {

QString errorOf(const QByteArray& bytes) {
    try {
        JpegDecoder decoder(bytes);
        decoder.decode();
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("no error");
}

// A solid 16 x 16 four-channel JPEG written by libjpeg from the given
// stored channel values, in CMYK or YCCK, with or without the Adobe marker.
QByteArray solidCmykJpeg(const uchar stored[4], J_COLOR_SPACE space, bool adobe) {
    return testsupport::writeJpeg(
        16, 16, 4, JCS_CMYK,
        [&](int, unsigned char* row) {
            for (int x = 0; x < 16; ++x)
                std::copy(stored, stored + 4, row + 4 * x);
        },
        [&](jpeg_compress_struct& c) {
            jpeg_set_colorspace(&c, space);
            jpeg_set_quality(&c, 100, TRUE);
            c.write_Adobe_marker = adobe ? TRUE : FALSE;
        });
}

// The progressive fixture with its last scan repeated count times.
QByteArray withRepeatedLastScan(int count) {
    const QByteArray bytes = readFixture("progressive.jpg");
    const qsizetype lastScan = bytes.lastIndexOf(QByteArray::fromHex("ffda"));
    const qsizetype end = bytes.lastIndexOf(QByteArray::fromHex("ffd9"));
    const QByteArray scan = bytes.mid(lastScan, end - lastScan);
    return bytes.left(end) + scan.repeated(count) + QByteArray::fromHex("ffd9");
}

// The fixture with its frame header claiming another size.
QByteArray withFrameSize(const QString& name, int w, int h) {
    QByteArray bytes = readFixture(name);
    qsizetype sof = bytes.indexOf(QByteArray::fromHex("ffc0"));
    if (sof < 0)
        sof = bytes.indexOf(QByteArray::fromHex("ffc2"));
    bytes[sof + 5] = char(h >> 8);
    bytes[sof + 6] = char(h & 0xFF);
    bytes[sof + 7] = char(w >> 8);
    bytes[sof + 8] = char(w & 0xFF);
    return bytes;
}

} // namespace

class JpegDecoderTest : public QObject {
    Q_OBJECT
private slots:
    // ImageMagick's files against ImageMagick's own decoding of them. Both
    // use libjpeg with the same upsampling, so 2 levels of tolerance cover
    // rounding; CMYK goes through each program's own conversion to RGB, 3.
    void fixtures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("space");
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("baseline YCbCr")
            << "baseline.jpg" << int(JpegDecoder::ColorSpace::YCbCr) << false << 2;
        QTest::newRow("progressive")
            << "progressive.jpg" << int(JpegDecoder::ColorSpace::YCbCr) << true << 2;
        QTest::newRow("grey") << "grey.jpg" << int(JpegDecoder::ColorSpace::Grey) << false << 2;
        QTest::newRow("Adobe YCCK")
            << "cmyk.jpg" << int(JpegDecoder::ColorSpace::Ycck) << false << 3;
        QTest::newRow("progressive Adobe YCCK")
            << "cmykprog.jpg" << int(JpegDecoder::ColorSpace::Ycck) << true << 3;
    }
    void fixtures() {
        QFETCH(QString, name);
        QFETCH(int, space);
        QFETCH(bool, progressive);
        QFETCH(int, tolerance);
        JpegDecoder decoder(readFixture(name));
        QCOMPARE(int(decoder.colorSpace()), space);
        QCOMPARE(decoder.isProgressive(), progressive);
        QCOMPARE(decoder.size(), QSize(64, 48));
        const QImage image = decoder.decode();
        const QImage expected(fixture(name + ".png"));
        QCOMPARE(landmarkMismatch(image, expected, tolerance), QString());
        const int distance = maxDistance(image, expected);
        QVERIFY2(distance >= 0 && distance <= tolerance, qPrintable(QString::number(distance)));
    }

    // Stored values of four-channel files: plain CMYK ink amounts without
    // the Adobe marker, inverted ones with it (as Adobe writes them), and
    // YCCK, which libjpeg turns back into the inverted CMYK values.
    void fourChannels_data() {
        QTest::addColumn<QByteArray>("stored"); // C M Y K as written
        QTest::addColumn<int>("space");
        QTest::addColumn<bool>("adobe");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("plain CMYK red")
            << QByteArray::fromHex("00ffff00") << int(JCS_CMYK) << false << qRgb(255, 0, 0);
        QTest::newRow("plain CMYK, half black")
            << QByteArray::fromHex("00000080") << int(JCS_CMYK) << false << qRgb(127, 127, 127);
        QTest::newRow("Adobe inverted red")
            << QByteArray::fromHex("ff0000ff") << int(JCS_CMYK) << true << qRgb(255, 0, 0);
        QTest::newRow("Adobe inverted blue")
            << QByteArray::fromHex("0000ffff") << int(JCS_CMYK) << true << qRgb(0, 0, 255);
        QTest::newRow("YCCK inverted green")
            << QByteArray::fromHex("00ff00ff") << int(JCS_YCCK) << true << qRgb(0, 255, 0);
        QTest::newRow("YCCK inverted dark")
            << QByteArray::fromHex("ffffff40") << int(JCS_YCCK) << true << qRgb(64, 64, 64);
    }
    void fourChannels() {
        QFETCH(QByteArray, stored);
        QFETCH(int, space);
        QFETCH(bool, adobe);
        QFETCH(QRgb, colour);
        const QByteArray bytes = solidCmykJpeg(reinterpret_cast<const uchar*>(stored.constData()),
                                               J_COLOR_SPACE(space), adobe);
        JpegDecoder decoder(bytes);
        QCOMPARE(decoder.hasAdobeMarker(), adobe);
        QCOMPARE(int(decoder.colorSpace()), space == JCS_YCCK ? int(JpegDecoder::ColorSpace::Ycck)
                                                              : int(JpegDecoder::ColorSpace::Cmyk));
        const QImage image = decoder.decode();
        QVERIFY2(pixelDistance(image.pixel(8, 8), colour) <= 3,
                 qPrintable(QString::number(image.pixel(8, 8), 16)));
    }

    void scaleChoice_data() {
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<int>("eighths");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("512 for a button") << QSize(512, 512) << QSize(34, 34) << 1 << QSize(64, 64);
        QTest::newRow("small photo") << QSize(64, 48) << QSize(34, 34) << 6 << QSize(48, 36);
        QTest::newRow("already small") << QSize(30, 30) << QSize(34, 34) << 8 << QSize(30, 30);
        QTest::newRow("12 MP for a window")
            << QSize(4000, 3000) << QSize(640, 480) << 2 << QSize(1000, 750);
        QTest::newRow("odd size rounds up")
            << QSize(4001, 3001) << QSize(100, 100) << 1 << QSize(501, 376);
        QTest::newRow("exact half") << QSize(68, 68) << QSize(34, 34) << 4 << QSize(34, 34);
    }
    void scaleChoice() {
        QFETCH(QSize, natural);
        QFETCH(QSize, target);
        QFETCH(int, eighths);
        QFETCH(QSize, decoded);
        QCOMPARE(JpegDecoder::scaleEighthsFor(natural, target), eighths);
        QCOMPARE(JpegDecoder::scaledSize(natural, eighths), decoded);
    }

    // The library's own scaled decode gives the size it promised and the
    // colours of the full-size picture, smoothed.
    void scaledDecode_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("eighths");
        QTest::newRow("baseline 1/8") << "baseline.jpg" << 1;
        QTest::newRow("baseline 3/8") << "baseline.jpg" << 3;
        QTest::newRow("progressive 1/2") << "progressive.jpg" << 4;
        QTest::newRow("CMYK 1/4") << "cmyk.jpg" << 2;
    }
    void scaledDecode() {
        QFETCH(QString, name);
        QFETCH(int, eighths);
        const QByteArray bytes = readFixture(name);
        JpegDecoder full(bytes);
        const QImage reference = full.decode();
        JpegDecoder scaled(bytes);
        const QImage image = scaled.decode(eighths);
        QCOMPARE(image.size(), JpegDecoder::scaledSize(QSize(64, 48), eighths));
        const QImage smoothed =
            reference.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The source is a smooth gradient, so the two downscalings agree closely.
        QVERIFY2(maxDistance(image, smoothed) <= 24,
                 qPrintable(QString::number(maxDistance(image, smoothed))));
    }

    // Scan by scan for a progressive file, band by band for a baseline one;
    // the last step is the finished picture.
    void incremental_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("bandRows");
        QTest::addColumn<int>("steps");
        QTest::newRow("baseline, bands of 16") << "baseline.jpg" << 16 << 3;
        QTest::newRow("baseline, bands of 20") << "baseline.jpg" << 20 << 3;
        QTest::newRow("baseline, one band") << "baseline.jpg" << 64 << 1;
        QTest::newRow("progressive") << "progressive.jpg" << 16 << -1;
    }
    void incremental() {
        QFETCH(QString, name);
        QFETCH(int, bandRows);
        QFETCH(int, steps);
        const QByteArray bytes = readFixture(name);
        const int scans = int(bytes.count(QByteArray::fromHex("ffda")));
        if (steps < 0) {
            steps = scans;
            QVERIFY(scans > 1);
        }
        JpegDecoder full(bytes);
        const QImage reference = full.decode();
        JpegDecoder decoder(bytes);
        QList<QImage> seen;
        const QImage result = decoder.decodeIncremental(
            [&](const QImage& partial) { seen.append(partial.copy()); }, 8, bandRows);
        QCOMPARE(seen.size(), steps);
        QCOMPARE(maxDistance(result, reference), 0);
        QCOMPARE(maxDistance(seen.last(), reference), 0);
        // Earlier steps are earlier states, not the finished picture.
        if (steps > 1)
            QVERIFY(maxDistance(seen.first(), reference) > 0);
    }

    // Each cut of a file either fails with the library's code or decodes
    // what arrived (libjpeg pads a cut scan); never a crash.
    void cutFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("baseline") << "baseline.jpg";
        QTest::newRow("progressive") << "progressive.jpg";
        QTest::newRow("cmyk") << "cmyk.jpg";
    }
    void cutFiles() {
        QFETCH(QString, name);
        const QByteArray bytes = readFixture(name);
        const qsizetype firstScan = bytes.indexOf(QByteArray::fromHex("ffda"));
        for (qsizetype n = 0; n < bytes.size(); ++n) {
            const QString error = errorOf(bytes.left(n));
            if (n < firstScan)
                QVERIFY2(error.startsWith("JPEG error #"), qPrintable(QString::number(n)));
            else
                QVERIFY2(error.startsWith("JPEG error #") || error == "no error",
                         qPrintable(error));
        }
    }

    void tooManyScans() {
        const QByteArray bytes = withRepeatedLastScan(10000);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(errorOf(bytes),
                 QStringLiteral("JPEG error #%1").arg(JpegDecoder::tooManyScansCode()));
        QVERIFY(timer.elapsed() < 10000);
        // A few repeated scans are still a picture.
        QCOMPARE(errorOf(withRepeatedLastScan(20)), QStringLiteral("no error"));
    }

    void sizeCaps_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("65535 x 65535") << withFrameSize("baseline.jpg", 65535, 65535);
        QTest::newRow("60000 x 60000 progressive")
            << withFrameSize("progressive.jpg", 60000, 60000);
        QTest::newRow("20000 x 20000") << withFrameSize("baseline.jpg", 20000, 20000);
    }
    void sizeCaps() {
        QFETCH(QByteArray, bytes);
        QCOMPARE(errorOf(bytes), QStringLiteral("JPEG error #%1").arg(JpegDecoder::tooBigCode()));
    }

    void hostile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero width") << withFrameSize("baseline.jpg", 0, 48);
        QTest::newRow("only markers") << QByteArray::fromHex("ffd8ffd9");
        QTest::newRow("garbage after SOI") << QByteArray::fromHex("ffd8") + QByteArray(500, 'x');
        QByteArray b = readFixture("baseline.jpg");
        const qsizetype dqt = b.indexOf(QByteArray::fromHex("ffdb"));
        b[dqt + 2] = char(0xFF);
        b[dqt + 3] = char(0xFF);
        QTest::newRow("segment length past the end") << b;
        b = readFixture("baseline.jpg");
        const qsizetype sof = b.indexOf(QByteArray::fromHex("ffc0"));
        b[sof + 9] = char(9); // component count
        QTest::newRow("9 components") << b;
    }
    void hostile() {
        QFETCH(QByteArray, bytes);
        QVERIFY(errorOf(bytes).startsWith("JPEG error #"));
    }
};

TABDECK_TEST(JpegDecoderTest)
#include "JpegDecoderTest.moc"
