#include "ui/HintRouter.h"
#include "TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <vector>

namespace {
// Seven hidden windows with a status bar each, as the tool windows have.
struct Bars {
    std::vector<std::unique_ptr<QWidget>> windows;
    HintRouter router;
    Bars() {
        for (int i = 0; i < 7; ++i) {
            auto w = std::make_unique<QWidget>();
            auto* layout = new QVBoxLayout(w.get());
            auto* bar = new QStatusBar(w.get());
            bar->setObjectName(QStringLiteral("StatusBar1"));
            layout->addWidget(bar);
            router.addStatusBar(bar);
            windows.push_back(std::move(w));
        }
        router.install();
    }
    QStringList texts() const {
        QStringList out;
        for (QStatusBar* b : router.statusBars())
            out << b->currentMessage();
        return out;
    }
    QStringList all(const QString& text) const { return QStringList(7, text); }
};
} // namespace

class HintRouterTest : public QObject {
    Q_OBJECT
private slots:
    void parts_data() {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortText");
        QTest::addColumn<QString>("longText");
        QTest::newRow("plain") << "Open Table"
                               << "Open Table"
                               << "Open Table";
        QTest::newRow("both") << "Exit|Leave the program"
                              << "Exit"
                              << "Leave the program";
        QTest::newRow("first bar splits") << "a|b|c"
                                          << "a"
                                          << "b|c";
        QTest::newRow("empty short") << "|only long"
                                     << ""
                                     << "only long";
        QTest::newRow("empty long") << "only short|"
                                    << "only short"
                                    << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void parts() {
        QFETCH(QString, hint);
        QFETCH(QString, shortText);
        QFETCH(QString, longText);
        QCOMPARE(hints::shortPart(hint), shortText);
        QCOMPARE(hints::longPart(hint), longText);
        QWidget w;
        hints::set(&w, hint);
        QCOMPARE(w.toolTip(), shortText);
        QCOMPARE(w.statusTip(), longText);
        QCOMPARE(hints::of(&w), hint);
    }

    void tooltipBreaksLines() {
        QWidget w;
        hints::set(&w, QStringLiteral("Right Click for Menu.\rOr Drag & Drop."));
        QCOMPARE(w.toolTip(), QStringLiteral("Right Click for Menu.\nOr Drag & Drop."));
    }

    void controlHintsReachEveryBar() {
        Bars bars;
        QWidget window;
        auto* control = new QWidget(&window);
        hints::set(control, QStringLiteral("Exit|Left Click to Exit"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(control, &enter);
        QCOMPARE(bars.texts(), bars.all(QStringLiteral("Left Click to Exit")));
        QCOMPARE(bars.router.current(), QStringLiteral("Left Click to Exit"));
        // Leaving every hinted control empties the bars.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
        QCOMPARE(bars.texts(), bars.all(QString()));
    }

    void menuItemHintsReachEveryBar() {
        Bars bars;
        QWidget owner;
        auto* menu = new QMenu(&owner);
        QAction* first = menu->addAction(QStringLiteral("Table 1"));
        QAction* second = menu->addAction(QStringLiteral("Close"));
        hints::set(first, QStringLiteral("Open Table"));
        hints::set(second, QStringLiteral("Close the Menu"));
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTest::mouseMove(menu, menu->actionGeometry(second).center());
        QTRY_COMPARE(bars.texts(), bars.all(QStringLiteral("Close the Menu")));
        QTest::mouseMove(menu, menu->actionGeometry(first).center());
        QTRY_COMPARE(bars.texts(), bars.all(QStringLiteral("Open Table")));
        QVERIFY(!menu->toolTipsVisible());
        menu->close();
    }

    void barsKeepTheirOrderAndVanishSafely() {
        Bars bars;
        QList<QStatusBar*> before = bars.router.statusBars();
        QCOMPARE(before.size(), 7);
        bars.windows[2].reset(); // a window going away
        QCOMPARE(bars.router.statusBars().size(), 6);
        bars.router.route(QStringLiteral("still works"));
        QCOMPARE(bars.router.statusBars().first()->currentMessage(), QStringLiteral("still works"));
        QCOMPARE(bars.router.statusBars().first(), before.first());
    }
};

TABDECK_TEST(HintRouterTest)
#include "HintRouterTest.moc"
