#include "ui/SteadyPaletteStyle.h"
#include "TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QStyleFactory>
#include <QTest>
// The cache's own measure of what it holds (Qt's testing hook).
#define Q_TEST_QPIXMAPCACHE
#include <QPixmapCache>

class SteadyPaletteStyleTest : public QObject {
    Q_OBJECT
private slots:
    // A highlighted menu item that the style recolours on each drawing: its
    // cached pixmaps are found again instead of added anew.
    void highlightedItemCachedOnce_data() {
        QTest::addColumn<bool>("submenu");
        QTest::newRow("checked item with a picture") << false;
        QTest::newRow("item opening a submenu") << true;
    }
    void highlightedItemCachedOnce() {
        QFETCH(bool, submenu);
        QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        if (!fusion)
            QSKIP("no Fusion style");
        SteadyPaletteStyle style(fusion);
        QMenu menu;
        menu.setStyle(&style);
        QAction* item = nullptr;
        if (submenu) {
            item = menu.addMenu(QStringLiteral("More"))->menuAction();
        } else {
            QPixmap picture(16, 16);
            picture.fill(Qt::darkBlue);
            item = menu.addAction(QIcon(picture), QStringLiteral("Table 1"));
            item->setCheckable(true);
            item->setChecked(true);
        }
        menu.addAction(QStringLiteral("Table 2"));
        menu.setActiveAction(item);
        QImage image(menu.sizeHint(), QImage::Format_ARGB32_Premultiplied);
        const auto paint = [&](int times) {
            for (int i = 0; i < times; ++i)
                menu.render(&image);
        };
        QPixmapCache::clear();
        paint(5);
        // The cache counts in steps of a megabyte and each new pixmap costs at
        // least a kilobyte: 4,000 drawings that each added one grew it by 3.
        const int before = QPixmapCache::totalUsed();
        paint(4000);
        const int grown = QPixmapCache::totalUsed() - before;
        QVERIFY2(grown <= 1, qPrintable(QStringLiteral("%1 MB more in the cache").arg(grown)));
    }

    // The shared palette is one object per set of colours and keeps the
    // colours and the colour group it was asked for.
    void sharedPalette() {
        SteadyPaletteStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette plain = QApplication::palette();
        QPalette recoloured = plain;
        recoloured.setBrush(QPalette::Button, QColor(1, 2, 3));
        QPalette again = plain;
        again.setBrush(QPalette::Button, QColor(1, 2, 3));
        QVERIFY(again.cacheKey() != recoloured.cacheKey());
        QCOMPARE(style.shared(again).cacheKey(), style.shared(recoloured).cacheKey());
        QCOMPARE(style.shared(again).button().color(), QColor(1, 2, 3));
        QCOMPARE(style.shared(plain), plain);
        QVERIFY(style.shared(plain).cacheKey() != style.shared(again).cacheKey());
        plain.setCurrentColorGroup(QPalette::Disabled);
        QCOMPARE(style.shared(plain).currentColorGroup(), QPalette::Disabled);
        QCOMPARE(style.sharedCount(), std::size_t(2));
        // Many colour sets: the table stays within its limit.
        for (int n = 0; n < 100; ++n) {
            QPalette p = plain;
            p.setBrush(QPalette::Button, QColor(n, n, n));
            QCOMPARE(style.shared(p).button().color(), QColor(n, n, n));
        }
        QCOMPARE(style.sharedCount(), SteadyPaletteStyle::MaxPalettes);
    }
};

TABDECK_TEST(SteadyPaletteStyleTest)
#include "SteadyPaletteStyleTest.moc"
