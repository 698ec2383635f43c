#include "ui/ActionGuard.h"
#include "ScriptedPrompts.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QTest>

using testsupport::ScriptedPrompts;

class ActionGuardTest : public QObject {
    Q_OBJECT
private slots:
    void errorText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Cannot open file x"
                                << "Cannot open file x.";
        QTest::newRow("digit") << "JPEG error #42"
                               << "JPEG error #42.";
        QTest::newRow("quote") << "'x' is not a valid integer value"
                               << "'x' is not a valid integer value.";
        QTest::newRow("full stop kept") << "Done."
                                        << "Done.";
        QTest::newRow("closing quote") << "name 'a'"
                                       << "name 'a'";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorText() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(Prompts::errorText(message), shown);
    }

    void displayText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("cr") << "a\rb"
                            << "a\nb";
        QTest::newRow("crlf") << "a\r\nb"
                              << "a\nb";
        QTest::newRow("ampersand") << "Drag && Drop"
                                   << "Drag & Drop";
        QTest::newRow("single ampersand kept") << "A & B"
                                               << "A & B";
    }
    void displayText() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(Prompts::displayText(text), shown);
    }

    void guardShowsErrorAndStops() {
        ScriptedPrompts prompts;
        prompts.expectBox(Prompts::Ok);
        bool after = false;
        const bool ok = actionguard::run(prompts, nullptr, [&] {
            throw ConversionError(QStringLiteral("blue"));
            after = true;
        });
        QVERIFY(!ok);
        QVERIFY(!after);
        QCOMPARE(prompts.boxes().size(), 1);
        const auto b = prompts.lastBox();
        QCOMPARE(b.caption, QStringLiteral("TabdeckV10"));
        QCOMPARE(b.text, QStringLiteral("'blue' is not a valid integer value."));
        QCOMPARE(b.icon, Prompts::Icon::Error);
        QCOMPARE(b.buttons, int(Prompts::Ok));
    }

    void guardPassesSuccess() {
        ScriptedPrompts prompts;
        int calls = 0;
        QVERIFY(actionguard::run(prompts, nullptr, [&] { ++calls; }));
        QCOMPARE(calls, 1);
        QVERIFY(prompts.shown().isEmpty());
    }

    void guardCatchesForeignExceptions() {
        ScriptedPrompts prompts;
        prompts.expectBox();
        QVERIFY(!actionguard::run(prompts, nullptr, [] { throw std::runtime_error("boom"); }));
        QCOMPARE(prompts.lastBox().text, QStringLiteral("boom."));
    }

    void confirmOnlyYesGoesOn() {
        ScriptedPrompts prompts;
        prompts.expectBox(Prompts::Yes).expectBox(Prompts::No);
        QVERIFY(prompts.confirm(nullptr, QStringLiteral("Sure?")));
        QVERIFY(!prompts.confirm(nullptr, QStringLiteral("Sure?")));
        QCOMPARE(prompts.lastBox().caption, QStringLiteral("Confirm"));
        QCOMPARE(prompts.lastBox().icon, Prompts::Icon::Question);
        QCOMPARE(prompts.lastBox().buttons, int(Prompts::Yes | Prompts::No));
        QVERIFY(prompts.allUsed());
    }
};

TABDECK_TEST(ActionGuardTest)
#include "ActionGuardTest.moc"
