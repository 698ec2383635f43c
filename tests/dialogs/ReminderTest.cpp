#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "core/Error.h"
#include "dialogs/ReminderClock.h"
#include "dialogs/ReminderFlash.h"
#include "dialogs/ReminderMenu.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

// Start and Stop of the reminder on a clock the test moves.
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
        // As the action guard runs the menu item: an error ends it in the error box.
        try {
            menu.Start1Click(nullptr);
        } catch (const AppError& e) {
            f.prompts.error(nullptr, e.text());
        }
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
    // tenth, which ends the flashing.
    void flashSteps_data() {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<bool>("last");
        const QColor red(255, 0, 0), white(255, 255, 255);
        QTest::newRow("first") << 1 << white << true << false;
        QTest::newRow("second") << 2 << red << true << false;
        QTest::newRow("ninth") << 9 << white << true << false;
        QTest::newRow("tenth") << 10 << red << false << true;
        QTest::newRow("past the tenth") << 11 << red << false << true;
    }
    void flashSteps() {
        QFETCH(int, tick);
        QFETCH(QColor, colour);
        QFETCH(bool, beep);
        QFETCH(bool, last);
        const reminderflash::Step step = reminderflash::step(tick);
        QCOMPARE(step.colour, colour);
        QCOMPARE(step.beep, beep);
        QCOMPARE(step.last, last);
    }
};

TABDECK_TEST(ReminderTest)
#include "ReminderTest.moc"
