// The strip brought forward and the activation read back.
#include "app/Summoner.h"
#include "TestRegistry.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

using handover::Request;

class SummonerTest : public QObject {
    Q_OBJECT
private slots:
    // A window that becomes active answers at once; one that never does
    // (not shown) is asked once more and answers no after two bounded waits.
    void readBack_data() {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<Request>("request");
        QTest::newRow("shown, show") << true << Request{};
        QTest::newRow("shown, find") << true << Request{Request::Kind::Find, "zebra", "id_TIME1"};
        QTest::newRow("never active, find") << false << Request{Request::Kind::Find, "zebra", {}};
    }
    void readBack() {
        QFETCH(bool, shown);
        QFETCH(Request, request);
        QWidget strip;
        strip.resize(622, 51);
        strip.winId();
        if (shown)
            strip.show();
        QStringList found;
        Summoner summoner([&](const QString& find) { found << find; },
                          [&] { return strip.windowHandle(); });
        QSignalSpy answered(&summoner, &Summoner::answered);
        QElapsedTimer took;
        took.start();
        summoner.summon(request);
        QTRY_COMPARE_WITH_TIMEOUT(answered.count(), 1, 3 * Summoner::ReadBackMs + 2000);
        QCOMPARE(answered[0][0].toBool(), shown);
        QCOMPARE(found, QStringList{request.text});
        if (!shown)
            QVERIFY2(took.elapsed() >= 3 * Summoner::ReadBackMs / 2 && // two waits, not one
                         took.elapsed() < 2 * Summoner::ReadBackMs + 2000,
                     qPrintable(QString::number(took.elapsed()) + " ms"));
        // No second answer for the one summons.
        QTest::qWait(Summoner::ReadBackMs + 200);
        QCOMPARE(answered.count(), 1);
    }
};

TABDECK_TEST(SummonerTest)
#include "SummonerTest.moc"
