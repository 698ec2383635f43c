#include "TestRegistry.h"
#include "graphics/MetafilePen.h"
#include "graphics/MetafileText.h"

#include <QRawFont>
#include <QTest>

using metafile::PenSpec;
using metafile::PenTarget;
using metafile::ShapedText;

namespace {

// The x of the glyph the font gives ch on its own, or NaN when no run has it.
qreal glyphX(const ShapedText& shaped, QChar ch) {
    for (const QGlyphRun& run : shaped.runs()) {
        const QList<quint32> wanted = run.rawFont().glyphIndexesForString(QString(ch));
        const QList<quint32> glyphs = run.glyphIndexes();
        for (int i = 0; i < glyphs.size() && !wanted.isEmpty(); ++i)
            if (glyphs[i] == wanted[0])
                return run.positions()[i].x();
    }
    return qQNaN();
}

int glyphCount(const ShapedText& shaped) {
    int n = 0;
    for (const QGlyphRun& run : shaped.runs())
        n += int(run.glyphIndexes().size());
    return n;
}

} // namespace

// How pens dash and how text records are ordered and placed.
class MetafileStyleTest : public QObject {
    Q_OBJECT
private slots:
    void pens_data() {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QVector<qreal>>("dashes");
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addColumn<bool>("dashable");
        QTest::addColumn<int>("penStyle");
        QTest::addColumn<double>("penWidth");
        QTest::addColumn<QVector<qreal>>("pattern");
        QTest::addColumn<int>("alpha");
        using V = QVector<qreal>;
        const int solid = Qt::SolidLine, custom = Qt::CustomDashLine;
        QTest::newRow("old wide dashed pen is solid")
            << 1u << 16.0 << false << V{} << 1.0 << true << solid << 16.0 << V{} << 255;
        QTest::newRow("old wide dotted pen is solid")
            << 2u << 2.0 << false << V{} << 1.0 << true << solid << 2.0 << V{} << 255;
        QTest::newRow("old one-unit dash counts pixels")
            << 1u << 1.0 << false << V{} << 8.0 << true << custom << 0.0 << V{18, 6} << 255;
        QTest::newRow("old dot") << 2u << 0.0 << false << V{} << 1.0 << true << custom << 0.0
                                 << V{3, 3} << 255;
        QTest::newRow("old dash dot dot") << 4u << 0.0 << false << V{} << 1.0 << true << custom
                                          << 0.0 << V{9, 3, 3, 3, 3, 3} << 255;
        QTest::newRow("cosmetic alternate")
            << 8u << 1.0 << true << V{} << 3.0 << true << custom << 0.0 << V{1, 1} << 255;
        QTest::newRow("cosmetic pen stays one pixel")
            << 1u << 5.0 << true << V{} << 1.0 << true << custom << 0.0 << V{18, 6} << 255;
        QTest::newRow("cosmetic user style in pixels")
            << 7u << 1.0 << true << V{2, 1, 4} << 5.0 << true << custom << 0.0
            << V{2, 1, 4, 2, 1, 4} << 255;
        QTest::newRow("geometric dash in widths")
            << 0x10201u << 16.0 << true << V{} << 1.0 << true << custom << 16.0 << V{3, 1} << 255;
        QTest::newRow("geometric dash dot") << 0x10003u << 4.0 << true << V{} << 1.0 << true
                                            << custom << 4.0 << V{3, 1, 1, 1} << 255;
        QTest::newRow("geometric alternate is solid")
            << 0x10008u << 4.0 << true << V{} << 1.0 << true << solid << 4.0 << V{} << 255;
        QTest::newRow("geometric user style in logical units")
            << 0x12207u << 200.0 << true << V{300, 150} << 0.08 << true << custom << 200.0
            << V{1.5, 0.75} << 255;
        QTest::newRow("sub-pixel user style averages")
            << 0x12207u << 200.0 << true << V{3, 3} << 0.08 << true << solid << 200.0 << V{} << 128;
        QTest::newRow("sub-pixel one in four")
            << 0x10207u << 100.0 << true << V{1, 3} << 0.1 << true << solid << 100.0 << V{} << 64;
        QTest::newRow("capped sub-pixel dashes close their gaps")
            << 0x10007u << 200.0 << true << V{3, 3} << 0.08 << true << solid << 200.0 << V{} << 255;
        QTest::newRow("too long to dash")
            << 1u << 0.0 << false << V{} << 1.0 << false << solid << 0.0 << V{} << 255;
        QTest::newRow("null pen") << 5u << 3.0 << true << V{} << 1.0 << true << int(Qt::NoPen)
                                  << 0.0 << V{} << 0;
    }
    void pens() {
        QFETCH(quint32, style);
        QFETCH(double, width);
        QFETCH(bool, extended);
        QFETCH(QVector<qreal>, dashes);
        QFETCH(double, pixelsPerUnit);
        QFETCH(bool, dashable);
        QFETCH(int, penStyle);
        QFETCH(double, penWidth);
        QFETCH(QVector<qreal>, pattern);
        QFETCH(int, alpha);
        PenSpec spec;
        spec.style = style;
        spec.width = width;
        spec.extended = extended;
        spec.dashes = dashes;
        PenTarget target;
        target.color = Qt::black;
        target.pixelsPerUnit = pixelsPerUnit;
        target.dashes = dashable;
        const QPen pen = metafile::strokePen(spec, target);
        QCOMPARE(int(pen.style()), penStyle);
        if (penStyle == Qt::NoPen)
            return;
        QCOMPARE(pen.widthF(), penWidth);
        if (penStyle == Qt::CustomDashLine)
            QCOMPARE(pen.dashPattern(), pattern);
        QVERIFY2(std::abs(pen.color().alpha() - alpha) <= 1,
                 qPrintable(QString::number(pen.color().alpha())));
    }

