#include "TestRegistry.h"
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>

// Where the real boxes and dialogs open: transient for the window that asked
// (its owner, or the active window for a box without one), and on top of
// other programs when that window stays on top, so a window manager never
// stacks them under it.
class PromptStackingTest : public QObject {
    Q_OBJECT

    struct Seen {
        bool shown = false;
        QWindow* transientParent = nullptr;
        bool onTop = false;
        bool modal = false;
    };

    // Runs ask() and records the first modal window it opens, then closes it.
    // A box that never comes up ends the wait after 5 seconds.
    static Seen watch(const std::function<void()>& ask) {
        Seen seen;
        QTimer look;
        look.setInterval(20);
        QObject::connect(&look, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || seen.shown)
                return;
            seen.shown = true;
            seen.transientParent =
                box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
            seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            seen.modal = box->windowModality() == Qt::ApplicationModal;
            if (auto* dialog = qobject_cast<QDialog*>(box))
                dialog->reject();
            else
                box->close();
        });
        look.start();
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        giveUp.start(5000);
        ask();
        return seen;
    }

    static void showActive(QWidget& w) {
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w, 5000));
    }

private slots:
    void keptAboveTheAsker_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("withOwner");
        QTest::addColumn<bool>("askerOnTop");
        QTest::newRow("box without owner, asker on top") << "box" << false << true;
        QTest::newRow("box without owner, normal asker") << "box" << false << false;
        QTest::newRow("box of an owner on top") << "box" << true << true;
        QTest::newRow("input box of an owner on top") << "input" << true << true;
        QTest::newRow("file dialog of an owner on top") << "file" << true << true;
        QTest::newRow("colour dialog of a normal owner") << "color" << true << false;
        QTest::newRow("own window owned by another, asker on top") << "modal" << false << true;
        QTest::newRow("own window, normal asker") << "modal" << false << false;
    }
    void keptAboveTheAsker() {
        QFETCH(QString, call);
        QFETCH(bool, withOwner);
        QFETCH(bool, askerOnTop);
        QWidget strip; // owns the program's own windows, but is not where the user is
        strip.setWindowTitle(QStringLiteral("strip"));
        strip.show();
        QWidget asker;
        asker.setWindowTitle(QStringLiteral("asker"));
        asker.setWindowFlag(Qt::WindowStaysOnTopHint, askerOnTop);
        showActive(asker);
        QDialog own; // made once without a parent, like the about box
        QtPrompts prompts;
        QWidget* owner = withOwner ? &asker : nullptr;
        const Seen seen = watch([&] {
            if (call == "box")
                prompts.box(owner, {QStringLiteral("Help:"), QStringLiteral("Text"),
                                    Prompts::Icon::Question, Prompts::Ok});
            else if (call == "input")
                prompts.input(owner, {QStringLiteral("Caption"), QStringLiteral("Prompt:"),
                                      QStringLiteral("10")});
            else if (call == "file")
                prompts.file(owner, {});
            else if (call == "color")
                prompts.color(owner, Qt::red);
            else
                prompts.modal(&strip, own);
        });
        QVERIFY(seen.shown);
        QCOMPARE(seen.transientParent, asker.windowHandle());
        QCOMPARE(seen.onTop, askerOnTop);
        QVERIFY(seen.modal);
        // The same dialog asked for again by a normal window loses the flag.
        if (call == "modal" && askerOnTop) {
            asker.setWindowFlag(Qt::WindowStaysOnTopHint, false);
            showActive(asker);
            const Seen again = watch([&] { prompts.modal(&strip, own); });
            QVERIFY(again.shown);
            QVERIFY(!again.onTop);
            QCOMPARE(again.transientParent, asker.windowHandle());
        }
    }

    // With no owner and no active window the box stands alone.
    void noAskerStandsAlone() {
        QVERIFY(!QApplication::activeWindow());
        QtPrompts prompts;
        const Seen seen = watch([&] {
            prompts.box(nullptr, {QStringLiteral("C"), QStringLiteral("T")});
        });
        QVERIFY(seen.shown);
        QCOMPARE(seen.transientParent, nullptr);
        QVERIFY(!seen.onTop);
    }
};

TABDECK_TEST(PromptStackingTest)
#include "PromptStackingTest.moc"
