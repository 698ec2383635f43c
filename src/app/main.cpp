#include "app/CommandLine.h"
#include "app/ProgramWindows.h"
#include "app/SummonShortcut.h"
#include "app/Summoner.h"
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
#include <QTimer>
#include <cstdio>
#include <memory>
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

// The desktop's token for this start: an X11 startup id, else a Wayland
// activation token. Read before Qt takes the startup id for itself.
QByteArray startToken() {
    const QByteArray id = qgetenv("DESKTOP_STARTUP_ID");
    return id.isEmpty() ? qgetenv("XDG_ACTIVATION_TOKEN") : id;
}

// What the first start makes and keeps for its whole run.
struct Running {
    QtPrompts prompts;
    shell::DesktopOpener opener;
    ProgramWindows windows;
    std::unique_ptr<Summoner> summoner;
    std::unique_ptr<SummonShortcut> shortcut;
};

// The first start: the strip and the tool windows, summoned by later starts
// and the global shortcut; false when making them failed (already told).
bool runFirst(std::unique_ptr<Running>& running, AppContext& context, ControlFile& controlFile,
              SingleInstance& instance, const StartRequest& start) {
    // The file manager's settings and the file dialogs' state live in the
    // program's own data folder, beside its control file.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, context.paths.dataDir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, context.paths.dataDir);

    running = std::make_unique<Running>();
    Running& run = *running;
    Prompts& prompts = run.prompts;
    context.controlFile = &controlFile;
    context.prompts = &prompts;
    context.opener = &run.opener;

    ProgramWindows& w = run.windows;
    if (!actionguard::run(prompts, nullptr, [&] { w.createStrip(context); }))
        return false;
    TForm1* strip = w.form1();
    QObject::connect(strip, &TForm1::closed, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    run.summoner =
        std::make_unique<Summoner>([strip](const QString& find) { strip->comeForward(find); },
                                   [strip] { return strip->windowHandle(); });
    Summoner* summoner = run.summoner.get();
    QObject::connect(&instance, &SingleInstance::requested, strip,
                     [&prompts, strip, summoner](const handover::Request& request) {
                         actionguard::run(prompts, strip, [&] { summoner->summon(request); });
                     });
    run.shortcut = std::make_unique<SummonShortcut>(controlFile, prompts, strip,
                                                    SummonShortcut::waylandSession());
    strip->menus().summonShortcut = run.shortcut->item();
    QObject::connect(run.shortcut.get(), &SummonShortcut::pressed, strip,
                     actionguard::guarded(prompts, strip, [summoner] { summoner->summon({}); }));
    strip->show();
    // The other windows are made once the strip is on screen, before it
    // first paints; nothing the strip's show does needs them.
    if (!actionguard::run(prompts, nullptr, [&] { w.createToolWindows(context); }))
        return false;
    run.shortcut->grabStored();
    if (start.summon) {
        // Asked for by this start's own arguments: once started up. Qt has
        // used the desktop's token for the strip's first map.
        handover::Request request = start.request;
        request.token.clear();
        QTimer::singleShot(0, strip, actionguard::guarded(prompts, strip, [summoner, request] {
                               summoner->summon(request);
                           }));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const StartRequest start = handleCommandLine(argc, argv, startToken());
    if (start.exitStatus >= 0)
        return start.exitStatus;
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

    // A second start of the same copy on this display hands its request to
    // the first strip and ends. Decided at once where this start takes the
    // lock; else the first's answer comes through the event loop.
    SingleInstance instance(SingleInstance::socketPathForProgram(context.paths.programDir));
    std::unique_ptr<Running> run; // made by the first start alone
    std::optional<SingleInstance::Role> role;
    const QMetaObject::Connection early = QObject::connect(
        &instance, &SingleInstance::decided, [&role](SingleInstance::Role r) { role = r; });
    instance.start(start.request);
    QObject::disconnect(early);
    if (role == SingleInstance::Role::HandedOver)
        return 0;
    if (role == SingleInstance::Role::First) {
        if (!runFirst(run, context, controlFile, instance, start))
            return 1;
    } else {
        QObject::connect(&instance, &SingleInstance::decided, &app, [&](SingleInstance::Role r) {
            if (r == SingleInstance::Role::HandedOver)
                QCoreApplication::exit(0);
            else if (!runFirst(run, context, controlFile, instance, start))
                QCoreApplication::exit(1);
        });
    }
    return app.exec();
}
