#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/Placement.h"

#include <QLabel>
#include <QTest>

using startuptest::Strip;

// The move handle's and the hide bar's pointer events on the real strip
// reach its placement, and the bar shows what the placement tells it.
class PlacementEventsTest : public QObject {
    Q_OBJECT

    static void showAt(Strip& s, QPoint at) {
        s.form->move(at);
        s.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
        s.form->move(at);
    }

private slots:
    void dragByRealPointer() {
        Strip s;
        showAt(s, QPoint(200, 300));
        s.file->write("POS", "Top", "300");
        QTest::mousePress(s.form->imageMove(), Qt::LeftButton, {}, QPoint(10, 10));
        // The pointer is 50 pixels right of the grabbed point.
        QTest::mouseMove(s.form->imageMove(), QPoint(60, 10));
        QTest::mouseRelease(s.form->imageMove(), Qt::LeftButton, {}, QPoint(60, 10));
        QCOMPARE(s.form->pos(), QPoint(250, 300));
        QCOMPARE(s.read("POS", "Left"), QStringLiteral("250"));
        QCOMPARE(s.read("POS", "Top"), QStringLiteral("300"));
    }

    void clickHides() {
        Strip s;
        showAt(s, QPoint(200, 300));
        QTest::mouseClick(s.form->labelHide(), Qt::LeftButton, {}, QPoint(3, 20));
        QCOMPARE(s.form->pos().x(), Placement::leftEdge() - 611);
        QVERIFY(s.form->placement().hideBarRed());
        QVERIFY(s.form->labelHide()->autoFillBackground());
    }

    // The bar is painted red only while the placement says so, and carries
    // the hint the placement gives it.
    void barShowsThePlacement() {
        Strip s;
        s.form->move(200, 300);
        Placement& placement = s.form->placement();
        placement.markHideBar();
        QVERIFY(s.form->labelHide()->autoFillBackground());
        QCOMPARE(s.form->labelHide()->palette().color(s.form->labelHide()->backgroundRole()),
                 QColor(Qt::red));
        placement.unmarkHideBar();
        QVERIFY(!s.form->labelHide()->autoFillBackground());
        QVERIFY(!placement.hideBarRed());
        placement.touchHideBar();
        QCOMPARE(s.form->labelHide()->toolTip(), QStringLiteral("Click to Hide"));
    }
};

TABDECK_TEST(PlacementEventsTest)
#include "PlacementEventsTest.moc"
