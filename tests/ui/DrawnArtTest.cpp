#include "ui/DrawnArt.h"
#include "TestRegistry.h"
#include "core/ColorText.h"
#include "ui/SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using drawnart::Art;

// The program's drawn pictures and the hide cursor, and how colour values
// of the control file appear on screen.
class DrawnArtTest : public QObject {
    Q_OBJECT
private slots:
    void pixmaps_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<qreal>("dpr");
        for (int a = 0; a < 4; ++a)
            for (qreal dpr : {1.0, 2.0})
                QTest::addRow("art %d at %g", a, dpr) << a << dpr;
    }
    void pixmaps() {
        QFETCH(int, art);
        QFETCH(qreal, dpr);
        const QPixmap pm = drawnart::pixmap(Art(art), 32, dpr);
        QCOMPARE(pm.size(), QSize(qRound(32 * dpr), qRound(32 * dpr)));
        QCOMPARE(pm.devicePixelRatio(), dpr);
        const QImage img = pm.toImage();
        int opaque = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                opaque += qAlpha(img.pixel(x, y)) == 255;
        QVERIFY(opaque > img.width() * img.height() / 5);
    }

    // The diskettes and the table picture are made of whole-unit boxes: at
    // both ratios every pixel is fully drawn or untouched, no blurred edge.
    void boxArtIsSharp_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<qreal>("dpr");
        for (int a : {int(Art::MoveHandle), int(Art::TableItem)})
            for (qreal dpr : {1.0, 2.0})
                QTest::addRow("art %d at %g", a, dpr) << a << dpr;
    }
    void boxArtIsSharp() {
        QFETCH(int, art);
        QFETCH(qreal, dpr);
        const QImage img = drawnart::pixmap(Art(art), 32, dpr).toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const int a = qAlpha(img.pixel(x, y));
                QVERIFY2(a == 0 || a == 255, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        // Ratio 2 is the same design at twice the pixels.
        if (dpr == 2.0) {
            const QImage one = drawnart::pixmap(Art(art), 32, 1.0).toImage();
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    QCOMPARE(img.pixel(2 * x, 2 * y), one.pixel(x, y));
        }
    }

    void hideCursor() {
        for (int scale : {1, 2}) {
            const QImage bits = drawnart::hideCursorBitmap(scale).toImage();
            const QImage mask = drawnart::hideCursorMask(scale).toImage();
            QCOMPARE(bits.size(), QSize(32 * scale, 32 * scale));
            QCOMPARE(mask.size(), bits.size());
            QCOMPARE(bits.depth(), 1);
            // The hot spot is a visible black pixel.
            QCOMPARE(QColor(bits.pixel(0, 0)), QColor(Qt::black));
            QCOMPARE(QColor(mask.pixel(0, 0)), QColor(Qt::black));
            int black = 0, white = 0;
            for (int y = 0; y < bits.height(); ++y)
                for (int x = 0; x < bits.width(); ++x) {
                    const bool isBlack = QColor(bits.pixel(x, y)) == QColor(Qt::black);
                    const bool isOpaque = QColor(mask.pixel(x, y)) == QColor(Qt::black);
                    if (isBlack)
                        QVERIFY(isOpaque); // nothing black outside the mask
                    black += isBlack;
                    white += isOpaque && !isBlack;
                }
            // Outlined letters: white fill inside black outlines.
            QVERIFY(white > 60 * scale * scale);
            QVERIFY(black > 100 * scale * scale);
            // Inside the H's left stem (white) and just left of it (outline).
            QCOMPARE(QColor(bits.pixel(1 * scale, 15 * scale)), QColor(Qt::white));
            QCOMPARE(QColor(mask.pixel(1 * scale, 15 * scale)), QColor(Qt::black));
            QCOMPARE(QColor(bits.pixel(0, 15 * scale)), QColor(Qt::black));
        }
        const QCursor c = drawnart::hideCursor(1.0);
        QCOMPARE(c.shape(), Qt::BitmapCursor);
        QCOMPARE(c.hotSpot(), QPoint(0, 0));
    }

    void systemColourRoles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("clBtnFace") << "clBtnFace" << int(QPalette::Button);
        QTest::newRow("clWindow") << "clWindow" << int(QPalette::Base);
        QTest::newRow("clWindowText") << "clWindowText" << int(QPalette::Text);
        QTest::newRow("clHighlight") << "clHighlight" << int(QPalette::Highlight);
        QTest::newRow("clHighlightText") << "clHighlightText" << int(QPalette::HighlightedText);
        QTest::newRow("clInfoBk") << "clInfoBk" << int(QPalette::ToolTipBase);
        QTest::newRow("clInfoText") << "clInfoText" << int(QPalette::ToolTipText);
        QTest::newRow("clBtnText") << "clBtnText" << int(QPalette::ButtonText);
        QTest::newRow("clBtnShadow") << "clBtnShadow" << int(QPalette::Dark);
        QTest::newRow("clBtnHighlight") << "clBtnHighlight" << int(QPalette::Light);
        QTest::newRow("clDefault") << "clDefault" << int(QPalette::Button);
    }
    void systemColourRoles() {
        QFETCH(QString, name);
        QFETCH(int, role);
        const uint32_t value = colortext::decode(name);
        const auto r = systemcolors::roleOf(value);
        QVERIFY(r);
        QCOMPARE(int(r->role), role);
        QPalette pal;
        pal.setColor(QPalette::ColorRole(role), QColor(1, 2, 3));
        QCOMPARE(systemcolors::resolve(value, pal), QColor(1, 2, 3));
    }

    void fixedColours() {
        QVERIFY(!systemcolors::roleOf(0x000080FF));
        QCOMPARE(systemcolors::resolve(0x000080FF, QPalette()), QColor(255, 128, 0));
        QCOMPARE(systemcolors::resolve(colortext::decode("clNavy"), QPalette()), QColor(0, 0, 128));
    }

    void systemColourFollowsTheTheme() {
        QWidget parent;
        auto* w = new QWidget(&parent);
        systemcolors::paintBackground(w, colortext::BtnFace);
        QVERIFY(w->autoFillBackground());
        QCOMPARE(w->backgroundRole(), QPalette::Button);
        QPalette themed = parent.palette();
        themed.setColor(QPalette::Button, QColor(10, 20, 30));
        parent.setPalette(themed);
        QCOMPARE(w->palette().color(w->backgroundRole()), QColor(10, 20, 30));
        // A fixed colour does not follow.
        systemcolors::paintBackground(w, 0x0000FF00);
        themed.setColor(QPalette::Window, QColor(1, 1, 1));
        parent.setPalette(themed);
        QCOMPARE(w->palette().color(w->backgroundRole()), QColor(0, 255, 0));
        QCOMPARE(systemcolors::backgroundValue(w), 0x0000FF00u);
        systemcolors::clearBackground(w);
        QVERIFY(!w->autoFillBackground());
    }
};

TABDECK_TEST(DrawnArtTest)
#include "DrawnArtTest.moc"