    // Advances of 100 give each character a cell of its own, so a glyph's x
    // says which cell, in visual order, it was given.
    void textPlacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("probed");
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("left to right")
            << QStringLiteral("abc") << false << QStringLiteral("abc") << QList<int>{0, 1, 2};
        QTest::newRow("hebrew, first letter rightmost")
            << QStringLiteral(u"\u05e9\u05dc\u05d5\u05dd") << true
            << QStringLiteral(u"\u05e9\u05dc\u05d5\u05dd") << QList<int>{3, 2, 1, 0};
        QTest::newRow("hebrew without the reading flag is still reordered")
            << QStringLiteral(u"\u05d0\u05d1") << false << QStringLiteral(u"\u05d0\u05d1")
            << QList<int>{1, 0};
        QTest::newRow("digits keep their order inside hebrew")
            << QStringLiteral(u"\u05d0\u05d1 12") << true << QStringLiteral(u"\u05d0\u05d112")
            << QList<int>{4, 3, 0, 1};
    }
    void textPlacement() {
        QFETCH(QString, text);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, probed);
        QFETCH(QList<int>, cells);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(40);
        const ShapedText shaped(text, font, rightToLeft, QVector<qreal>(text.size(), 100), 0);
        QCOMPARE(shaped.width(), 100.0 * text.size());
        for (int i = 0; i < probed.size(); ++i) {
            const qreal x = glyphX(shaped, probed[i]);
            QVERIFY2(x >= cells[i] * 100 && x < cells[i] * 100 + 100,
                     qPrintable(QStringLiteral("%1 at %2").arg(i).arg(x)));
        }
    }

    // A ligature takes the cells of all its characters; text without
    // advances keeps the font's widths plus the extra spacing.
    void clusters() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(40);
        const QString lamAlef = QStringLiteral(u"\u0644\u0627");
        const ShapedText joined(lamAlef, font, true, {50, 70}, 0);
        QCOMPARE(glyphCount(joined), 1);
        QCOMPARE(joined.width(), 120.0);
        const qreal x = joined.runs()[0].positions()[0].x();
        QVERIFY2(x > 0 && x < 120, qPrintable(QString::number(x)));

        const ShapedText plain(QStringLiteral("ab"), font, false, {}, 0);
        const ShapedText spaced(QStringLiteral("ab"), font, false, {}, 10);
        QCOMPARE(spaced.width(), plain.width() + 20);
        QCOMPARE(glyphX(spaced, QLatin1Char('b')), glyphX(plain, QLatin1Char('b')) + 10);
    }
};

TABDECK_TEST(MetafileStyleTest)
#include "MetafileStyleTest.moc"
