#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "dialogs/window/TAboutBox.h"
#include "dialogs/window/THelpDlg.h"
#include "dialogs/window/THintDlg.h"
#include "ui/SystemColors.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

// The hint strip, the about box and the extensive help window.
class SmallWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Open Hint... twice shows and closes it; it stands 18 pixels above the
    // strip in the program colour, follows the strip, and a double click closes it.
    void hintStrip() {
        testdialogs::Fixture f;
        THintDlg hint(f.context);
        hint.Hint1Click(QPoint(200, 300), 0x0000FF00);
        QVERIFY(hint.isOpen() && hint.isVisible());
        QCOMPARE(hint.pos(), QPoint(200, 282));
        QCOMPARE(systemcolors::backgroundValue(&hint), 0x0000FF00u);
        hint.follow(QPoint(-611, 40));
        QCOMPARE(hint.pos(), QPoint(-611, 22));
        hint.Hint1Click(QPoint(200, 300), 0x0000FF00);
        QVERIFY(!hint.isOpen() && !hint.isVisible());
        hint.Hint1Click(QPoint(10, 100), 0x0000FF00);
        QCOMPARE(hint.pos(), QPoint(10, 82));
        QTest::mouseDClick(hint.statusBar1(), Qt::LeftButton);
        QVERIFY(!hint.isOpen() && !hint.isVisible());
    }

    // The second icon stands where the rise says and the timer runs while it
    // rises (the steps are AboutRiseTest's); every reset: a new showing,
    // closing, the second icon's click, which also opens the download page.
    void aboutBoxRise() {
        testdialogs::Fixture f;
        TAboutBox about(f.context);
        auto* second = about.findChild<QLabel*>("SecondIcon");
        QVERIFY(second);
        f.prompts.expectModal([&](QDialog&) {
            QVERIFY(!second->isVisible());
            about.ProgramIconClick();
            QVERIFY(second->isVisible() && about.timer1()->isActive());
            QCOMPARE(about.timer1()->interval(), 100);
            for (int tick = 1; tick <= AboutRise::LastTick; ++tick) {
                about.Timer1Timer();
                QCOMPARE(second->y(), about.rise().top());
                QCOMPARE(about.timer1()->isActive(), tick < AboutRise::LastTick);
            }
            QCOMPARE(second->y(), 87);
            // Clicked again without a new showing: nothing moves.
            about.ProgramIconClick();
            about.Timer1Timer();
            QCOMPARE(second->y(), 87);
            about.findChild<QPushButton*>("OKButton")->click();
        });
        about.showModal(nullptr);
        QVERIFY(!second->isVisible() && !about.timer1()->isActive());
        QCOMPARE(second->y(), 120);
        f.prompts.expectModal([&](QDialog&) {
            QCOMPARE(about.rise().tick(), 0);
            about.ProgramIconClick();
            about.Timer1Timer();
            QCOMPARE(second->y(), 117);
            about.SecondIconClick();
            QVERIFY(!second->isVisible() && !about.timer1()->isActive());
            QCOMPARE(second->y(), 120);
            QCOMPARE(about.rise().tick(), 0);
        });
        about.showModal(nullptr);
        QCOMPARE(f.opener.opened, QStringList{"http://www.fernhollow.example/asp/downloads.asp"});
        QVERIFY(f.prompts.allUsed());
    }

    // The window loads the help file each time it shows: a file's text shows
    // (its reading is HelpFileTest's), a missing one leaves the window as it
    // was without a message, a refused one says so in the error box; Copy is
    // offered only with a selection.
    void extensiveHelp() {
        testdialogs::Fixture f;
        THelpDlg help(f.context);
        QTextEdit* view = help.richEdit1();
        help.showHelp(0x8000000F); // no file yet: stays empty, no message
        QVERIFY(help.isVisible() && view->toPlainText().isEmpty());
        f.dir.write("ExtensiveHelp.hlp", "{\\rtf1\\ansi plain {\\b bold}\\par next}");
        help.showHelp(0x8000000F);
        QCOMPARE(view->toPlainText(), QStringLiteral("plain bold\nnext"));
        // Copy is offered only with a selection.
        help.PopupMenu1Popup();
        QAction* copy = help.popupMenu1()->findChild<QAction*>("Copy1");
        QVERIFY(copy && !copy->isEnabled());
        view->selectAll();
        help.PopupMenu1Popup();
        QVERIFY(copy->isEnabled());

        f.dir.write("ExtensiveHelp.hlp", QByteArray("bin\0ary", 7));
        f.prompts.expectBox();
        help.showHelp(0x8000000F);
        QCOMPARE(f.prompts.lastBox().text, QStringLiteral("Failed to Load Stream."));
        QCOMPARE(view->toPlainText(), QStringLiteral("plain bold\nnext"));
        f.dir.write("ExtensiveHelp.hlp", "Just text\nline 2");
        help.showHelp(0x8000000F);
        QCOMPARE(view->toPlainText(), QStringLiteral("Just text\nline 2"));
        QVERIFY(f.prompts.allUsed());
    }
};

TABDECK_TEST(SmallWindowsTest)
#include "SmallWindowsTest.moc"
