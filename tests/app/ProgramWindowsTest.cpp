#include "app/ProgramWindows.h"
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "TopLevel.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "strip/TableLoader.h"
#include "strip/window/TForm1.h"
#include "ui/ToolWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

using testapp::topLevel;

// The twelve windows as the program makes them: all there from the start,
// none shown before the program shows the strip, the tool windows building
// their controls only when shown or in idle time after the strip's loading,
// and every hint reaching the seven status bars, also one given before a
// window was built.
class ProgramWindowsTest : public QObject {
    Q_OBJECT

    testsupport::TempDir dir_;
    testsupport::ScriptedPrompts prompts_;
    testsupport::RecordingOpener opener_;
    AppContext context_;
    std::unique_ptr<ControlFile> file_;

    const char* const tools_[11] = {"TAboutBox", "TViewPic",  "TCVert1",   "TEdDlg",
                                    "TEmail",    "TExIcons",  "TPathnook", "THintDlg",
                                    "TReminder", "TFileProp", "THelpDlg"};
    const char* const hinted_[7] = {"THintDlg",  "TEdDlg", "TExIcons", "TCVert1",
                                    "TPathnook", "TEmail", "TViewPic"};

    std::unique_ptr<ProgramWindows> make() {
        file_ = testapp::programContext(context_, dir_, prompts_, opener_);
        // A program that ran before: the tool windows find its control file
        // without the strip being shown.
        dir_.write(QFileInfo(context_.paths.controlFile).fileName(), "[BUTTON]\r\n");
        auto windows = std::make_unique<ProgramWindows>();
        windows->create(context_);
        return windows;
    }
    static void tip(QWidget* from, const QString& text) {
        QStatusTipEvent event(text);
        QApplication::sendEvent(from, &event);
    }
    static QString barText(const char* window) {
        auto* bar = topLevel(window)->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        return bar ? bar->currentMessage() : QStringLiteral("<no status bar>");
    }

private slots:
    void builtWhenShownAndHintsKept() {
        const auto windows = make();
        QVERIFY(windows->form1());
        QVERIFY(!topLevel("TForm1")->isVisible());
        for (const char* name : tools_) {
            QWidget* w = topLevel(name);
            QVERIFY2(w, name);
            QVERIFY2(!w->isVisible(), name);
            QVERIFY2(!toolwindow::isBuilt(w), name);
        }
        QVERIFY(!windows->toolWindowsBuilt());

        // A hint before any tool window is built. A window shown starts
        // with a clear status bar (an old hint would be stale there), and
        // hints reach it from then on.
        tip(windows->form1()->imageExit(), QStringLiteral("Leave the program"));
        QCOMPARE(context_.tools, static_cast<ToolWindows*>(windows.get()));
        context_.tools->showEmail();
        QVERIFY(topLevel("TEmail")->isVisible());
        QCOMPARE(barText("TEmail"), QString());
        tip(windows->form1()->imageExit(), QStringLiteral("Leave the program"));
        QCOMPARE(barText("TEmail"), QStringLiteral("Leave the program"));
        QVERIFY(!toolwindow::isBuilt(topLevel("TViewPic")));

        // The others have it once built, and every later hint reaches all seven.
        windows->buildToolWindows();
        QVERIFY(windows->toolWindowsBuilt());
        for (const char* name : hinted_)
            QCOMPARE(barText(name), QStringLiteral("Leave the program"));
        tip(windows->form1()->imageExit(), QStringLiteral("Second hint"));
        for (const char* name : hinted_)
            QCOMPARE(barText(name), QStringLiteral("Second hint"));
        QVERIFY(!topLevel("TViewPic")->isVisible());
    }

    // The four largest windows build in several idle steps. One shown
    // after its first step builds the rest at once: the last step's
    // controls are there, and the hint reaches its status bar.
    void shownBetweenSteps_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("lastStepMade");
        QTest::newRow("icon extractor: drives listed") << "TExIcons"
                                                       << "DriveComboBox1";
        QTest::newRow("file manager: drives listed") << "TPathnook"
                                                     << "DriveComboBox1";
        QTest::newRow("editor: tool bar") << "TEdDlg"
                                          << "ToolBar1";
        QTest::newRow("e-mail: status bar") << "TEmail"
                                            << "StatusBar1";
    }
    void shownBetweenSteps() {
        QFETCH(QString, window);
        QFETCH(QString, lastStepMade);
        const auto windows = make();
        QWidget* w = topLevel(window.toLatin1().constData());
        QVERIFY(toolwindow::buildStep(w));
        QVERIFY2(!toolwindow::isBuilt(w), "built in one step");
        tip(windows->form1()->imageExit(), QStringLiteral("Leave the program"));

        if (window == QLatin1String("TExIcons"))
            context_.tools->showIconExtractor();
        else if (window == QLatin1String("TPathnook"))
            context_.tools->showFileManager();
        else if (window == QLatin1String("TEdDlg"))
            context_.tools->showEditor();
        else
            context_.tools->showEmail();
        QVERIFY(w->isVisible());
        QVERIFY(toolwindow::isBuilt(w));
        QObject* made = w->findChild<QObject*>(lastStepMade);
        QVERIFY(made);
        if (auto* list = qobject_cast<QComboBox*>(made))
            QVERIFY(list->count() > 0);
        tip(windows->form1()->imageExit(), QStringLiteral("Second hint"));
        QCOMPARE(barText(window.toLatin1().constData()), QStringLiteral("Second hint"));
        w->hide();
    }

    // Shown, the strip loads its buttons first; idle time then builds the
    // tool windows, none of them shown.
    void idleTimeBuildsAfterLoading() {
        const auto windows = make();
        bool builtBeforeLoaded = false;
        connect(&windows->form1()->tableLoader(), &TableLoader::allLoaded, this, [&] {
            for (const char* name : tools_)
                builtBeforeLoaded = builtBeforeLoaded || toolwindow::isBuilt(topLevel(name));
        });
        windows->form1()->show();
        QTRY_VERIFY_WITH_TIMEOUT(windows->toolWindowsBuilt(), 20000);
        QVERIFY(!builtBeforeLoaded);
        for (const char* name : tools_)
            QVERIFY2(!topLevel(name)->isVisible(), name);
        QVERIFY(windows->longestBuildNs() > 0);
    }
};

TABDECK_TEST(ProgramWindowsTest)
#include "ProgramWindowsTest.moc"
