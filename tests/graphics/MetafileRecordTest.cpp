#include "MetafileBuilder.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QTest>

using namespace metafiletest;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

struct Probe {
    QPoint at;
    QRgb colour;
};

// A 2 x 2 24-bit bottom-up DIB: red, green on the top row; blue, white below.
QByteArray twoByTwoDib(QByteArray& bits) {
    QByteArray info;
    for (quint32 v : {40u, 2u, 2u})
        put32(info, v);
    put16(info, 1);
    put16(info, 24);
    for (int i = 0; i < 6; ++i)
        put32(info, 0);
    bits.clear();
    // Bottom row first: blue, white (BGR), padded to 8 bytes.
    bits.append("\xff\x00\x00\xff\xff\xff\x00\x00", 8);
    bits.append("\x00\x00\xff\x00\xff\x00\x00\x00", 8);
    return info;
}

QByteArray stretchDiBits(int x, int y, int w, int h) {
    QByteArray bits;
    const QByteArray info = twoByTwoDib(bits);
    QByteArray r;
    const quint32 offBmi = 80, offBits = offBmi + info.size();
    put32(r, 81);
    put32(r, offBits + bits.size());
    for (int v : {0, 0, 0, 0})
        put32(r, quint32(v));
    for (int v : {x, y, 0, 0, 2, 2})
        put32(r, quint32(v));
    put32(r, offBmi);
    put32(r, info.size());
    put32(r, offBits);
    put32(r, bits.size());
    put32(r, 0);          // RGB colours
    put32(r, 0x00CC0020); // source copy
    put32(r, quint32(w));
    put32(r, quint32(h));
    return r + info + bits;
}

QByteArray textRecord(const QString& text, int x, int y, const QVector<quint32>& dx = {}) {
    QByteArray r;
    const quint32 offString = 76;
    const quint32 padded = (text.size() * 2 + 3) & ~3u;
    put32(r, 84);
    put32(r, offString + padded + 4 * dx.size());
    for (int i = 0; i < 4; ++i)
        put32(r, 0);
    put32(r, 1);
    put32(r, f32(1));
    put32(r, f32(1));
    put32(r, quint32(x));
    put32(r, quint32(y));
    put32(r, text.size());
    put32(r, offString);
    put32(r, 0); // options
    for (int i = 0; i < 4; ++i)
        put32(r, 0);
    put32(r, dx.isEmpty() ? 0 : offString + padded);
    for (QChar c : text)
        put16(r, c.unicode());
    r.append(padded - text.size() * 2, '\0');
    for (quint32 d : dx)
        put32(r, d);
    return r;
}

QByteArray font(quint32 index, int height, bool underline = false) {
    QByteArray r;
    put32(r, 82);
    put32(r, 12 + 92);
    put32(r, index);
    for (int v : {height, 0, 0, 0, 700})
        put32(r, quint32(v));
    r.append(char(0));
    r.append(char(underline));
    r.append(6, '\0');
    const QString face = QStringLiteral("DejaVu Sans");
    for (int i = 0; i < 32; ++i)
        put16(r, i < face.size() ? face[i].unicode() : 0);
    return r;
}

// The bounding box of the pixels darker than mid grey.
QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

Q_DECLARE_METATYPE(QList<Probe>)

