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

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
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

namespace {
// A screen reader's view of the focus: each focus event, from which top-level
// window, and whether that window was shown when the event came.
struct FocusSeen {
    QString window;
    bool shown = false;
};
QList<FocusSeen>& focusSeen() {
    static QList<FocusSeen> seen;
    return seen;
}
QAccessible::UpdateHandler before = nullptr;
void recordFocus(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) {
        QObject* o = event->object();
        if (!o && event->accessibleInterface())
            o = event->accessibleInterface()->object();
        if (auto* w = qobject_cast<QWidget*>(o))
            focusSeen().append({QString::fromLatin1(w->window()->metaObject()->className()),
                                w->window()->isVisible()});
    }
}
} // namespace

// With a screen reader listening, the tool windows build in idle time, never
// shown, and none of them takes the reader's focus; a window the user shows
// does. Needs an accessibility bus: CTest runs it in one of its own
// (in_a11y_session.sh); elsewhere it is skipped.
class HiddenWindowsFocusTest : public QObject {
    Q_OBJECT
    testsupport::TempDir dir_;
    testsupport::ScriptedPrompts prompts_;
    testsupport::RecordingOpener opener_;
    AppContext context_;
    std::unique_ptr<ControlFile> file_;
    std::unique_ptr<ProgramWindows> windows_;
    QString savedCwd_;

private slots:
    void initTestCase() {
        if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
            QSKIP("needs an accessibility bus (run by CTest in in_a11y_session.sh)");
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        // Installed before the windows are made: what they let through reaches it.
        before = QAccessible::installUpdateHandler(recordFocus);
        // The file manager opens in the working folder: one with folders to list.
        savedCwd_ = QDir::currentPath();
        for (int i = 0; i < 12; ++i)
            QDir(dir_.path()).mkpath(QStringLiteral("work/folder%1").arg(i));
        QDir::setCurrent(dir_.file("work"));
        file_ = testapp::programContext(context_, dir_, prompts_, opener_);
        dir_.write(QFileInfo(context_.paths.controlFile).fileName(), "[BUTTON]\r\n");
        windows_ = std::make_unique<ProgramWindows>();
        windows_->create(context_);
        windows_->form1()->show();
        QVERIFY(QTest::qWaitForWindowExposed(windows_->form1()));
        QTRY_VERIFY_WITH_TIMEOUT(windows_->toolWindowsBuilt(), 20000);
        // A change in the hidden file manager's folder re-reads its lists.
        QDir(dir_.path()).mkpath(QStringLiteral("work/later"));
        dir_.write("work/later.txt", "x");
        QTest::qWait(1500);
    }
    void cleanupTestCase() {
        if (!windows_)
            return;
        QAccessible::installUpdateHandler(before);
        windows_.reset();
        QDir::setCurrent(savedCwd_);
    }

    void noFocusWhileHidden_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"TAboutBox", "TViewPic", "TCVert1", "TEdDlg", "TEmail", "TExIcons",
                                 "TPathnook", "THintDlg", "TReminder", "TFileProp", "THelpDlg"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void noFocusWhileHidden() {
        QFETCH(QString, window);
        int hidden = 0;
        for (const FocusSeen& f : focusSeen())
            hidden += f.window == window && !f.shown;
        QCOMPARE(hidden, 0);
    }

    // The events do reach the reader: the file manager shown, its folder
    // list takes the focus.
    void focusOnceShown() {
        focusSeen().clear();
        context_.tools->showFileManager();
        QWidget* w = testapp::topLevel("TPathnook");
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto* folders = w->findChild<QListWidget*>(QStringLiteral("DirectoryListBox1"));
        QVERIFY(folders);
        folders->setFocus();
        folders->setCurrentRow(folders->count() - 1);
        QTRY_VERIFY_WITH_TIMEOUT(!focusSeen().isEmpty(), 5000);
        QCOMPARE(focusSeen().last().window, QStringLiteral("TPathnook"));
        QVERIFY(focusSeen().last().shown);
        w->hide();
    }
};

static testsupport::Registrar hiddenFocusRegistrar("HiddenWindowsFocusTest", [] {
    return std::unique_ptr<QObject>(new HiddenWindowsFocusTest);
});
#include "ProgramWindowsTest.moc"
