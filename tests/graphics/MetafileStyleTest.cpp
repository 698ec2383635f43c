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

struct PenCase {
    quint32 style;
    double width;
    bool extended;
    QVector<qreal> dashes;
    double pixelsPerUnit;
    int penStyle;
    double penWidth;
    QVector<qreal> pattern;
    int alpha;
};

} // namespace

Q_DECLARE_METATYPE(PenCase)

// How pens dash and how text records are ordered and placed.
class MetafileStyleTest : public QObject {
    Q_OBJECT
private slots:
    void pens_data() {
        QTest::addColumn<PenCase>("c");
        const int solid = Qt::SolidLine, dashed = Qt::CustomDashLine;
        QTest::newRow("old wide dashed pen is solid")
            << PenCase{1, 16, false, {}, 1, solid, 16, {}, 255};
        QTest::newRow("old one-unit dash counts pixels")
            << PenCase{1, 1, false, {}, 8, dashed, 0, {18, 6}, 255};
        QTest::newRow("old dash dot dot")
            << PenCase{4, 0, false, {}, 1, dashed, 0, {9, 3, 3, 3, 3, 3}, 255};
        QTest::newRow("cosmetic alternate stays one pixel")
            << PenCase{8, 5, true, {}, 3, dashed, 0, {1, 1}, 255};
        QTest::newRow("cosmetic odd user style repeats")
            << PenCase{7, 1, true, {2, 1, 4}, 5, dashed, 0, {2, 1, 4, 2, 1, 4}, 255};
        QTest::newRow("geometric dash in widths")
            << PenCase{0x10201, 16, true, {}, 1, dashed, 16, {3, 1}, 255};
        QTest::newRow("geometric user style in logical units")
            << PenCase{0x12207, 200, true, {300, 150}, 0.08, dashed, 200, {1.5, 0.75}, 255};
        QTest::newRow("sub-pixel user style averages")
            << PenCase{0x12207, 100, true, {1, 3}, 0.1, solid, 100, {}, 64};
        QTest::newRow("capped sub-pixel dashes close their gaps")
            << PenCase{0x10007, 200, true, {3, 3}, 0.08, solid, 200, {}, 255};
    }
    void pens() {
        QFETCH(PenCase, c);
        PenSpec spec;
        spec.style = c.style;
        spec.width = c.width;
        spec.extended = c.extended;
        spec.dashes = c.dashes;
        PenTarget target;
        target.color = Qt::black;
        target.pixelsPerUnit = c.pixelsPerUnit;
        const QPen pen = metafile::strokePen(spec, target);
        QCOMPARE(int(pen.style()), c.penStyle);
        QCOMPARE(pen.widthF(), c.penWidth);
        if (c.penStyle == Qt::CustomDashLine)
            QCOMPARE(pen.dashPattern(), c.pattern);
        QVERIFY2(std::abs(pen.color().alpha() - c.alpha) <= 1,
                 qPrintable(QString::number(pen.color().alpha())));
    }

    // Advances of 100 give each character a cell of its own, so a glyph's x
    // says which cell, in visual order, it was given.
    void textPlacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("probed");
        QTest::addColumn<QList<int>>("cells");
        QTest::newRow("hebrew, first letter rightmost")
            << QStringLiteral(u"\u05e9\u05dc\u05d5\u05dd") << true
            << QStringLiteral(u"\u05e9\u05dc\u05d5\u05dd") << QList<int>{3, 2, 1, 0};
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
        QCOMPARE(joined.runs().size(), 1);
        QCOMPARE(joined.runs()[0].glyphIndexes().size(), 1);
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
