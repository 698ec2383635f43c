#include "core/ControlFile.h"
#include "core/ProgramPaths.h"
#include "dialogs/TAboutBox.h"
#include "dialogs/TFileProp.h"
#include "dialogs/THelpDlg.h"
#include "dialogs/THintDlg.h"
#include "dialogs/TReminder.h"
#include "editor/TEdDlg.h"
#include "filemanager/TPathnook.h"
#include "icons/TCVert1.h"
#include "icons/TExIcons.h"
#include "mail/TEmail.h"
#include "platform/Shell.h"
#include "strip/TForm1.h"
#include "ui/ActionGuard.h"
#include "ui/AppContext.h"
#include "ui/FontWarmUp.h"
#include "ui/HintRouter.h"
#include "ui/Prompts.h"
#include "viewer/TViewPic.h"

#include <QApplication>
#include <QStatusBar>
#include <memory>

namespace {

// The strip places itself (negative x when hidden, stay on top), which only
// X11 allows: under Wayland ask for XWayland unless the user chose a platform.
bool forceX11UnderWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return false;
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    if (session != "wayland" && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

struct Windows {
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<TViewPic> viewPic;
    std::unique_ptr<TCVert1> cVert1;
    std::unique_ptr<TEdDlg> edDlg;
    std::unique_ptr<TEmail> email;
    std::unique_ptr<TExIcons> exIcons;
    std::unique_ptr<TPathnook> pathnook;
    std::unique_ptr<THintDlg> hintDlg;
    std::unique_ptr<TReminder> reminder;
    std::unique_ptr<TFileProp> fileProp;
    std::unique_ptr<THelpDlg> helpDlg;

    // Tool windows go first, the strip last.
    ~Windows() {
        helpDlg.reset();
        fileProp.reset();
        reminder.reset();
        hintDlg.reset();
        pathnook.reset();
        exIcons.reset();
        email.reset();
        edDlg.reset();
        cVert1.reset();
        viewPic.reset();
        aboutBox.reset();
        form1.reset();
    }
};

} // namespace

int main(int argc, char** argv) {
    const bool forced = forceX11UnderWayland();
    QApplication app(argc, argv);
    FontWarmUp fonts;
    QApplication::setApplicationName(Prompts::applicationTitle());
    QApplication::setApplicationDisplayName(Prompts::applicationTitle());
    // Tool windows may stay open after the strip closes; the strip's close
    // ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    shell::setForcedPlatformVariable(forced);

    AppContext context;
    context.paths = ProgramPaths::forRunningProgram();
    ControlFile controlFile(context.paths.controlFile);
    QtPrompts prompts;
    shell::DesktopOpener opener;
    context.controlFile = &controlFile;
    context.prompts = &prompts;
    context.opener = &opener;

    Windows w;
    const bool created = actionguard::run(prompts, nullptr, [&] {
        w.form1 = std::make_unique<TForm1>(context);
        w.aboutBox = std::make_unique<TAboutBox>(context);
        w.viewPic = std::make_unique<TViewPic>(context);
        w.cVert1 = std::make_unique<TCVert1>(context);
        w.edDlg = std::make_unique<TEdDlg>(context);
        w.email = std::make_unique<TEmail>(context);
        w.exIcons = std::make_unique<TExIcons>(context);
        w.pathnook = std::make_unique<TPathnook>(context);
        w.hintDlg = std::make_unique<THintDlg>(context);
        w.reminder = std::make_unique<TReminder>(context);
        w.fileProp = std::make_unique<TFileProp>(context);
        w.helpDlg = std::make_unique<THelpDlg>(context);

        // The long hints reach these status bars in this order.
        HintRouter& router = w.form1->hintRouter();
        router.addStatusBar(w.hintDlg->statusBar1());
        router.addStatusBar(w.edDlg->statusBar1());
        router.addStatusBar(w.exIcons->statusBar1());
        router.addStatusBar(w.cVert1->statusBar1());
        router.addStatusBar(w.pathnook->statusBar1());
        router.addStatusBar(w.email->statusBar1());
        router.addStatusBar(w.viewPic->statusBar1());
    });
    if (!created)
        return 1;

    QObject::connect(w.form1.get(), &TForm1::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    w.form1->show();
    return app.exec();
}