class MetafileRecordTest : public QObject {
    Q_OBJECT
private slots:
    void emfRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<Probe>>("probes");
        QTest::newRow("rectangle") << Emf().redFill().rectangle(10, 10, 90, 90).bytes()
                                   << QList<Probe>{{{50, 50}, kRed}, {{5, 5}, kWhite}};
        QTest::newRow("intersect clip")
            << Emf().redFill().rec(30, {0, 0, 50, 100}).rectangle(0, 0, 100, 100).bytes()
            << QList<Probe>{{{25, 50}, kRed}, {{75, 50}, kWhite}};
        QTest::newRow("exclude clip")
            << Emf().redFill().rec(29, {40, 40, 60, 60}).rectangle(0, 0, 100, 100).bytes()
            << QList<Probe>{{{50, 50}, kWhite}, {{20, 20}, kRed}};
        QTest::newRow("restore drops clip") << Emf()
                                                   .redFill()
                                                   .rec(33, {})
                                                   .rec(30, {0, 0, 10, 10})
                                                   .rec(34, {quint32(-1)})
                                                   .rectangle(0, 0, 100, 100)
                                                   .bytes()
                                            << QList<Probe>{{{50, 50}, kRed}};
        QTest::newRow("restore brings back brush") << Emf()
                                                          .redFill()
                                                          .rec(33, {})
                                                          .select(0x80000005) // null brush
                                                          .rec(34, {quint32(-1)})
                                                          .rectangle(0, 0, 100, 100)
                                                          .bytes()
                                                   << QList<Probe>{{{50, 50}, kRed}};
        QTest::newRow("world transform") << Emf()
                                                .redFill()
                                                .rec(35, {f32(1), 0, 0, f32(1), f32(50), 0})
                                                .rectangle(0, 0, 40, 40)
                                                .bytes()
                                         << QList<Probe>{{{70, 20}, kRed}, {{20, 20}, kWhite}};
        QTest::newRow("modify world transform left")
            << Emf()
                   .redFill()
                   .rec(35, {f32(1), 0, 0, f32(1), f32(50), 0})
                   .rec(36, {f32(0.5), 0, 0, f32(0.5), 0, 0, 2}) // scale first, then shift
                   .rectangle(0, 0, 40, 40)
                   .bytes()
            << QList<Probe>{{{60, 10}, kRed}, {{80, 30}, kWhite}};
        QTest::newRow("anisotropic window and viewport")
            << Emf()
                   .redFill()
                   .rec(17, {8})
                   .rec(9, {10, 10})
                   .rec(11, {100, 100})
                   .rectangle(0, 0, 5, 5)
                   .bytes()
            << QList<Probe>{{{40, 40}, kRed}, {{60, 60}, kWhite}};
        QTest::newRow("isotropic keeps aspect")
            << Emf()
                   .redFill()
                   .rec(17, {7})
                   .rec(9, {10, 10})
                   .rec(11, {100, 50})
                   .rectangle(0, 0, 10, 10)
                   .bytes()
            << QList<Probe>{{{25, 25}, kRed}, {{75, 25}, kWhite}, {{25, 75}, kWhite}};
        QTest::newRow("window origin")
            << Emf().redFill().rec(10, {50, 50}).rectangle(50, 50, 100, 100).bytes()
            << QList<Probe>{{{25, 25}, kRed}, {{75, 75}, kWhite}};
        // 0.01 mm units at 4 pixels per mm, y growing upwards.
        QTest::newRow("himetric y up")
            << Emf().redFill().rec(17, {3}).rectangle(0, -1250, 2500, -2500).bytes()
            << QList<Probe>{{{50, 75}, kRed}, {{50, 25}, kWhite}};
        QTest::newRow("path fill") << Emf()
                                          .redFill()
                                          .rec(59, {})
                                          .rec(27, {10, 10})
                                          .rec(54, {90, 10})
                                          .rec(54, {90, 90})
                                          .rec(54, {10, 90})
                                          .rec(61, {})
                                          .rec(60, {})
                                          .rec(62, {0, 0, 0, 0})
                                          .bytes()
                                   << QList<Probe>{{{50, 50}, kRed}, {{5, 50}, kWhite}};
        QTest::newRow("path draws nothing until filled")
            << Emf().redFill().rec(59, {}).rectangle(0, 0, 100, 100).rec(60, {}).bytes()
            << QList<Probe>{{{50, 50}, kWhite}};
        QTest::newRow("clip path") << Emf()
                                          .redFill()
                                          .rec(59, {})
                                          .rectangle(0, 0, 50, 50)
                                          .rec(60, {})
                                          .rec(67, {5})
                                          .rectangle(0, 0, 100, 100)
                                          .bytes()
                                   << QList<Probe>{{{25, 25}, kRed}, {{75, 75}, kWhite}};
        QTest::newRow("region clip and reset")
            << Emf()
                   .redFill()
                   .rec(75, {48, 5, 32, 1, 1, 16, 50, 0, 100, 100, 50, 0, 100, 100})
                   .rectangle(0, 0, 100, 50)
                   .rec(75, {0, 5})
                   .rectangle(0, 50, 100, 100)
                   .bytes()
            << QList<Probe>{{{75, 25}, kRed}, {{25, 25}, kWhite}, {{25, 75}, kRed}};
        QTest::newRow("emf+ comment skipped") << Emf()
                                                     .redFill()
                                                     .rec(70, {8, 0x2B464D45, 0x00000001})
                                                     .rectangle(0, 0, 100, 100)
                                                     .bytes()
                                              << QList<Probe>{{{50, 50}, kRed}};
        QTest::newRow("null brush")
            << Emf().select(0x80000005).nullPen().rectangle(0, 0, 100, 100).bytes()
            << QList<Probe>{{{50, 50}, kWhite}};
        QTest::newRow("deleted brush no longer selectable")
            << Emf()
                   .select(0x80000004) // black
                   .solidBrush(1, rgb(255, 0, 0))
                   .rec(40, {1})
                   .select(1)
                   .nullPen()
                   .rectangle(0, 0, 100, 100)
                   .bytes()
            << QList<Probe>{{{50, 50}, qRgb(0, 0, 0)}};
        QTest::newRow("wide pen") << Emf()
                                         .rec(38, {1, 0, 20, 0, rgb(0, 255, 0)})
                                         .select(1)
                                         .rec(27, {0, 50})
                                         .rec(54, {100, 50})
                                         .bytes()
                                  << QList<Probe>{{{50, 45}, qRgb(0, 255, 0)}, {{50, 30}, kWhite}};
        QTest::newRow("null pen draws no line")
            << Emf().nullPen().rec(27, {0, 50}).rec(54, {100, 50}).bytes()
            << QList<Probe>{{{50, 50}, kWhite}};
        QTest::newRow("ellipse") << Emf().redFill().rec(42, {0, 0, 100, 100}).bytes()
                                 << QList<Probe>{{{50, 50}, kRed}, {{5, 5}, kWhite}};
        QTest::newRow("pie counter-clockwise quarter")
            << Emf().redFill().rec(47, {0, 0, 100, 100, 100, 50, 50, 0}).bytes()
            << QList<Probe>{{{75, 25}, kRed}, {{25, 75}, kWhite}, {{25, 25}, kWhite}};
        QTest::newRow("pie clockwise three quarters")
            << Emf().redFill().rec(57, {2}).rec(47, {0, 0, 100, 100, 100, 50, 50, 0}).bytes()
            << QList<Probe>{{{75, 25}, kWhite}, {{25, 75}, kRed}, {{25, 25}, kRed}};
        QTest::newRow("chord") << Emf().redFill().rec(46, {0, 0, 100, 100, 100, 50, 0, 50}).bytes()
                               << QList<Probe>{{{50, 25}, kRed}, {{50, 75}, kWhite}};
        QTest::newRow("polygon16")
            << Emf().redFill().rec(86, {0, 0, 0, 0, 3, 0, 100 << 16, 100 | (100 << 16)}).bytes()
            << QList<Probe>{{{10, 80}, kRed}, {{80, 10}, kWhite}};
        // Two nested squares: alternate leaves the hole, winding fills it.
        QTest::newRow("polypolygon alternate")
            << Emf()
                   .redFill()
                   .rec(8, {0,   0,   0, 0,   2,  8,  4,  4,  0,  0,  100, 0,
                            100, 100, 0, 100, 25, 25, 75, 25, 75, 75, 25,  75})
                   .bytes()
            << QList<Probe>{{{10, 10}, kRed}, {{50, 50}, kWhite}};
        QTest::newRow("polypolygon winding")
            << Emf()
                   .redFill()
                   .rec(19, {2})
                   .rec(8, {0,   0,   0, 0,   2,  8,  4,  4,  0,  0,  100, 0,
                            100, 100, 0, 100, 25, 25, 75, 25, 75, 75, 25,  75})
                   .bytes()
            << QList<Probe>{{{10, 10}, kRed}, {{50, 50}, kRed}};
        QTest::newRow("stretch dib") << Emf().raw(stretchDiBits(0, 0, 100, 100)).bytes()
                                     << QList<Probe>{{{10, 10}, kRed},
                                                     {{90, 10}, qRgb(0, 255, 0)},
                                                     {{10, 90}, qRgb(0, 0, 255)},
                                                     {{90, 90}, kWhite}};
        QTest::newRow("stretch dib mirrored")
            << Emf().raw(stretchDiBits(100, 0, -100, 100)).bytes()
            << QList<Probe>{{{90, 10}, kRed}, {{10, 10}, qRgb(0, 255, 0)}};
        QTest::newRow("pattern blit with brush")
            << Emf()
                   .solidBrush(1, rgb(255, 0, 0))
                   .select(1)
                   .rec(76, {0, 0, 0,      0, 0, 0, 50, 100, 0x00F00021, 0, 0, f32(1),
                             0, 0, f32(1), 0, 0, 0, 0,  0,   0,          0, 0})
                   .bytes()
            << QList<Probe>{{{25, 50}, kRed}, {{75, 50}, kWhite}};
    }
    void emfRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<Probe>, probes);
        const QImage image = draw(bytes);
        for (const Probe& p : probes)
            QVERIFY2(near(image.pixel(p.at), p.colour),
                     qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                    .arg(p.at.x())
                                    .arg(p.at.y())
                                    .arg(image.pixel(p.at), 8, 16)));
    }

    void hatchedBrush_data() {
        QTest::addColumn<int>("bkMode");
        QTest::addColumn<bool>("background");
        QTest::newRow("opaque") << 2 << true;
        QTest::newRow("transparent") << 1 << false;
    }
    void hatchedBrush() {
        QFETCH(int, bkMode);
        QFETCH(bool, background);
        const QImage image = draw(Emf()
                                      .rec(18, {quint32(bkMode)})
                                      .rec(25, {rgb(255, 255, 0)})
                                      .rec(39, {1, 2, rgb(0, 0, 255), 4}) // cross hatch
                                      .select(1)
                                      .nullPen()
                                      .rectangle(0, 0, 100, 100)
                                      .bytes());
        int blue = 0, yellow = 0, white = 0;
        for (int y = 20; y < 80; ++y)
            for (int x = 20; x < 80; ++x) {
                const QRgb p = image.pixel(x, y);
                blue += near(p, qRgb(0, 0, 255), 60);
                yellow += near(p, qRgb(255, 255, 0), 60);
                white += near(p, kWhite, 60);
            }
        QVERIFY2(blue > 200, qPrintable(QString::number(blue)));
        QCOMPARE(yellow > 1000, background);
        QCOMPARE(white > 1000, !background);
    }

    void textAlignment_data() {
        QTest::addColumn<quint32>("align");
        QTest::addColumn<bool>("rightOfReference");
        QTest::addColumn<bool>("belowReference");
        QTest::newRow("left top") << 0u << true << true;
        QTest::newRow("right top") << 2u << false << true;
        QTest::newRow("left bottom") << 8u << true << false;
    }
    void textAlignment() {
        QFETCH(quint32, align);
        QFETCH(bool, rightOfReference);
        QFETCH(bool, belowReference);
        const QImage image = draw(Emf()
                                      .raw(font(1, -30))
                                      .select(1)
                                      .rec(22, {align})
                                      .rec(18, {1})
                                      .raw(textRecord(QStringLiteral("MM"), 50, 50))
                                      .bytes());
        const QRect ink = inked(image);
        QVERIFY2(ink.width() > 20 && ink.height() > 12,
                 qPrintable(QStringLiteral("%1x%2").arg(ink.width()).arg(ink.height())));
        QCOMPARE(ink.left() >= 48, rightOfReference);
        QCOMPARE(ink.right() <= 52, !rightOfReference);
        QCOMPARE(ink.top() >= 48, belowReference);
        QCOMPARE(ink.bottom() <= 52, !belowReference);
    }

    // The underline of text placed by its advances runs under the whole
    // extent, gaps between the letters included.
    void underlineSpansAdvances() {
        const QImage image = draw(Emf()
                                      .raw(font(1, -30, true))
                                      .select(1)
                                      .rec(18, {1})
                                      .raw(textRecord(QStringLiteral("ab"), 5, 20, {40, 40}))
                                      .bytes());
        int longest = 0;
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        QVERIFY2(longest >= 76, qPrintable(QString::number(longest)));
        QVERIFY(longest <= 82);
    }

    void wmfRecords_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<Probe>>("probes");
        QTest::newRow("rectangle") << Wmf().redFill().rectangle(10, 10, 90, 90).bytes()
                                   << QList<Probe>{{{50, 50}, kRed}, {{5, 5}, kWhite}};
        QTest::newRow("without placeable header")
            << Wmf()
                   .rec(0x020C, {200, 200}) // window 200 x 200
                   .redFill()
                   .rectangle(0, 0, 100, 100)
                   .bytes(false)
            << QList<Probe>{{{50, 50}, kRed}, {{150, 150}, kWhite}};
        QTest::newRow("window extent")
            << Wmf().rec(0x020C, {10, 10}).redFill().rectangle(0, 0, 5, 5).bytes()
            << QList<Probe>{{{40, 40}, kRed}, {{60, 60}, kWhite}};
        QTest::newRow("window origin")
            << Wmf().rec(0x020B, {50, 50}).redFill().rectangle(50, 50, 100, 100).bytes()
            << QList<Probe>{{{25, 25}, kRed}, {{75, 75}, kWhite}};
        QTest::newRow("intersect clip")
            << Wmf().redFill().rec(0x0416, {100, 50, 0, 0}).rectangle(0, 0, 100, 100).bytes()
            << QList<Probe>{{{25, 50}, kRed}, {{75, 50}, kWhite}};
        QTest::newRow("save and restore") << Wmf()
                                                 .redFill()
                                                 .rec(0x001E, {})
                                                 .rec(0x0416, {10, 10, 0, 0})
                                                 .rec(0x0127, {-1})
                                                 .rectangle(0, 0, 100, 100)
                                                 .bytes()
                                          << QList<Probe>{{{50, 50}, kRed}};
        QTest::newRow("polypolygon")
            << Wmf()
                   .redFill()
                   .rec(0x0538, {2, 3, 3, 0, 0, 50, 0, 0, 50, 100, 100, 50, 100, 100, 50})
                   .bytes()
            << QList<Probe>{{{10, 10}, kRed}, {{90, 90}, kRed}, {{80, 20}, kWhite}};
        QTest::newRow("deleted slot reused")
            << Wmf()
                   .solidBrush(rgb(0, 0, 255))
                   .rec(0x01F0, {0})
                   .solidBrush(rgb(255, 0, 0)) // takes slot 0 again
                   .select(0)
                   .nullPen()
                   .select(1)
                   .rectangle(0, 0, 100, 100)
                   .bytes()
            << QList<Probe>{{{50, 50}, kRed}};
        QTest::newRow("region clip")
            << Wmf()
                   .redFill()
                   // region: one scan 0..100 high with one span 0..50
                   .rec(0x06FF, {0, 6, 0, 0, 0, 1, 0, 0, 0, 50, 100, 2, 0, 100, 0, 50, 2})
                   .rec(0x012C, {2})
                   .rectangle(0, 0, 100, 100)
                   .bytes()
            << QList<Probe>{{{25, 50}, kRed}, {{75, 50}, kWhite}};
    }
    void wmfRecords() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<Probe>, probes);
        const Metafile m = Metafile::fromBytes(bytes);
        QCOMPARE(m.format(), Metafile::Format::Windows);
        const QImage image = draw(bytes, m.size().isEmpty() ? QSize(100, 100) : m.size());
        for (const Probe& p : probes)
            QVERIFY2(near(image.pixel(p.at), p.colour),
                     qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                    .arg(p.at.x())
                                    .arg(p.at.y())
                                    .arg(image.pixel(p.at), 8, 16)));
    }

    void sizes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("emf frame at 96 dpi") << Emf().bytes() << QSize(94, 94);
        QTest::newRow("placeable box") << Wmf().bytes() << QSize(100, 100);
        QTest::newRow("window extent")
            << Wmf().rec(0x020C, {300, 200}).bytes(false) << QSize(200, 300);
    }
    void sizes() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QCOMPARE(Metafile::fromBytes(bytes).size(), size);
    }

    void notMetafile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("hello, this is not a picture at all......");
        QTest::newRow("emf header cut") << Emf().bytes().left(80);
        QByteArray badSignature = Emf().bytes();
        badSignature[41] = 'X';
        QTest::newRow("emf signature") << badSignature;
        QByteArray headerPastEnd = Emf().bytes();
        qToLittleEndian(quint32(100000), headerPastEnd.data() + 4);
        QTest::newRow("emf header past end") << headerPastEnd;
        QByteArray wmfHeaderSize = Wmf().bytes();
        wmfHeaderSize[24] = 8;
        QTest::newRow("wmf header size") << wmfHeaderSize;
        QTest::newRow("placeable only") << Wmf().bytes().left(22);
        QTest::newRow("wmf cut header") << Wmf().bytes(false).left(12);
    }
    void notMetafile() {
        QFETCH(QByteArray, bytes);
        try {
            Metafile::fromBytes(bytes);
            QFAIL("accepted");
        } catch (const AppError& e) {
            QCOMPARE(e.text(), QStringLiteral("Metafile is not valid"));
        }
    }
};

TABDECK_TEST(MetafileRecordTest)
#include "MetafileRecordTest.moc"
