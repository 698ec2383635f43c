#include "platform/ScreenGeometry.h"
#include "TestRegistry.h"

#include <QTest>

using Screens = QList<QRect>;

namespace {
// A wide screen with a smaller one to its right, bottoms not aligned.
const QRect Left(0, 0, 1920, 1080);
const QRect Right(1920, 0, 1280, 1024);
const QRect Strip(0, 0, 622, 52);
} // namespace

class ScreenGeometryTest : public QObject {
    Q_OBJECT
private slots:
    // A stored place brought back wholly onto one screen, at any scale: the
    // screens and the strip in the toolkit's pixels, as Qt gives them.
    void ontoOneScreen_data() {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QPoint>("expected");
        // 1280 x 1024 at scale 2, the strip 622 x 51 (1244 x 102 device pixels).
        const Screens scaled{QRect(0, 0, 640, 512)};
        const QSize strip(622, 51);
        QTest::newRow("on the first")
            << Screens{Left, Right} << QRect(100, 200, 622, 52) << QPoint(100, 200);
        QTest::newRow("on the second")
            << Screens{Left, Right} << QRect(2500, 900, 622, 52) << QPoint(2500, 900);
        QTest::newRow("at the right and bottom edges")
            << Screens{Left} << QRect(1298, 1028, 622, 52) << QPoint(1298, 1028);
        QTest::newRow("one pixel past the right edge")
            << Screens{Left} << QRect(1299, 500, 622, 52) << QPoint(1298, 500);
        QTest::newRow("one pixel past the bottom edge")
            << Screens{Left} << QRect(100, 1029, 622, 52) << QPoint(100, 1028);
        QTest::newRow("one pixel past the left edge")
            << Screens{Left} << QRect(-1, 500, 622, 52) << QPoint(0, 500);
        QTest::newRow("one pixel past the top edge")
            << Screens{Left} << QRect(100, -1, 622, 52) << QPoint(100, 0);
        QTest::newRow("one pixel on")
            << Screens{Left} << QRect(1919, 500, 622, 52) << QPoint(1920 - 622, 500);
        // Across two screens: onto the one holding more of it.
        QTest::newRow("mostly on the second")
            << Screens{Left, Right} << QRect(1700, 500, 622, 52) << QPoint(1920, 500);
        QTest::newRow("mostly on the first")
            << Screens{Left, Right} << QRect(1500, 500, 622, 52) << QPoint(1920 - 622, 500);
        QTest::newRow("second gone")
            << Screens{Left} << QRect(2500, 900, 622, 52) << QPoint(1920 - 622, 900);
        QTest::newRow("above and left")
            << Screens{Left, Right} << QRect(-5000, -300, 622, 52) << QPoint(0, 0);
        // Below the smaller screen, beside the taller one: the nearer screen wins.
        QTest::newRow("under the small screen")
            << Screens{Left, Right} << QRect(2000, 1050, 622, 52) << QPoint(2000, 1024 - 52);
        QTest::newRow("far under the small screen")
            << Screens{Left, Right} << QRect(2600, 3000, 622, 52) << QPoint(3200 - 622, 1024 - 52);
        QTest::newRow("wider than the screen")
            << Screens{QRect(0, 0, 400, 300)} << QRect(900, 900, 622, 52) << QPoint(0, 300 - 52);
        QTest::newRow("scale 2: Top 486")
            << scaled << QRect(QPoint(9, 486), strip) << QPoint(9, 461);
        QTest::newRow("scale 2: at the bottom edge")
            << scaled << QRect(QPoint(9, 461), strip) << QPoint(9, 461);
        QTest::newRow("scale 2: a place for scale 1")
            << scaled << QRect(QPoint(329, 486), strip) << QPoint(18, 461);
        QTest::newRow("scale 2: at the right edge")
            << scaled << QRect(QPoint(18, 0), strip) << QPoint(18, 0);
        QTest::newRow("no screen") << Screens{} << QRect(9000, 9000, 622, 52) << QPoint(9000, 9000);
    }
    void ontoOneScreen() {
        QFETCH(Screens, screens);
        QFETCH(QRect, rect);
        QFETCH(QPoint, expected);
        QCOMPARE(screengeometry::ontoOneScreen(rect, screens), expected);
        if (!screens.isEmpty()) // and on the screen it is on, it stays
            QCOMPARE(screengeometry::ontoOneScreen(QRect(expected, rect.size()), screens),
                     expected);
    }

    void leftEdgeAt_data() {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("expected");
        QTest::newRow("side by side") << Screens{Right, Left} << 500 << 0;
        // Below the short left screen only the right one spans the row.
        const QRect shortLeft(0, 0, 1920, 600);
        QTest::newRow("row of the taller one") << Screens{shortLeft, Right} << 700 << 1920;
        QTest::newRow("last row of the short one") << Screens{shortLeft, Right} << 599 << 0;
        QTest::newRow("no screen in the row") << Screens{Left} << 5000 << -7;
    }
    void leftEdgeAt() {
        QFETCH(Screens, screens);
        QFETCH(int, y);
        QFETCH(int, expected);
        QCOMPARE(screengeometry::leftEdgeAt(y, screens, -7), expected);
    }

