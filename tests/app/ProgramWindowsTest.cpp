#include "app/ProgramWindows.h"
#include "RecordingOpener.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "TopLevel.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "strip/window/TForm1.h"

#include <QApplication>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

using testapp::topLevel;

// The twelve windows as the program makes them: all there, none shown before
// the program shows the strip, and a hint reaching the seven status bars.
class ProgramWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void twelveWindowsAndTheHintRoute() {
        testsupport::TempDir dir;
        testsupport::ScriptedPrompts prompts;
        testsupport::RecordingOpener opener;
        AppContext context;
        context.paths = ProgramPaths::fromExecutable(dir.file("TabdeckV10"), dir.path());
        ControlFile file(context.paths.controlFile);
        context.controlFile = &file;
        context.prompts = &prompts;
        context.opener = &opener;
        ProgramWindows windows;
        windows.create(context);
        QVERIFY(windows.form1());
        for (const char* name :
             {"TForm1", "TAboutBox", "TViewPic", "TCVert1", "TEdDlg", "TEmail", "TExIcons",
              "TPathnook", "THintDlg", "TReminder", "TFileProp", "THelpDlg"}) {
            QWidget* w = topLevel(name);
            QVERIFY2(w, name);
            QVERIFY2(!w->isVisible(), name);
        }
        QStatusTipEvent tip(QStringLiteral("Leave the program"));
        QApplication::sendEvent(windows.form1()->imageExit(), &tip);
        for (const char* name :
             {"THintDlg", "TEdDlg", "TExIcons", "TCVert1", "TPathnook", "TEmail", "TViewPic"}) {
            auto* bar = topLevel(name)->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
            QVERIFY2(bar, name);
            QCOMPARE(bar->currentMessage(), QStringLiteral("Leave the program"));
        }

        // The strip reaches the tool windows through the typed handle.
        QCOMPARE(context.tools, static_cast<ToolWindows*>(&windows));
        context.tools->showEmail();
        QVERIFY(topLevel("TEmail")->isVisible());
        QVERIFY(!topLevel("TViewPic")->isVisible());
    }
};

TABDECK_TEST(ProgramWindowsTest)
#include "ProgramWindowsTest.moc"
