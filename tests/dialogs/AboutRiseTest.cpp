#include "dialogs/AboutRise.h"
#include "TestRegistry.h"

#include <QTest>

// The about box's rise step by step, and every reset: a new showing,
// closing, the second icon's click.
class AboutRiseTest : public QObject {
    Q_OBJECT
private slots:
    void riseAndResets() {
        AboutRise rise;
        rise.shown();
        QVERIFY(!rise.secondVisible() && !rise.running());
        QCOMPARE(rise.top(), 120);
        rise.productClicked();
        QVERIFY(rise.secondVisible() && rise.running());
        for (int tick = 1; tick <= 10; ++tick) {
            rise.timerTick();
            QCOMPARE(rise.top(), 120 - 3 * tick);
            QVERIFY(rise.running());
        }
        rise.timerTick();
        QCOMPARE(rise.top(), 87);
        QVERIFY(!rise.running() && rise.secondVisible());
        // Clicked again without a new showing: nothing moves, the timer stops.
        rise.productClicked();
        rise.timerTick();
        QCOMPARE(rise.top(), 87);
        QVERIFY(!rise.running());
        rise.closed();
        QVERIFY(!rise.secondVisible() && !rise.running());
        QCOMPARE(rise.top(), 120);

        rise.shown();
        QCOMPARE(rise.tick(), 0);
        rise.productClicked();
        rise.timerTick();
        QCOMPARE(rise.top(), 117);
        rise.secondClicked();
        QVERIFY(!rise.secondVisible() && !rise.running());
        QCOMPARE(rise.top(), 120);
        QCOMPARE(rise.tick(), 0);
    }
};

TABDECK_TEST(AboutRiseTest)
#include "AboutRiseTest.moc"
