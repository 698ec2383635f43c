#include "RecordingStripValues.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"
#include "core/Error.h"
#include "strip/TableSwitcher.h"

#include <QAction>
#include <QTest>
#include <QTimer>

using testsupport::RecordingStripValues;
using testsupport::TempDir;

namespace {
struct Switch {
    TempDir dir;
    ControlFile file;
    RecordingStripValues view;
    TableSwitcher switcher{view, file};

    // ini: the control file's text.
    explicit Switch(const QByteArray& ini = QByteArray())
        : file(ini.isEmpty() ? dir.file("TabdeckV10.INI") : dir.write("TabdeckV10.INI", ini)) {}
    int top(int t) const { return view.tableTops[t]; }
    QStringList marked(const std::array<QAction*, 31>& items) const {
        QStringList out;
        for (int t = 1; t <= 30; ++t)
            if (items[t]->isChecked())
                out << QString::number(t);
        return out;
    }
};
} // namespace

// Showing a table with its slide-in, driven tick by tick, and the start
// table with the marks it gives both menus.
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
        Switch s;
        QList<int> seen;
        int current = 0;
        for (const QString& step : steps) {
            if (step.startsWith('s')) {
                current = step.mid(2).toInt();
                s.switcher.showTable(current);
                QVERIFY(s.switcher.slideTimer()->isActive());
                QCOMPARE(s.view.tableCaption, QStringLiteral("Table %1").arg(current));
                QCOMPARE(s.view.shownTable, current);
            } else {
                s.switcher.slideStep();
                seen << s.top(current);
                for (int t = 1; t <= 30; ++t)
                    if (t != current)
                        QCOMPARE(s.top(t), -51);
            }
        }
        QCOMPARE(current, table);
        QCOMPARE(seen, tops);
        // Arrived: idle again.
        QVERIFY(!s.switcher.slideTimer()->isActive());
        QCOMPARE(s.switcher.slidingTable(), 0);
        QCOMPARE(s.switcher.slideTick(), 0);
        QCOMPARE(s.top(table), 0);
    }

    void newTableKeepsItsTopUntilTheTick() {
        Switch s;
        s.switcher.showTable(5);
        for (int i = 0; i < 5; ++i)
            s.switcher.slideStep();
        s.switcher.showTable(6);
        s.switcher.slideStep(); // table 5 moved away
        QCOMPARE(s.top(5), -51);
        s.switcher.showTable(5);
        // Visible at once, still where the last slide left it.
        QCOMPARE(s.view.shownTable, 5);
        QCOMPARE(s.top(5), -51);
        s.switcher.slideStep();
        QCOMPARE(s.top(5), -30); // the running count goes on: second tick
    }

    void tickWhileIdleDoesNothing() {
        Switch s;
        s.switcher.slideStep();
        QCOMPARE(s.top(1), 0);
        QCOMPARE(s.top(2), 0);
        QCOMPARE(s.switcher.slideTick(), 1);
        QVERIFY(!s.switcher.slideTimer()->isActive());
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
                           << "'x' is not a valid integer value"; // the box adds the stop
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
        Switch s(ini);
        QString raised;
        try {
            s.switcher.applyStartTable();
        } catch (const AppError& e) {
            raised = e.text();
        }
        QCOMPARE(raised, error);
        QCOMPARE(s.view.tableCaption, label);
        QCOMPARE(s.view.shownTable, table);
        QCOMPARE(s.marked(s.view.menus().tableA), marksA);
        QCOMPARE(s.marked(s.view.menus().tableB), marksB);
        QCOMPARE(s.switcher.slideTimer()->isActive(), slides);
        for (int i = 0; i < 5; ++i)
            s.switcher.slideStep();
        QCOMPARE(s.top(table), 0);
        QVERIFY(!s.switcher.slideTimer()->isActive());
    }
};

TABDECK_TEST(TableSwitchTest)
#include "TableSwitchTest.moc"
