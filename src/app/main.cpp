#include "app/CommandLine.h"
#include "app/ProgramWindows.h"
#include "context/AppContext.h"
#include "core/ControlFile.h"
#include "core/ProgramPaths.h"
#include "platform/Shell.h"
#include "strip/window/TForm1.h"
#include "ui/ActionGuard.h"
#include "ui/QtPrompts.h"
#include "ui/SteadyPaletteStyle.h"

#include <QApplication>

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
    QApplication app(argc, argv);
    // Keeps the style's pixmap cache from growing with each highlighted menu item.
    QApplication::setStyle(new SteadyPaletteStyle);
    QApplication::setApplicationName(Prompts::applicationTitle());
    // No display name: Qt would append it to every caption ("Confirm — ...").
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

    ProgramWindows w;
    const bool created = actionguard::run(prompts, nullptr, [&] { w.create(context); });
    if (!created)
        return 1;

    QObject::connect(w.form1(), &TForm1::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    w.form1()->show();
    return app.exec();
}
