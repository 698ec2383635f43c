#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "dialogs/ReminderClock.h"
#include "dialogs/ReminderMenu.h"
#include "dialogs/window/TReminder.h"
#include "ui/ActionGuard.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// Start and Stop of the reminder on a clock the test moves, and the window's
// flashing tick by tick.
class ReminderTest : public QObject {
    Q_OBJECT
    static constexpr qint64 Minute = 60000;

private slots:
    // What the input box may hold: the integer rule of the settings, then
    // the range a timer can count. A refused count leaves a running one alone.
    void startTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minutes"); // 0: refused, -1: not an integer
        QTest::newRow("default") << "10" << 10;
        QTest::newRow("leading blank") << " 5" << 5;
        QTest::newRow("trailing blank") << "5 " << -1;
        QTest::newRow("sign") << "+7" << 7;
        QTest::newRow("dollar hex") << "$10" << 16;
        QTest::newRow("0x hex") << "0x1A" << 26;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative") << "-3" << 0;
        QTest::newRow("largest") << "71582" << 71582;
        QTest::newRow("beyond 32-bit ms") << "71583" << 0;
        QTest::newRow("beyond int") << "99999999999" << -1;
    }
    void startTexts() {
        QFETCH(QString, text);
        QFETCH(int, minutes);
        testdialogs::Fixture f;
        QTimer timer;
        qint64 now = 1000;
        ReminderClock clock(timer, [&] { return now; });
        ReminderMenu menu(clock, f.prompts);
        clock.start(3);
        f.prompts.expectInput(text).expectBox();
        actionguard::run(f.prompts, nullptr, [&] { menu.Start1Click(nullptr); });
        QVERIFY(f.prompts.allUsed());
        const Prompts::Box box = f.prompts.lastBox();
        const QString input = f.prompts.shown().first().input.caption;
        QCOMPARE(input, QStringLiteral("Remind Me in How Many Minutes?"));
        QCOMPARE(f.prompts.shown().first().input.initial, QStringLiteral("10"));
        if (minutes > 0) {
            QCOMPARE(box.text, "Reminder is set to remind you in " + text + " minutes.");
            QCOMPARE(clock.minutes(), minutes);
            QCOMPARE(clock.deadline(), 1000 + minutes * Minute);
            return;
        }
        QCOMPARE(box.text, minutes == 0
                               ? QStringLiteral("Enter a number of minutes from 1 to 71582.")
                               : "'" + text + "' is not a valid integer value.");
        QCOMPARE(box.icon, minutes == 0 ? Prompts::Icon::None : Prompts::Icon::Error);
        QCOMPARE(clock.minutes(), 3);
        QCOMPARE(clock.deadline(), 1000 + 3 * Minute);
        QVERIFY(clock.isRunning());
    }

    // The same count keeps counting, another one restarts; one reminder
    // fires once, also after a sleep far past its deadline.
    void restartAndFire() {
        QTimer timer;
        qint64 now = 0;
        ReminderClock clock(timer, [&] { return now; });
        QSignalSpy due(&clock, &ReminderClock::due);
        QVERIFY(clock.start(5));
        now = 2 * Minute;
        QVERIFY(!clock.start(5));
        QCOMPARE(clock.deadline(), 5 * Minute);
        QVERIFY(clock.start(1));
        QCOMPARE(clock.deadline(), 3 * Minute);
        // However long the count, the timer wakes within a second to look.
        QVERIFY(timer.isActive() && timer.interval() <= ReminderClock::CheckInterval);
        now = 3 * Minute - 1;
        clock.check();
        QCOMPARE(due.count(), 0);
        now = 40 * Minute; // the machine slept
        clock.check();
        clock.check();
        QCOMPARE(due.count(), 1);
        QVERIFY(!clock.isRunning() && !timer.isActive());
        // Fired: the same count starts anew.
        QVERIFY(clock.start(1));
        clock.stop();
        QVERIFY(!timer.isActive());
        now = 100 * Minute;
        clock.check();
        QCOMPARE(due.count(), 1);
    }

    // The real timer drives the checks: a deadline passed on the wall clock
    // fires without anyone calling check().
    void timerFollowsWallClock() {
        QTimer timer;
        qint64 now = 0;
        ReminderClock clock(timer, [&] { return now; });
        QSignalSpy due(&clock, &ReminderClock::due);
        clock.start(ReminderClock::MaxMinutes);
        now = qint64(ReminderClock::MaxMinutes) * Minute;
        QVERIFY(due.wait(5000));
    }

    void stopWithoutReminder() {
        testdialogs::Fixture f;
        QTimer timer;
        ReminderClock clock(timer);
        ReminderMenu menu(clock, f.prompts);
        f.prompts.expectBox();
        menu.Stop1Click(nullptr);
        QCOMPARE(f.prompts.lastBox().text, QStringLiteral("Reminder has been Canceled!!!"));
        QCOMPARE(f.prompts.lastBox().caption, QStringLiteral("TabdeckV10"));
    }

    // White and red by turns with a beep each second, red and silent at the
    // tenth; closing mid-flash stops it and the next showing starts at tick 1
    // from the colour it was left in.
    void flashing() {
        testdialogs::Fixture f;
        TReminder window(f.context);
        int beeps = 0;
        window.setBeep([&] { ++beeps; });
        const QColor red(255, 0, 0), white(255, 255, 255);
        f.prompts.expectModal([&](QDialog&) {
            QCOMPARE(beeps, 1); // the reminder's own beep before showing
            QVERIFY(window.timer1()->isActive());
            QCOMPARE(window.timer1()->interval(), 1000);
            for (int tick = 1; tick <= 10; ++tick) {
                window.Timer1Timer();
                QCOMPARE(window.colour(), tick % 2 && tick < 10 ? white : red);
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

TABDECK_TEST(ReminderTest)
#include "ReminderTest.moc"
