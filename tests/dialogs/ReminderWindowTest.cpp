#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "dialogs/ReminderFlash.h"
#include "dialogs/window/TReminder.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

// The reminder window's flashing tick by tick.
class ReminderWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The window takes each second's colour (the steps are ReminderTest's)
    // and beeps each second but the tenth; closing mid-flash stops it and the
    // next showing starts at tick 1 from the colour it was left in.
    void flashing() {
        testdialogs::Fixture f;
        TReminder window(f.context);
        int beeps = 0;
        window.setBeep([&] { ++beeps; });
        const QColor white(255, 255, 255);
        f.prompts.expectModal([&](QDialog&) {
            QCOMPARE(beeps, 1); // the reminder's own beep before showing
            QVERIFY(window.timer1()->isActive());
            QCOMPARE(window.timer1()->interval(), 1000);
            for (int tick = 1; tick <= 10; ++tick) {
                window.Timer1Timer();
                QCOMPARE(window.colour(), reminderflash::step(tick).colour);
                QCOMPARE(beeps, 1 + qMin(tick, 9));
            }
            QVERIFY(!window.timer1()->isActive());
            QCOMPARE(window.flashTick(), 0);
        });
        window.showReminder(nullptr);
        f.prompts.expectModal([&](QDialog&) {
            window.Timer1Timer();
            QCOMPARE(window.colour(), white);
            window.closeButton()->click();
            QVERIFY(!window.isVisible() && !window.timer1()->isActive());
        });
        window.showReminder(nullptr);
        f.prompts.expectModal([&](QDialog&) {
            QCOMPARE(window.colour(), white);
            window.Timer1Timer();
            QCOMPARE(window.flashTick(), 1);
        });
        window.showReminder(nullptr);
        QVERIFY(f.prompts.allUsed());
        QVERIFY(!window.timer1()->isActive());
    }
};

TABDECK_TEST(ReminderWindowTest)
#include "ReminderWindowTest.moc"
