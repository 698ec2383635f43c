#include "platform/Shell.h"

#include "core/ButtonSlots.h"
#include "core/RegularFile.h"
#include "platform/DesktopApps.h"
#include "platform/DesktopEntry.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

#include <memory>

namespace shell {
namespace {

// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Shell)
};

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
    a.refusal = Text::tr("its desktop entry names nothing to run");
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
    const auto command = desktopexec::command(*entry, QFileInfo(path).absoluteFilePath());
    if (!command)
        return a;
    return commandStart(*command, entry->terminal, entry->path, find);
}

} // namespace

Action commandStart(const QStringList& command, bool terminal, const QString& folder,
                    const ProgramFinder& find) {
    Action a;
    std::optional<QStringList> line = command;
    if (terminal) {
        line = inTerminal(command, find);
        if (!line) {
            a.refusal = Text::tr("it runs in a terminal, and no terminal is installed");
            return a;
        }
    }
    const QString program = resolveProgram(line->front(), find);
    if (program.isEmpty()) {
        a.refusal = Text::tr("its program %1 is not installed").arg(line->front());
        return a;
    }
    a.kind = Action::Kind::Start;
    a.program = program;
    a.arguments = line->mid(1);
    a.workingDir = folder.isEmpty() ? QDir::homePath() : folder;
    return a;
}

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

namespace {

// The desktop's answer in words: its exit status (xdg-open's are defined:
// 2 the file is missing, 3 no handler) and the last line it wrote.
QString refusalFor(bool xdg, int code, const QString& said) {
    QString reason;
    if (xdg && code == 2)
        reason = Text::tr("it does not exist");
    else if (xdg && code == 3)
        reason = Text::tr("no application is set to open it");
    else
        reason = Text::tr("the desktop could not open it");
    if (!said.isEmpty())
        reason += QStringLiteral(" (%1)").arg(said);
    return reason;
}

// The opener's last line of complaint, read from its error file. Only the
// tail is read and a long line is cut: the text goes into a notice.
QString lastLine(QFile& file) {
    constexpr qint64 Tail = 4096;
    constexpr int LineLimit = 300;
    const qint64 size = file.size();
    if (size <= 0 || !file.seek(std::max<qint64>(0, size - Tail)))
        return QString();
    const QStringList lines =
        QString::fromLocal8Bit(file.read(Tail)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (const QString line = it->trimmed(); !line.isEmpty())
            return line.left(LineLimit);
    return QString();
}

} // namespace

SystemLauncher::SystemLauncher(ProgramFinder find, int answerMs)
    : find_(std::move(find)), answerMs_(answerMs) {}

void SystemLauncher::openUrl(const QUrl& url, QObject* context, Opener::Done done) {
    const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    QString program = find_(QStringLiteral("xdg-open"));
    const bool xdg = !program.isEmpty();
    QStringList arguments{target};
    if (!xdg) {
        program = find_(QStringLiteral("gio"));
        arguments.prepend(QStringLiteral("open"));
    }
    if (program.isEmpty()) {
        // Neither opener: Qt's own way, which says only whether it started one.
        // The desktop's handler is started from this process's environment, so
        // a platform choice forced for ourselves is taken out for that moment.
        const bool hide = forcedPlatform && qEnvironmentVariableIsSet(platformVariable);
        const QByteArray saved = qgetenv(platformVariable);
        if (hide)
            qunsetenv(platformVariable);
        const bool started = QDesktopServices::openUrl(url);
        if (hide)
            qputenv(platformVariable, saved);
        if (done)
            done(started ? Opener::Outcome{}
                         : Opener::Outcome{false, Text::tr("no application is set to open it")});
        return;
    }

    // The opener outlives a closing strip (the program's end kills only the
    // opener, never the handler it started); its complaint goes to a file,
    // as a handler inheriting a pipe would die writing to it once we are gone.
    auto* process = new QProcess(QCoreApplication::instance());
    auto* errors = new QTemporaryFile(process);
    process->setProgram(program);
    process->setArguments(arguments);
    process->setProcessEnvironment(launchEnvironment());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(errors->open() ? errors->fileName() : QProcess::nullDevice());

    auto answered = std::make_shared<bool>(false);
    auto answer = [answered, done](const Opener::Outcome& outcome) {
        if (*answered)
            return;
        *answered = true;
        if (done)
            done(outcome);
    };
    QObject* receiver = context ? context : process;
    QObject::connect(process, &QProcess::finished, receiver,
                     [answer, xdg, errors](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && code == 0)
                             answer({});
                         else
                             answer(
                                 {false, refusalFor(xdg, status == QProcess::NormalExit ? code : -1,
                                                    lastLine(*errors))});
                     });
    QObject::connect(process, &QProcess::errorOccurred, receiver,
                     [answer, process](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             answer({false, Text::tr("the desktop's opener %1 could not be started")
                                                .arg(process->program())});
                     });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError e) {
                         if (e == QProcess::FailedToStart)
                             process->deleteLater();
                     });
    QTimer::singleShot(answerMs_, receiver, [answer] { answer({}); });
    process->start();
}

