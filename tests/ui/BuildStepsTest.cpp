#include "TestRegistry.h"
#include "core/Error.h"
#include "ui/ToolWindow.h"

#include <QStatusBar>
#include <QTest>
#include <QWidget>
#include <optional>

// A tool window's deferred build steps: idle time runs one at a time, a
// window needed earlier runs the rest at once, always in their order.
class BuildStepsTest : public QObject {
    Q_OBJECT
private slots:
    void steps_data() {
        QTest::addColumn<bool>("deferred");
        // 's': one idle step, 'e': the window is needed at once.
        QTest::addColumn<QString>("calls");
        QTest::addColumn<bool>("stepAAsksForWindow");
        QTest::addColumn<bool>("stepBThrows");
        // The call that throws (step b's error reaches its caller), or -1.
        QTest::addColumn<int>("throwingCall");
        QTest::addColumn<bool>("lastCallRan");
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("built");
        QTest::newRow("made outside a start: at once")
            << false << "e" << false << false << -1 << false << "abc" << true;
        QTest::newRow("idle: one step a call")
            << true << "s" << false << false << -1 << true << "a" << false;
        QTest::newRow("idle: to the last step")
            << true << "sss" << false << false << -1 << true << "abc" << true;
        QTest::newRow("idle past the end: nothing")
            << true << "ssss" << false << false << -1 << false << "abc" << true;
        QTest::newRow("needed after one idle step: the rest")
            << true << "se" << false << false << -1 << true << "abc" << true;
        QTest::newRow("needed twice: built once")
            << true << "ee" << false << false << -1 << false << "abc" << true;
        QTest::newRow("a step asking for its window: later steps after it")
            << true << "e" << true << false << -1 << true << "a<>bc" << true;
        QTest::newRow("a step asking for its window, idle")
            << true << "s" << true << false << -1 << true << "a<>" << false;
        QTest::newRow("a throwing step: not again, the rest when asked again")
            << true << "ee" << false << true << 0 << true << "ac" << true;
        QTest::newRow("a throwing idle step: the next idle step goes on")
            << true << "sss" << false << true << 1 << true << "ac" << true;
    }
    void steps() {
        QFETCH(bool, deferred);
        QFETCH(QString, calls);
        QFETCH(bool, stepAAsksForWindow);
        QFETCH(bool, stepBThrows);
        QFETCH(int, throwingCall);
        QFETCH(bool, lastCallRan);
        QFETCH(QString, log);
        QFETCH(bool, built);

        QWidget window;
        QString ran;
        {
            std::optional<toolwindow::DeferredBuilds> deferring;
            if (deferred)
                deferring.emplace();
            const auto stepA = [&] {
                ran += 'a';
                if (!stepAAsksForWindow)
                    return;
                ran += '<';
                toolwindow::ensureBuilt(&window);
                ran += '>';
            };
            const auto stepB = [&] {
                if (stepBThrows)
                    throw AppError("disk gone");
                ran += 'b';
            };
            toolwindow::buildOrDefer(&window, {stepA, stepB, [&] { ran += 'c'; }});
        }
        QCOMPARE(toolwindow::isBuilt(&window), !deferred);
        bool lastRan = false;
        for (int i = 0; i < calls.size(); ++i) {
            bool threw = false;
            try {
                lastRan = calls[i] == QLatin1Char('s') ? toolwindow::buildStep(&window)
                                                       : toolwindow::ensureBuilt(&window);
            } catch (const AppError&) {
                threw = true;
            }
            QCOMPARE(threw, i == throwingCall);
        }
        QCOMPARE(lastRan, lastCallRan);
        QCOMPARE(ran, log);
        QCOMPARE(toolwindow::isBuilt(&window), built);
    }

    // A hint from the window's last showing goes when it shows again, not
    // while it stays open.
    void presentClearsStaleHint() {
        QWidget window;
        QStatusBar* bar = toolwindow::addStatusBar(&window, false);
        bar->showMessage(QStringLiteral("old"));
        toolwindow::present(&window);
        QCOMPARE(bar->currentMessage(), QString());
        bar->showMessage(QStringLiteral("current"));
        toolwindow::present(&window);
        QCOMPARE(bar->currentMessage(), QStringLiteral("current"));
        window.hide();
        toolwindow::present(&window);
        QCOMPARE(bar->currentMessage(), QString());
    }
};

TABDECK_TEST(BuildStepsTest)
#include "BuildStepsTest.moc"
