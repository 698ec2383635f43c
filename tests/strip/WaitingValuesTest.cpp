#include "strip/WaitingValues.h"
#include "TestRegistry.h"

#include <QTest>

class WaitingValuesTest : public QObject {
    Q_OBJECT
private slots:
    // A button's values reach its table, once; numbers past either end are
    // ignored, never kept for a neighbour.
    void buttonsReachTheirTable_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("table"); // 0: none takes it
        QTest::addColumn<int>("slot");
        QTest::newRow("0") << 0 << 0 << 0;
        QTest::newRow("1") << 1 << 1 << 1;
        QTest::newRow("12") << 12 << 1 << 12;
        QTest::newRow("13") << 13 << 2 << 1;
        QTest::newRow("360") << 360 << 30 << 12;
        QTest::newRow("361") << 361 << 0 << 0;
    }
    void buttonsReachTheirTable() {
        QFETCH(int, button);
        QFETCH(int, table);
        QFETCH(int, slot);
        WaitingValues w;
        w.keepDimmed(button, true);
        w.keepHint(button, "hint");
        w.keepFace(button, ButtonFace{QImage(2, 2, QImage::Format_ARGB32), Picture()});
        QCOMPARE(w.hint(button), table ? QStringLiteral("hint") : QString());
        for (int t = 0; t <= 31; ++t) {
            const WaitingValues::Table values = w.take(t);
            for (int k = 1; k <= 12; ++k) {
                const WaitingValues::Button& b = values.buttons[k - 1];
                const bool mine = t == table && k == slot;
                QCOMPARE(b.hint.has_value(), mine);
                QCOMPARE(b.face.has_value(), mine);
                // A new face asks anew whether its target is gone.
                QVERIFY(!b.dimmed.has_value());
            }
        }
        const WaitingValues::Table again = w.take(table);
        QVERIFY(!again.buttons[std::max(slot, 1) - 1].hint);
        QCOMPARE(w.hint(button), QString());
    }

    void topsReachTheirTable_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<bool>("kept");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("30") << 30 << true;
        QTest::newRow("31") << 31 << false;
    }
    void topsReachTheirTable() {
        QFETCH(int, table);
        QFETCH(bool, kept);
        WaitingValues w;
        w.keepTop(table, -51);
        QCOMPARE(w.take(table).top.has_value(), kept);
        QVERIFY(!w.take(table).top);
    }

    // The label texts wait only while held; the last one given wins.
    void textsHeldUntilReleased() {
        WaitingValues w;
        QVERIFY(!w.holdCaption("early"));
        w.holdTexts();
        QVERIFY(w.holdCaption("Table 2"));
        QVERIFY(w.holdCaption("Table 3"));
        QVERIFY(w.holdNumber("7"));
        QCOMPARE(w.heldTexts().caption, std::optional<QString>("Table 3"));
        const WaitingValues::Texts released = w.releaseTexts();
        QCOMPARE(released.caption, std::optional<QString>("Table 3"));
        QCOMPARE(released.number, std::optional<QString>("7"));
        QVERIFY(!w.holdsTexts());
        QVERIFY(!w.heldTexts().caption);
        QVERIFY(!w.holdNumber("8"));
        QVERIFY(!w.releaseTexts().number);
    }
};

TABDECK_TEST(WaitingValuesTest)
#include "WaitingValuesTest.moc"