Opener::Outcome SystemLauncher::startDetached(const QString& program, const QStringList& arguments,
                                              const QString& workingDir) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDir);
    process.setProcessEnvironment(launchEnvironment());
    process.setStandardInputFile(QProcess::nullDevice());
    if (process.startDetached())
        return {};
    return {false, Text::tr("it could not be started (%1)").arg(process.errorString())};
}

QString findOnPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

std::optional<QStringList> inTerminal(const QStringList& command, const ProgramFinder& find) {
    // Each terminal's option that takes the rest of the line as the command:
    // Debian's choice first, then the one the user names, then those known.
    QList<QPair<QString, QString>> terminals = {
        {QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")},
        {QStringLiteral("gnome-terminal"), QStringLiteral("--")},
        {QStringLiteral("konsole"), QStringLiteral("-e")},
        {QStringLiteral("xfce4-terminal"), QStringLiteral("-x")},
        {QStringLiteral("xterm"), QStringLiteral("-e")},
    };
    if (const QString chosen = qEnvironmentVariable("TERMINAL"); !chosen.isEmpty())
        terminals.insert(1, {chosen, QStringLiteral("-e")});
    for (const auto& [name, option] : terminals) {
        const QString program = find(name);
        if (!program.isEmpty())
            return QStringList{program, option} + command;
    }
    return std::nullopt;
}

Action route(const QString& path, const ProgramFinder& find) {
    Action a;
    if (path.isEmpty()) {
        a.refusal = Text::tr("it does not exist");
        return a;
    }
    if (buttonslots::isAddress(path)) {
        const QUrl url(path, QUrl::TolerantMode);
        if (url.isValid()) {
            a.kind = Action::Kind::OpenUrl;
            a.url = url;
        } else {
            a.refusal = Text::tr("it is not a valid address");
        }
        return a;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        a.refusal = Text::tr("it does not exist");
        return a;
    }
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

void DesktopOpener::open(QObject* owner, const QString& path) {
    openReporting(owner, path, {});
}

void DesktopOpener::openReporting(QObject* owner, const QString& path, Done done) {
    run(owner, route(path, find_), std::move(done));
}

void DesktopOpener::startReporting(QObject* owner, const QString& path, const Start& how,
                                   Done done) {
    if (!how.entryAction.isEmpty()) {
        run(owner, desktopapps::route(path, how.entryAction, find_), std::move(done));
        return;
    }
    Action a = route(path, find_);
    // Launch options belong to programs and scripts; an entry says its own.
    if (a.kind == Action::Kind::Start && !desktopapps::isEntryPath(path))
        a = commandStart(QStringList{a.program} + a.arguments + how.arguments, how.terminal,
                         how.workingDir.isEmpty() ? a.workingDir : how.workingDir, find_);
    run(owner, a, std::move(done));
}

void DesktopOpener::run(QObject* owner, const Action& a, Done done) {
    switch (a.kind) {
    case Action::Kind::Nothing:
        if (done)
            done({false, a.refusal});
        break;
    case Action::Kind::OpenUrl:
        launcher_.openUrl(a.url, owner, std::move(done));
        break;
    case Action::Kind::Start: {
        const Outcome outcome = launcher_.startDetached(a.program, a.arguments, a.workingDir);
        if (done)
            done(outcome);
        break;
    }
    }
}

} // namespace shell
