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

// Finds a program by name on the search path ("" when absent).
using ProgramFinder = std::function<QString(const QString& name)>;
QString findOnPath(const QString& name);

// What opening a path would launch. The system one launches; tests record.
class Launcher {
public:
    virtual ~Launcher() = default;
    // The desktop's default handler for an address or a local file; done
    // gets the desktop's answer, at once or later (never after context is
    // gone, when there is one).
    virtual void openUrl(const QUrl& url, QObject* context, Opener::Done done) = 0;
    // A program started on its own (surviving the launcher), without a
    // shell; refused with the reason when it cannot be started.
    virtual Opener::Outcome startDetached(const QString& program, const QStringList& arguments,
                                          const QString& workingDir) = 0;
};

// Hands addresses and files to the desktop's opener (xdg-open, else gio)
// and listens for its answer without waiting for it: a desktop that runs
// the handler itself answers only when that program ends, so an opener
// still running after answerMs has found a handler and counts as done.
// A refusal comes within a few hundred milliseconds; the strip waits for the
// answer before it hides, so the limit is also how long a launch on such a
// desktop keeps the strip in view.
class SystemLauncher : public Launcher {
public:
    static constexpr int AnswerMs = 1000;
    explicit SystemLauncher(ProgramFinder find = findOnPath, int answerMs = AnswerMs);
    void openUrl(const QUrl& url, QObject* context, Opener::Done done) override;
    Opener::Outcome startDetached(const QString& program, const QStringList& arguments,
                                  const QString& workingDir) override;

private:
    ProgramFinder find_;
    int answerMs_;
};

// The decision for one path, before anything is launched.
struct Action {
    enum class Kind { Nothing, OpenUrl, Start };
    Kind kind = Kind::Nothing;
    QUrl url;
    QString program;
    QStringList arguments;
    QString workingDir;
    QString refusal; // for Nothing: why, after "Cannot open PATH: "
};

// The command that runs a command line in the user's terminal, or none
// when no terminal is installed: x-terminal-emulator, else $TERMINAL, else
// a known terminal.
std::optional<QStringList> inTerminal(const QStringList& command, const ProgramFinder& find);

// A command line as a start: in the terminal when asked, its program found
// on the search path, in `folder` (home when empty). Otherwise Nothing, with
// the reason.
Action commandStart(const QStringList& command, bool terminal, const QString& folder,
                    const ProgramFinder& find);

// URL -> default handler; .desktop entry -> its program; executable file
// (ELF or #! script) -> started in its own folder; other existing paths ->
// default handler for the local file; missing -> nothing.
Action route(const QString& path, const ProgramFinder& find = findOnPath);

class DesktopOpener : public Opener {
public:
    DesktopOpener(); // launches for real
    explicit DesktopOpener(Launcher& launcher, ProgramFinder find = findOnPath);
    void open(QObject* owner, const QString& path) override;
    void openReporting(QObject* owner, const QString& path, Done done) override;
    // Arguments, folder and terminal apply to programs and scripts; an
    // entry's action runs its own Exec.
    void startReporting(QObject* owner, const QString& path, const Start& how, Done done) override;

private:
    void run(QObject* owner, const Action& action, Done done);

    SystemLauncher system_;
    Launcher& launcher_;
    ProgramFinder find_;
};

} // namespace shell
