#include "app/CommandLine.h"
#include "app/ProgramWindows.h"
#include "app/Translations.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/ProgramPaths.h"
#include "platform/Autostart.h"
#include "platform/DisplayCheck.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "strip/window/TForm1.h"
#include "ui/ActionGuard.h"
#include "ui/QtPrompts.h"
#include "ui/SteadyPaletteStyle.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <optional>

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

} // namespace

int main(int argc, char** argv) {
    if (const int status = handleCommandLine(argc, argv); status >= 0)
        return status;
    const bool forced = forceX11UnderWayland();
    if (const QString problem = displaycheck::missingDisplay(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", problem.toLocal8Bit().constData());
        // Started from a menu, nobody reads that line: the desktop is told too.
        QCoreApplication app(argc, argv);
        translations::install(app);
        displaycheck::tellDesktop();
        return 1;
    }
    ProgramWindows::shareMallocArenas();
    AppContext context;
    context.paths = ProgramPaths::forRunningProgram();
    // Read and parsed while the application object is made.
    ControlFile controlFile(context.paths.controlFile);
    controlFile.preload();
    // Qt's failure to open the display is told in one line of ours.
    std::optional<displaycheck::FailureReport> report(std::in_place, [] {
        if (QCoreApplication* app = QCoreApplication::instance())
            translations::install(*app);
    });
    QApplication app(argc, argv);
    report.reset();
    // The extensive help in the language the windows speak, where it has one.
    context.paths.extensiveHelp =
        translations::localFile(context.paths.extensiveHelp, translations::install(app));
    // Keeps the style's pixmap cache from growing with each highlighted menu item.
    QApplication::setStyle(new SteadyPaletteStyle);
    QApplication::setApplicationName(Prompts::applicationTitle());
    // Task bars match the windows (WM_CLASS "TabdeckV10") to this entry.
    QGuiApplication::setDesktopFileName(autostart::DesktopId);
    // No display name: Qt would append it to every caption ("Confirm — ...").
    // Tool windows may stay open after the strip closes; the strip's close
    // ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    shell::setForcedPlatformVariable(forced);

    // A second start of the same copy on this display shows the first strip.
    SingleInstance instance(SingleInstance::socketPathForProgram(context.paths.programDir));
    if (instance.handOver())
        return 0;

    // The file manager's settings and the file dialogs' state live in the
    // program's own data folder, beside its control file.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, context.paths.dataDir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, context.paths.dataDir);

    QtPrompts prompts;
    shell::DesktopOpener opener;
    context.controlFile = &controlFile;
    context.prompts = &prompts;
    context.opener = &opener;

    ProgramWindows w;
    if (!actionguard::run(prompts, nullptr, [&] { w.createStrip(context); }))
        return 1;

    QObject::connect(w.form1(), &TForm1::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&instance, &SingleInstance::activationRequested, w.form1(),
                     actionguard::guarded(prompts, w.form1(), [&w] { w.form1()->comeForward(); }));
    w.form1()->show();
    // The other windows are made once the strip is on screen, before it
    // first paints; nothing the strip's show does needs them.
    if (!actionguard::run(prompts, nullptr, [&] { w.createToolWindows(context); }))
        return 1;
    return app.exec();
}