    // A tool window of any size against the strip's places: clear of the
    // strip where any place is, else covering the least of it.
    void besideStrip_data() {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QRect>("strip");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("expected");
        const QSize w(600, 400);
        // The German file manager with its title bar, on 1280 x 1024.
        const QSize files(696, 468);
        const Screens small{QRect(0, 0, 1280, 1024)};
        QTest::newRow("strip clear of the centre")
            << Screens{Left} << Strip.translated(0, 10) << w << QPoint(660, 340);
        QTest::newRow("strip in the middle: below it")
            << Screens{Left} << Strip.translated(650, 500) << w << QPoint(660, 552);
        QTest::newRow("no room below: above it")
            << Screens{Left} << Strip.translated(650, 700) << w << QPoint(660, 300);
        // The strip's screen, not the primary one, is the one centred on.
        QTest::newRow("on the second screen")
            << Screens{Left, Right} << Strip.translated(2500, 10) << w << QPoint(2260, 312);
        QTest::newRow("strip hidden at the edge")
            << Screens{Left} << Strip.translated(-611, 500) << w << QPoint(660, 340);
        QTest::newRow("wide window, strip in the middle")
            << small << Strip.translated(329, 486) << files << QPoint(292, 538);
        QTest::newRow("wide window, strip high")
            << small << Strip.translated(329, 300) << files << QPoint(292, 352);
        QTest::newRow("wide window, last row below")
            << small << Strip.translated(329, 1024 - 52 - 468) << files << QPoint(292, 1024 - 468);
        QTest::newRow("wide window, one row short below: above")
            << small << Strip.translated(329, 1024 - 52 - 467) << files << QPoint(292, 37);
        // Neither above nor below fits: beside it, on the side with more room.
        QTest::newRow("tall window: right of the strip")
            << small << Strip.translated(100, 400) << QSize(500, 800) << QPoint(722, 112);
        QTest::newRow("tall window: left of the strip")
            << small << Strip.translated(600, 400) << QSize(500, 800) << QPoint(100, 112);
        // No place is clear: the side that covers least of the strip.
        QTest::newRow("no room at all")
            << Screens{QRect(0, 0, 800, 600)} << Strip.translated(0, 280) << QSize(700, 560)
            << QPoint(100, 20);
    }
    void besideStrip() {
        QFETCH(Screens, screens);
        QFETCH(QRect, strip);
        QFETCH(QSize, window);
        QFETCH(QPoint, expected);
        const QPoint at = screengeometry::besideStrip(window, strip, screens);
        QCOMPARE(at, expected);
    }

    // The find list: at the strip's left edge, below it, else above it.
    void underStrip_data() {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QRect>("strip");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("room below")
            << Screens{Left} << Strip.translated(300, 100) << QPoint(300, 152);
        QTest::newRow("last row fits below")
            << Screens{Left} << Strip.translated(300, 1080 - 52 - 200) << QPoint(300, 1080 - 200);
        QTest::newRow("one row short: above")
            << Screens{Left} << Strip.translated(300, 1080 - 52 - 199) << QPoint(300, 629);
        QTest::newRow("on the second screen, its bottom lower")
            << Screens{Left, Right} << Strip.translated(2000, 1000 - 52 - 150) << QPoint(2000, 598);
        QTest::newRow("strip past the right edge: list kept on screen")
            << Screens{Left} << Strip.translated(1700, 100) << QPoint(1920 - 400, 152);
        QTest::newRow("hidden at the left edge")
            << Screens{Left} << Strip.translated(-611, 100) << QPoint(0, 152);
    }
    void underStrip() {
        QFETCH(Screens, screens);
        QFETCH(QRect, strip);
        QFETCH(QPoint, expected);
        QCOMPARE(screengeometry::underStrip(QSize(400, 200), strip, screens), expected);
    }

    // Two tool windows never open at the same place, nor over the strip.
    void apart_data() {
        using Rects = QList<QRect>;
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<Rects>("open");
        QTest::addColumn<QPoint>("expected");
        const QSize w(400, 300);
        QTest::newRow("alone") << QPoint(760, 390) << Rects{} << QPoint(760, 390);
        QTest::newRow("another elsewhere")
            << QPoint(760, 390) << Rects{QRect(100, 100, 400, 300)} << QPoint(760, 390);
        QTest::newRow("another there")
            << QPoint(760, 390) << Rects{QRect(QPoint(760, 390), w)} << QPoint(792, 422);
        // Almost there is there: the windows would hide each other's caption.
        QTest::newRow("another 7 px off")
            << QPoint(760, 390) << Rects{QRect(QPoint(765, 392), w)} << QPoint(792, 422);
        QTest::newRow("two there")
            << QPoint(760, 390)
            << Rects{QRect(QPoint(760, 390), w), QRect(QPoint(792, 422), QSize(200, 100))}
            << QPoint(824, 454);
        // At the screen's corner the step goes up and left instead.
        QTest::newRow("at the bottom right")
            << QPoint(1520, 780) << Rects{QRect(QPoint(1520, 780), w)} << QPoint(1488, 748);
        // Below the strip at (0, 0, 622, 52) there is no stepping up over it.
        QTest::newRow("under the strip, screen end below")
            << QPoint(100, 60) << Rects{QRect(QPoint(100, 60), QSize(400, 1020))}
            << QPoint(132, 92);
    }
    void apart() {
        QFETCH(QPoint, wanted);
        QFETCH(QList<QRect>, open);
        QFETCH(QPoint, expected);
        const QSize size =
            open.isEmpty() || open.first().height() < 1000 ? QSize(400, 300) : QSize(400, 1020);
        QCOMPARE(screengeometry::apart(wanted, size, open, Strip, Left), expected);
    }
};

TABDECK_TEST(ScreenGeometryTest)
#include "ScreenGeometryTest.moc"
