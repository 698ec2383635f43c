#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "TopLevel.h"
#include "app/ProgramWindows.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "strip/window/TForm1.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using testapp::topLevel;

// What the strip's help and button menus reach through the tool-window
// handle: the help messages, the bug report, the reminder on the strip's
// timer, the hint strip, the about box and the file properties.
class SmallWindowsRouteTest : public QObject {
    Q_OBJECT

    testsupport::TempDir dir_;
    testsupport::ScriptedPrompts prompts_;
    testsupport::RecordingOpener opener_;
    AppContext context_;
    std::unique_ptr<ControlFile> file_;
    std::unique_ptr<ProgramWindows> windows_;

private slots:
    void init() {
        prompts_.clear();
        opener_.opened.clear();
        file_ = testapp::programContext(context_, dir_, prompts_, opener_);
        windows_ = std::make_unique<ProgramWindows>();
        windows_->create(context_);
    }
    void cleanup() {
        QVERIFY(prompts_.allUsed());
        windows_.reset();
    }

    void helpMessages_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("start");
        QTest::newRow("1") << 1 << "Main Menu Help:"
                           << "Main Menu:\r\rRight Click on a Button";
        QTest::newRow("2") << 2 << "Tables Menu Help:"
                           << "Tables Menu:\r\rRight Click on the 3 Disk";
        QTest::newRow("3") << 3 << "Main Menu Help:"
                           << "Options:\r\rRename Tables:";
        QTest::newRow("4") << 4 << "Main Menu Help:"
                           << "Properties:\r\rColors:\rButton Color:";
        QTest::newRow("5") << 5 << "Main Menu Help:"
                           << "Edit (*.ini):\r\rHere you can Edit";
        QTest::newRow("6") << 6 << "Table PopUp Menu Help:"
                           << "Table PopUp Menu:\r\rIf you are";
        QTest::newRow("7") << 7 << "Services PopUp Menu Help:"
                           << "Services PopUp Menu:\r\rIf you";
    }
    void helpMessages() {
        QFETCH(int, number);
        QFETCH(QString, caption);
        QFETCH(QString, start);
        prompts_.expectBox();
        context_.tools->showHelpMessage(number);
        const Prompts::Box box = prompts_.lastBox();
        QCOMPARE(box.caption, caption);
        QVERIFY2(box.text.startsWith(start), qPrintable(box.text.left(60)));
        QVERIFY(box.text.endsWith("\r"));
        QCOMPARE(box.icon, Prompts::Icon::Question);
        QCOMPARE(box.buttons, int(Prompts::Ok));
        if (number == 2)
            QCOMPARE(box.text, QStringLiteral(
                                   "Tables Menu:\r\rRight Click on the 3 Disk Icon to bring up the "
                                   "Tables Menu. Here you select which table you want to open. "
                                   "There are 30 Tables with 12 Buttons on each Table, for a total "
                                   "of 360 Buttons.\r"));
    }

    void bugReport() {
        prompts_.expectBox(Prompts::No).expectBox(Prompts::Yes);
        context_.tools->reportBug();
        QVERIFY(opener_.opened.isEmpty());
        context_.tools->reportBug();
        QCOMPARE(prompts_.lastBox().caption, QStringLiteral("Confirm"));
        QCOMPARE(prompts_.lastBox().text,
                 QStringLiteral("Are you sure you want to send a bug report?\rThis opens your "
                                "default e-mail client!"));
        QCOMPARE(opener_.opened,
                 QStringList{"mailto:support@fernhollow.example?Subject=RE: BUG Put Application "
                             "Name Here&Body=Explain the Bug:"});
    }

    void reminderOnTheStripTimer() {
        QTimer* timer2 = windows_->form1()->timer2();
        prompts_.expectInput(QStringLiteral("5")).expectBox().expectBox();
        context_.tools->startReminder();
        QCOMPARE(prompts_.lastBox().text,
                 QStringLiteral("Reminder is set to remind you in 5 minutes."));
        QVERIFY(timer2->isActive());
        context_.tools->stopReminder();
        QVERIFY(!timer2->isActive());
        QCOMPARE(prompts_.lastBox().text, QStringLiteral("Reminder has been Canceled!!!"));
    }

    void hintStripAboutAndProperties() {
        windows_->form1()->move(200, 300);
        context_.tools->toggleHintStrip();
        QWidget* hint = topLevel("THintDlg");
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->pos(), QPoint(200, 282));
        context_.tools->stripMoved(QPoint(300, 400));
        QCOMPARE(hint->pos(), QPoint(300, 382));
        context_.tools->toggleHintStrip();
        QVERIFY(!hint->isVisible());

        prompts_.expectModal();
        context_.tools->showAbout();
        QCOMPARE(prompts_.shown().last().dialogName, QStringLiteral("AboutBox"));

        const QString target = dir_.write("a.txt", "x");
        file_->write("BUTTON", "12", target);
        context_.tools->showFileProperties(12);
        auto* memo = topLevel("TFileProp")->findChild<QPlainTextEdit*>("Memo1");
        QVERIFY(memo->toPlainText().contains("  " + target + "\n  On Button 12\n"));
    }
};

TABDECK_TEST(SmallWindowsRouteTest)
#include "SmallWindowsRouteTest.moc"
