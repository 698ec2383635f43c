#include "TestRegistry.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <optional>

// The real text prompt: it opens with the old text selected, so typing
// replaces it, never takes more than the limit, and Escape gives nothing.
// The real confirmation answers Return with its default button.
class InputPromptTest : public QObject {
    Q_OBJECT
private slots:
    void typedAnswer_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("replaces the old text") << "New" << true << QVariant(QStringLiteral("New"));
        QTest::newRow("cut at the limit")
            << "123456789" << true << QVariant(QStringLiteral("12345"));
        QTest::newRow("old text kept") << "" << true << QVariant(QStringLiteral("Old"));
        QTest::newRow("escape") << "New" << false << QVariant();
    }
    void typedAnswer() {
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(QVariant, expected);
        bool seen = false;
        // Answers the box once it is up; the prompt below runs its own loop.
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || seen)
                return;
            seen = true;
            auto* edit = box->findChild<QLineEdit*>();
            QVERIFY(edit);
            QCOMPARE(edit->selectedText(), QStringLiteral("Old"));
            // The whole caption fits a title bar beside its buttons.
            QFont title = box->font();
            title.setBold(true);
            const QFontMetrics fm(title);
            QVERIFY(box->width() >= fm.horizontalAdvance(box->windowTitle()) + 3 * fm.height());
            if (!typed.isEmpty())
                QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, accept ? Qt::Key_Return : Qt::Key_Escape);
        });
        answer.start();
        QTimer giveUp; // a box that never comes up must not hang the suite
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        giveUp.start(5000);
        QtPrompts prompts;
        const auto got =
            prompts.input(nullptr, {QStringLiteral("Remind Me in How Many Minutes?"),
                                    QStringLiteral("Name:"), QStringLiteral("Old"), 5});
        QVERIFY(seen);
        QCOMPARE(got.has_value(), expected.isValid());
        if (got)
            QCOMPARE(*got, expected.toString());
    }

    // Boxes opened without waiting: the call returns with the box up, and
    // the answer comes once the user closes it.
    void openedLater_data() {
        QTest::addColumn<bool>("input");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("answer");
        QTest::newRow("notice, Return") << false << int(Qt::Key_Return) << "1";
        QTest::newRow("question, Escape") << false << int(Qt::Key_Escape) << "8";
        QTest::newRow("input, Return") << true << int(Qt::Key_Return) << "Old";
        QTest::newRow("input, Escape") << true << int(Qt::Key_Escape) << "cancelled";
    }
    void openedLater() {
        QFETCH(bool, input);
        QFETCH(int, key);
        QFETCH(QString, answer);
        QtPrompts prompts;
        std::optional<QString> got;
        if (input) {
            prompts.inputLater(
                nullptr,
                {QStringLiteral("Sign In"), QStringLiteral("Password:"), QStringLiteral("Old")},
                [&](std::optional<QString> a) { got = a.value_or("cancelled"); });
        } else {
            const int buttons = answer == "1" ? Prompts::Ok : (Prompts::Yes | Prompts::No);
            prompts.boxLater(
                nullptr,
                {QStringLiteral("T"), QStringLiteral("Text"), Prompts::Icon::None, buttons},
                [&](Prompts::Button b) { got = QString::number(int(b)); });
        }
        QVERIFY(!got); // returned at once, the box still up
        QWidget* box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((box = QApplication::activeModalWidget()) != nullptr, 5000);
        QWidget* target = box->focusWidget() ? box->focusWidget() : box;
        QTest::keyClick(target, Qt::Key(key));
        QTRY_VERIFY_WITH_TIMEOUT(got.has_value(), 5000);
        QCOMPARE(*got, answer);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 5000);
    }

    // Return in a confirmation presses its default button: Yes, or No where
    // something would be lost for good.
    void confirmReturn_data() {
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<bool>("yes");
        QTest::newRow("plain question") << int(Prompts::Yes) << true;
        QTest::newRow("before a removal") << int(Prompts::No) << false;
    }
    void confirmReturn() {
        QFETCH(int, defaultButton);
        QFETCH(bool, yes);
        bool seen = false;
        QTimer answer;
        answer.setInterval(20);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || seen)
                return;
            seen = true;
            QTest::keyClick(box, Qt::Key_Return);
        });
        answer.start();
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        giveUp.start(5000);
        QtPrompts prompts;
        const bool got =
            prompts.confirm(nullptr, QStringLiteral("Remove it?"), Prompts::Button(defaultButton));
        QVERIFY(seen);
        QCOMPARE(got, yes);
    }
};

TABDECK_TEST(InputPromptTest)
#include "InputPromptTest.moc"
