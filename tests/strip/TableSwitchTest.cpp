#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/TableLoader.h"
#include "strip/TableSwitcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <unistd.h>

using startuptest::Strip;

namespace {
int top(Strip& s, int t) {
    return s.form->table(t)->y();
}
bool shown(Strip& s, int t) {
    return s.form->table(t)->isVisibleTo(s.form.get());
}
void tick(Strip& s) {
    s.form->tableSwitcher().timer1Timer();
}
QStringList marked(Strip& s, const char* prefix) {
    QStringList out;
    for (int t = 1; t <= 30; ++t)
        if (QAction* a = s.action(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(t));
            a && a->isChecked())
            out << QString::number(t);
    return out;
}
// Resident memory in KB.
long residentKb() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (::sysconf(_SC_PAGESIZE) / 1024) : -1;
}
} // namespace

// Showing a table with its slide-in, driven tick by tick; the check marks of
// both menus; the start table.
class TableSwitchTest : public QObject {
    Q_OBJECT
private slots:
    // A script of "s N" (ShowTable N) and "t" (one tick) steps; after each
    // tick the Top of the sliding table is compared with the next expected.
    void slides_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("table");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("from rest") << QStringList{"s 5", "t", "t", "t", "t", "t"} << 5
                                   << QList<int>{-40, -30, -20, -10, 0};
        QTest::newRow("table already shown") << QStringList{"s 1", "t", "t", "t", "t", "t"} << 1
                                             << QList<int>{-40, -30, -20, -10, 0};
        QTest::newRow("take-over at the third tick")
            << QStringList{"s 5", "t", "t", "s 9", "t", "t", "t"} << 9
            << QList<int>{-40, -30, -20, -10, 0};
        QTest::newRow("take-over at the fifth tick")
            << QStringList{"s 5", "t", "t", "t", "t", "s 9", "t"} << 9
            << QList<int>{-40, -30, -20, -10, 0};
        QTest::newRow("again after arriving")
            << QStringList{"s 5", "t", "t", "t", "t", "t", "s 5", "t", "t", "t", "t", "t"} << 5
            << QList<int>{-40, -30, -20, -10, 0, -40, -30, -20, -10, 0};
    }
    void slides() {
        QFETCH(QStringList, steps);
        QFETCH(int, table);
        QFETCH(QList<int>, tops);
        Strip s;
        QList<int> seen;
        int current = 0;
        for (const QString& step : steps) {
            if (step.startsWith('s')) {
                current = step.mid(2).toInt();
                s.form->showTable(current);
                QVERIFY(s.form->timer1()->isActive());
                QCOMPARE(s.form->label1()->text(), QStringLiteral("Table %1").arg(current));
                for (int t = 1; t <= 30; ++t)
                    QCOMPARE(shown(s, t), t == current);
            } else {
                tick(s);
                seen << top(s, current);
                for (int t = 1; t <= 30; ++t)
                    if (t != current)
                        QCOMPARE(top(s, t), -51);
            }
        }
        QCOMPARE(current, table);
        QCOMPARE(seen, tops);
        // Arrived: idle again.
        QVERIFY(!s.form->timer1()->isActive());
        QCOMPARE(s.form->tableSwitcher().slidingTable(), 0);
        QCOMPARE(s.form->tableSwitcher().slideTick(), 0);
        QCOMPARE(top(s, table), 0);
    }

    void newTableKeepsItsTopUntilTheTick() {
        Strip s;
        s.form->showTable(5);
        for (int i = 0; i < 5; ++i)
            tick(s);
        s.form->showTable(6);
        tick(s); // table 5 moved away
        QCOMPARE(top(s, 5), -51);
        s.form->showTable(5);
        // Visible at once, still where the last slide left it.
        QVERIFY(shown(s, 5));
        QCOMPARE(top(s, 5), -51);
        tick(s);
        QCOMPARE(top(s, 5), -30); // the running count goes on: second tick
    }

    void tickWhileIdleDoesNothing() {
        Strip s;
        tick(s);
        QCOMPARE(top(s, 1), 0);
        QCOMPARE(top(s, 2), 0);
        QCOMPARE(s.form->tableSwitcher().slideTick(), 1);
        QVERIFY(!s.form->timer1()->isActive());
    }

    void realTimerArrivesWithinHalfASecond() {
        Strip s;
        QCOMPARE(s.form->timer1()->interval(), 100);
        QElapsedTimer clock;
        clock.start();
        s.action("TableA12")->trigger();
        QVERIFY(shown(s, 12));
        QTRY_VERIFY_WITH_TIMEOUT(!s.form->timer1()->isActive(), 3000);
        QVERIFY(clock.elapsed() >= 450);
        QCOMPARE(top(s, 12), 0);
    }

    // Switching tables from the menu, each slide run to its end, costs no
    // memory that stays: flat after the first hundred switches.
    void memoryFlatOverSwitches() {
#if defined(__SANITIZE_ADDRESS__)
        // The sanitizer's allocator keeps freed memory in quarantine, so the
        // resident size grows whatever the program frees.
        QSKIP("resident memory is not the program's under AddressSanitizer");
#endif
        Strip s;
        s.form->show();
        QTRY_VERIFY(s.form->tableLoader().finished());
        s.form->timer1()->setInterval(0);
        long after100 = 0;
        for (int i = 1; i <= 2000; ++i) {
            emit s.form->imageMove()->customContextMenuRequested(QPoint(5, 5));
            QCoreApplication::processEvents();
            s.action(QStringLiteral("TableA%1").arg(i % 30 + 1))->trigger();
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
            // The slide runs on the real timer, only faster.
            QElapsedTimer slide;
            slide.start();
            while (s.form->tableSwitcher().slidingTable() != 0 && slide.elapsed() < 2000)
                QCoreApplication::processEvents();
            if (i == 100)
                after100 = residentKb();
        }
        const long grown = residentKb() - after100;
        QVERIFY2(after100 > 0 && grown < 512, qPrintable(QString::number(grown) + " KB"));
    }

    void tablesMenuMarks() {
        Strip s("[TABLENAME]\n5=Work\n");
        s.action("TableA5")->trigger();
        QCOMPARE(marked(s, "TableA"), QStringList{"5"});
        QCOMPARE(s.form->label1()->text(), QStringLiteral("Table 5"));
        QCOMPARE(s.action("TableA5")->text(), QStringLiteral("Work"));
        s.action("TableA5")->trigger(); // chosen again: stays the one marked
        QCOMPARE(marked(s, "TableA"), QStringList{"5"});
        s.action("TableA27")->trigger();
        QCOMPARE(marked(s, "TableA"), QStringList{"27"});
        QVERIFY(marked(s, "TableB").isEmpty());
        QCOMPARE(s.read("OPENWITH", "Table"), QString());
    }

    void openWithMarks_data() {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("stored");
        QTest::newRow("one") << QList<int>{3} << QStringList{"3"} << "3";
        QTest::newRow("two levels coexist") << QList<int>{3, 15} << QStringList{"3", "15"} << "15";
        QTest::newRow("same level moves") << QList<int>{3, 15, 7} << QStringList{"7", "15"} << "7";
        QTest::newRow("marked loses its mark") << QList<int>{3, 3} << QStringList{} << "3";
        QTest::newRow("second level unmarks") << QList<int>{12, 12, 4} << QStringList{"4"} << "4";
        QTest::newRow("third level takes none") << QList<int>{25} << QStringList{} << "25";
        QTest::newRow("third level leaves others") << QList<int>{3, 25} << QStringList{"3"} << "25";
    }
    void openWithMarks() {
        QFETCH(QList<int>, chosen);
        QFETCH(QStringList, marks);
        QFETCH(QString, stored);
        Strip s;
        for (int n : chosen)
            s.action(QStringLiteral("TableB%1").arg(n))->trigger();
        QCOMPARE(marked(s, "TableB"), marks);
        QCOMPARE(s.read("OPENWITH", "Table"), stored);
        QCOMPARE(s.form->label1()->text(), QStringLiteral("Table %1").arg(chosen.last()));
        QCOMPARE(marked(s, "TableA"), QStringList{QString::number(chosen.last())});
        QVERIFY(shown(s, chosen.last()));
    }

    void startTable_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("marksA");
        QTest::addColumn<QStringList>("marksB");
        QTest::addColumn<bool>("slides");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QByteArray() << 1 << "Tabel 1" << QStringList{"1"} << QStringList{}
                              << false << "";
        QTest::newRow("1") << QByteArray("[OPENWITH]\nTable=1\n") << 1 << "Tabel 1"
                           << QStringList{"1"} << QStringList{"1"} << false << "";
        QTest::newRow("2") << QByteArray("[OPENWITH]\nTable=2\n") << 2 << "Table 2"
                           << QStringList{"2"} << QStringList{"2"} << true << "";
        QTest::newRow("30") << QByteArray("[OPENWITH]\nTable=30\n") << 30 << "Table 30"
                            << QStringList{"30"} << QStringList{"30"} << true << "";
        QTest::newRow("x") << QByteArray("[OPENWITH]\nTable=x\n") << 1 << "Tabel 1"
                           << QStringList{"1"} << QStringList{} << false
                           << "'x' is not a valid integer value.";
        QTest::newRow("0") << QByteArray("[OPENWITH]\nTable=0\n") << 1 << "Tabel 1"
                           << QStringList{"1"} << QStringList{} << false << "";
        QTest::newRow("31") << QByteArray("[OPENWITH]\nTable=31\n") << 1 << "Tabel 1"
                            << QStringList{"1"} << QStringList{} << false << "";
        QTest::newRow("-5") << QByteArray("[OPENWITH]\nTable=-5\n") << 1 << "Tabel 1"
                            << QStringList{"1"} << QStringList{} << false << "";
    }
    void startTable() {
        QFETCH(QByteArray, ini);
        QFETCH(int, table);
        QFETCH(QString, label);
        QFETCH(QStringList, marksA);
        QFETCH(QStringList, marksB);
        QFETCH(bool, slides);
        QFETCH(QString, error);
        Strip s(ini);
        if (!error.isEmpty())
            s.prompts.expectBox();
        s.form->show();
        QCOMPARE(s.form->label1()->text(), label);
        for (int t = 1; t <= 30; ++t)
            QCOMPARE(shown(s, t), t == table);
        QCOMPARE(marked(s, "TableA"), marksA);
        QCOMPARE(marked(s, "TableB"), marksB);
        QCOMPARE(s.form->timer1()->isActive(), slides);
        if (error.isEmpty()) {
            QVERIFY(s.prompts.shown().isEmpty());
        } else {
            QCOMPARE(s.prompts.boxes().size(), 1);
            QCOMPARE(s.prompts.lastBox().text, error);
        }
        // Drops are accepted after the show steps in every case.
        QVERIFY(s.form->acceptDrops());
        if (slides) {
            QTRY_VERIFY_WITH_TIMEOUT(!s.form->timer1()->isActive(), 3000);
            QCOMPARE(top(s, table), 0);
        }
        QTRY_VERIFY(s.form->tableLoader().finished());
    }
};

TABDECK_TEST(TableSwitchTest)
#include "TableSwitchTest.moc"
