#include "platform/Shell.h"

#include "core/RegularFile.h"
#include "platform/DesktopEntry.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace shell {
namespace {

const char* const platformVariable = "QT_QPA_PLATFORM";
bool forcedPlatform = false;

bool isProgramFile(const QFileInfo& info) {
    if (!info.isFile() || !info.isExecutable())
        return false;
    const QByteArray head = regularfile::Handle(info.absoluteFilePath()).head(4);
    return head == QByteArrayLiteral("\x7f"
                                     "ELF") ||
           head.startsWith("#!");
}

// The program as it will be started: a name is looked up on the search
// path here, so nothing in the working folder is picked up by accident.
QString resolveProgram(const QString& program, const ProgramFinder& find) {
    if (program.contains(u'/'))
        return QFileInfo(program).isAbsolute() ? program : QString();
    return find(program);
}

Action desktopAction(const QString& path, const ProgramFinder& find) {
    Action a;
    auto entry = DesktopEntry::load(path);
    if (!entry)
        return a;
    if (entry->type == QLatin1String("Link")) {
        const QUrl url(entry->url, QUrl::TolerantMode);
        if (!entry->url.isEmpty() && url.isValid()) {
            a.kind = Action::Kind::OpenUrl;
            a.url = url;
        }
        return a;
    }
    if (!entry->type.isEmpty() && entry->type != QLatin1String("Application")) {
        a.kind = Action::Kind::OpenUrl;
        a.url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        return a;
    }
    auto command = desktopexec::command(*entry, QFileInfo(path).absoluteFilePath());
    if (!command)
        return a;
    if (entry->terminal) {
        command = inTerminal(*command, find);
        if (!command)
            return a;
    }
    const QString program = resolveProgram(command->front(), find);
    if (program.isEmpty())
        return a;
    a.kind = Action::Kind::Start;
    a.program = program;
    a.arguments = command->mid(1);
    a.workingDir = entry->path.isEmpty() ? QDir::homePath() : entry->path;
    return a;
}

} // namespace

void setForcedPlatformVariable(bool forced) {
    forcedPlatform = forced;
}

bool forcedPlatformVariable() {
    return forcedPlatform;
}

QProcessEnvironment launchEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (forcedPlatform)
        env.remove(QString::fromLatin1(platformVariable));
    return env;
}

void SystemLauncher::openUrl(const QUrl& url) {
    // The desktop's handler is started from this process's environment, so
    // a platform choice forced for ourselves is taken out for that moment.
    const bool hide = forcedPlatform && qEnvironmentVariableIsSet(platformVariable);
    const QByteArray saved = qgetenv(platformVariable);
    if (hide)
        qunsetenv(platformVariable);
    QDesktopServices::openUrl(url);
    if (hide)
        qputenv(platformVariable, saved);
}

void SystemLauncher::startDetached(const QString& program, const QStringList& arguments,
                                   const QString& workingDir) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    process.setProcessEnvironment(launchEnvironment());
    process.setStandardInputFile(QProcess::nullDevice());
    process.startDetached();
}

QString findOnPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

bool hasUrlScheme(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(text).hasMatch();
}

std::optional<QStringList> inTerminal(const QStringList& command, const ProgramFinder& find) {
    // Each terminal's option that takes the rest of the line as the command.
    static const QList<QPair<QString, QString>> terminals = {
        {QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")},
        {QStringLiteral("gnome-terminal"), QStringLiteral("--")},
        {QStringLiteral("konsole"), QStringLiteral("-e")},
        {QStringLiteral("xfce4-terminal"), QStringLiteral("-x")},
        {QStringLiteral("xterm"), QStringLiteral("-e")},
    };
    for (const auto& [name, option] : terminals) {
        const QString program = find(name);
        if (!program.isEmpty())
            return QStringList{program, option} + command;
    }
    return std::nullopt;
}

Action route(const QString& path, const ProgramFinder& find) {
    Action a;
    if (path.isEmpty())
        return a;
    if (hasUrlScheme(path)) {
        const QUrl url(path, QUrl::TolerantMode);
        if (url.isValid()) {
            a.kind = Action::Kind::OpenUrl;
            a.url = url;
        }
        return a;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return a;
    if (info.isFile() && info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0)
        return desktopAction(path, find);
    if (isProgramFile(info)) {
        a.kind = Action::Kind::Start;
        a.program = info.absoluteFilePath();
        a.workingDir = info.absolutePath();
        return a;
    }
    a.kind = Action::Kind::OpenUrl;
    a.url = QUrl::fromLocalFile(info.absoluteFilePath());
    return a;
}

DesktopOpener::DesktopOpener() : launcher_(system_), find_(findOnPath) {}

DesktopOpener::DesktopOpener(Launcher& launcher, ProgramFinder find)
    : launcher_(launcher), find_(std::move(find)) {}

void DesktopOpener::open(QObject* /*owner*/, const QString& path) {
    const Action a = route(path, find_);
    switch (a.kind) {
    case Action::Kind::Nothing:
        break;
    case Action::Kind::OpenUrl:
        launcher_.openUrl(a.url);
        break;
    case Action::Kind::Start:
        launcher_.startDetached(a.program, a.arguments, a.workingDir);
        break;
    }
}

} // namespace shell
