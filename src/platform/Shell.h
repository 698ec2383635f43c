#pragma once
#include "core/Opener.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

namespace shell {

// Records at start whether the launcher set QT_QPA_PLATFORM for itself (to
// get X11 under Wayland); programs it launches then do not inherit it.
void setForcedPlatformVariable(bool forced);
bool forcedPlatformVariable();
// The environment a launched program gets.
QProcessEnvironment launchEnvironment();

// What opening a path would launch. The system one launches; tests record.
class Launcher {
public:
    virtual ~Launcher() = default;
    // The desktop's default handler for an address or a local file.
    virtual void openUrl(const QUrl& url) = 0;
    // A program started on its own (surviving the launcher), without a shell.
    virtual void startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingDir) = 0;
};

class SystemLauncher : public Launcher {
public:
    void openUrl(const QUrl& url) override;
    void startDetached(const QString& program, const QStringList& arguments,
                       const QString& workingDir) override;
};

// Finds a program by name on the search path ("" when absent).
using ProgramFinder = std::function<QString(const QString& name)>;
QString findOnPath(const QString& name);

// The decision for one path, before anything is launched.
struct Action {
    enum class Kind { Nothing, OpenUrl, Start };
    Kind kind = Kind::Nothing;
    QUrl url;
    QString program;
    QStringList arguments;
    QString workingDir;
};

// True for text that starts with a URL scheme ("http:", "mailto:" ...). A
// single letter before the colon is not taken for a scheme.
bool hasUrlScheme(const QString& text);

// The command that runs a command line in the user's terminal, or none
// when no terminal is installed.
std::optional<QStringList> inTerminal(const QStringList& command, const ProgramFinder& find);

// URL -> default handler; .desktop entry -> its program; executable file
// (ELF or #! script) -> started in its own folder; other existing paths ->
// default handler for the local file; missing -> nothing.
Action route(const QString& path, const ProgramFinder& find = findOnPath);

class DesktopOpener : public Opener {
public:
    DesktopOpener(); // launches for real
    explicit DesktopOpener(Launcher& launcher, ProgramFinder find = findOnPath);
    void open(QObject* owner, const QString& path) override;

private:
    SystemLauncher system_;
    Launcher& launcher_;
    ProgramFinder find_;
};

} // namespace shell
