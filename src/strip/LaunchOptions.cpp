#include "strip/LaunchOptions.h"

#include "core/ButtonSlots.h"
#include "core/ControlFile.h"
#include "platform/DesktopApps.h"
#include "platform/Shell.h"
#include "strip/StripView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LaunchOptions)
};

const QString ArgumentsSection = QStringLiteral("LAUNCHARGS");
const QString FolderSection = QStringLiteral("LAUNCHDIR");
const QString TerminalSection = QStringLiteral("LAUNCHTERM");
const QString TargetSection = QStringLiteral("LAUNCHFOR");

// An open quote would silently take the rest of the line as one argument.
bool quotesClosed(const QString& text) {
    bool inQuote = false;
    for (const QChar c : text)
        if (c == u'"')
            inQuote = !inQuote;
    return !inQuote;
}
} // namespace

Opener::Start LaunchOptions::start() const {
    Opener::Start how;
    how.arguments = QProcess::splitCommand(arguments);
    how.workingDir = workingDir;
    how.terminal = terminal;
    return how;
}

LaunchOptions LaunchOptionsSettings::read(int n, const QString& target) const {
    const QString key = QString::number(n);
    if (target.isEmpty() || file_.read(TargetSection, key, PathLimit).text != target)
        return {};
    LaunchOptions options;
    options.arguments = file_.read(ArgumentsSection, key, ArgumentsLimit).text;
    options.workingDir = file_.read(FolderSection, key, PathLimit).text;
    options.terminal = file_.read(TerminalSection, key, 10).isSet();
    return options;
}

void LaunchOptionsSettings::write(int n, const QString& target, const LaunchOptions& options) {
    file_.writeAll(entries(n, target, options));
}

QList<ControlFile::Entry> LaunchOptionsSettings::entries(int n, const QString& target,
                                                         const LaunchOptions& options) {
    const QString key = QString::number(n);
    const bool any = !options.isEmpty();
    return {
        {ArgumentsSection, key, options.arguments},
        {FolderSection, key, options.workingDir},
        {TerminalSection, key, options.terminal ? QStringLiteral("True") : QString()},
        {TargetSection, key, any ? target : QString()},
    };
}

namespace launchoptions {

bool applies(const QString& target) {
    if (desktopapps::isEntryPath(target))
        return false;
    return shell::route(target).kind == shell::Action::Kind::Start;
}

QString hint(const QString& hint, const LaunchOptions& options) {
    QStringList parts;
    if (!options.arguments.isEmpty())
        parts << Text::tr("arguments: %1").arg(options.arguments);
    if (!options.workingDir.isEmpty())
        parts << Text::tr("folder: %1").arg(options.workingDir);
    if (options.terminal)
        parts << Text::tr("in a terminal");
    if (parts.isEmpty())
        return hint;
    return Text::tr("%1 (%2)").arg(hint, parts.join(QStringLiteral("; ")));
}

std::optional<QString> refusal(const LaunchOptions& options) {
    if (options.arguments.size() >= LaunchOptionsSettings::ArgumentsLimit)
        return Text::tr("The arguments are longer than %1 characters.")
            .arg(LaunchOptionsSettings::ArgumentsLimit - 1);
    if (!quotesClosed(options.arguments))
        return Text::tr("A quote in the arguments is not closed.");
    if (options.workingDir.isEmpty())
        return std::nullopt;
    if (options.workingDir.size() >= LaunchOptionsSettings::PathLimit)
        return Text::tr("The working folder is longer than %1 characters.")
            .arg(LaunchOptionsSettings::PathLimit - 1);
    const QFileInfo folder(options.workingDir);
    if (!folder.isAbsolute() || !folder.isDir())
        return Text::tr("The working folder %1 is not a folder.").arg(options.workingDir);
    return std::nullopt;
}

std::optional<QString> keep(ControlFile& file, StripView& view, int n, const QString& target,
                            const LaunchOptions& options) {
    if (auto refused = refusal(options))
        return refused;
    LaunchOptionsSettings(file).write(n, target, options);
    // The hint as loading gives it, options included.
    const QString plain = buttonslots::loadedHint(target);
    view.setButtonHint(n, buttontexts::loaded(file, n, target, plain));
    return std::nullopt;
}

} // namespace launchoptions

namespace buttontexts {

QString forTarget(const QString& target, const QString& plainHint) {
    if (!target.startsWith(u'/') || !desktopapps::isEntryPath(target))
        return plainHint;
    const auto entry = desktopapps::read(target);
    if (!entry || entry->name.isEmpty())
        return plainHint;
    if (entry->comment.isEmpty())
        return entry->name;
    return Text::tr("%1 - %2").arg(entry->name, entry->comment);
}

QString loaded(ControlFile& file, int n, const QString& target, const QString& plainHint) {
    return launchoptions::hint(forTarget(target, plainHint),
                               LaunchOptionsSettings(file).read(n, target));
}

} // namespace buttontexts
