#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/TableLoader.h"
#include "strip/TableSwitcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QMenu>
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

// The tables menu and the Open With items on the real strip: their marks,
// the slide on the real timer, the start table's box and memory over many
// switches.
class TableMenusTest : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(s.form->tableCaption(), QStringLiteral("Table 5"));
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
        QCOMPARE(s.form->tableCaption(), QStringLiteral("Table %1").arg(chosen.last()));
        QCOMPARE(marked(s, "TableA"), QStringList{QString::number(chosen.last())});
        QVERIFY(shown(s, chosen.last()));
    }

    // The start table on the real strip: a bad value is said once, drops
    // are accepted after the show steps, the slide arrives on the real timer.
    // The menus are made once the strip shows; their items then show what
    // the start set while there were none, including a start cut short by
    // a bad value.
    void menusMadeAfterTheShow_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("table3");
        QTest::addColumn<int>("table");
        QTest::newRow("defaults") << QByteArray() << 0 << false << false << "Table 3" << 1;
        QTest::newRow("all set") << QByteArray("[HIDE]\nHideMe=true\n[STYLE]\nOnTop=True\n"
                                               "[TABLENAME]\n3=Games\n[OPENWITH]\nTable=12\n")
                                 << 0 << true << true << "Games" << 12;
        QTest::newRow("cut short") << QByteArray("[HIDE]\nHideMe=true\n[PROCOLOR]\nColor=blue\n"
                                                 "[STYLE]\nOnTop=True\n[TABLENAME]\n3=Games\n")
                                   << 1 << true << false << "Table 3" << 1;
    }
    void menusMadeAfterTheShow() {
        QFETCH(QByteArray, ini);
        QFETCH(int, boxes);
        QFETCH(bool, hide);
        QFETCH(bool, onTop);
        QFETCH(QString, table3);
        QFETCH(int, table);
        Strip s(ini, boxes);
        s.menus = false;
        for (int i = 0; i < boxes; ++i)
            s.prompts.expectBox();
        s.restart();
        QVERIFY(!s.action("TableA3"));
        s.form->show();
        QTRY_VERIFY_WITH_TIMEOUT(s.action("TableA3"), 5000);
        QCOMPARE(s.action("TableA3")->text(), table3);
        for (int t = 1; t <= 30; ++t) {
            QCOMPARE(s.action(QStringLiteral("TableA%1").arg(t))->isChecked(), t == table);
            QCOMPARE(s.action(QStringLiteral("TableB%1").arg(t))->isChecked(), t == table && t > 1);
        }
        QCOMPARE(s.action("Close1")->isEnabled(), hide);
        QCOMPARE(s.action("Hide1")->isEnabled(), !hide);
        QCOMPARE(s.action("StayOnTop1")->isChecked(), onTop);
        QCOMPARE(s.action("Normal1")->isChecked(), !onTop);
        // A right click on the move handle finds the menu made.
        QCOMPARE(s.form->tablesMenu(), s.form->findChild<QMenu*>("PopupMenu2"));
    }

    void startTableOnTheStrip_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("error");
        QTest::newRow("none") << QByteArray() << 1 << "";
        QTest::newRow("30") << QByteArray("[OPENWITH]\nTable=30\n") << 30 << "";
        QTest::newRow("x") << QByteArray("[OPENWITH]\nTable=x\n") << 1
                           << "'x' is not a valid integer value.";
    }
    void startTableOnTheStrip() {
        QFETCH(QByteArray, ini);
        QFETCH(int, table);
        QFETCH(QString, error);
        Strip s(ini);
        if (!error.isEmpty())
            s.prompts.expectBox();
        s.form->show();
        for (int t = 1; t <= 30; ++t)
            QCOMPARE(shown(s, t), t == table);
        if (error.isEmpty()) {
            QVERIFY(s.prompts.shown().isEmpty());
        } else {
            QCOMPARE(s.prompts.boxes().size(), 1);
            QCOMPARE(s.prompts.lastBox().text, error);
        }
        QVERIFY(s.form->acceptDrops());
        QTRY_VERIFY_WITH_TIMEOUT(!s.form->timer1()->isActive(), 3000);
        QCOMPARE(top(s, table), 0);
        QTRY_VERIFY(s.form->tableLoader().finished());
    }
};

TABDECK_TEST(TableMenusTest)
#include "TableMenusTest.moc"
