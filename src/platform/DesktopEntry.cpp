#include "platform/DesktopEntry.h"

#include "core/RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString unescapeString(const QString& raw) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != u'\\' || i + 1 == raw.size()) {
            out += c;
            continue;
        }
        const QChar n = raw[++i];
        switch (n.unicode()) {
        case 's':
            out += u' ';
            break;
        case 'n':
            out += u'\n';
            break;
        case 't':
            out += u'\t';
            break;
        case 'r':
            out += u'\r';
            break;
        case '\\':
            out += u'\\';
            break;
        default:
            // Not a string escape: left for the Exec quoting rules to judge.
            out += c;
            out += n;
        }
    }
    return out;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& text) {
    DesktopEntry entry;
    bool found = false;
    bool inGroup = false;
    const QString all = QString::fromUtf8(text);
    const QStringList lines = all.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[')) {
            // Only the first [Desktop Entry] group counts.
            if (found && inGroup)
                break;
            inGroup = trimmed == QLatin1String("[Desktop Entry]");
            found = found || inGroup;
            continue;
        }
        if (!inGroup)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = unescapeString(line.mid(eq + 1).trimmed());
        if (key == QLatin1String("Type"))
            entry.type = value;
        else if (key == QLatin1String("Name"))
            entry.name = value;
        else if (key == QLatin1String("Exec"))
            entry.exec = value;
        else if (key == QLatin1String("Path"))
            entry.path = value;
        else if (key == QLatin1String("Icon"))
            entry.icon = value;
        else if (key == QLatin1String("URL"))
            entry.url = value;
        else if (key == QLatin1String("Terminal"))
            entry.terminal = value == QLatin1String("true") || value == QLatin1String("1");
    }
    if (!found)
        return std::nullopt;
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::load(const QString& file) {
    const regularfile::Result read = regularfile::read(file, maxFileSize);
    if (!read.ok())
        return std::nullopt;
    return parse(read.bytes);
}

namespace desktopexec {

std::optional<QStringList> split(const QString& exec) {
    QStringList args;
    QString current;
    bool inArg = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\') {
                if (i + 1 == exec.size())
                    return std::nullopt;
                const QChar n = exec[++i];
                if (n != u'"' && n != u'`' && n != u'$' && n != u'\\')
                    return std::nullopt;
                current += n;
            } else {
                current += c;
            }
            continue;
        }
        if (isBlank(c)) {
            if (inArg) {
                args << current;
                current.clear();
                inArg = false;
            }
            continue;
        }
        inArg = true;
        if (c == u'"') {
            quoted = true;
        } else if (c == u'\\' && i + 1 < exec.size()) {
            // Outside quotes a backslash keeps the next character as it is.
            current += exec[++i];
        } else {
            current += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArg)
        args << current;
    return args;
}

std::optional<QStringList> command(const DesktopEntry& entry, const QString& entryPath) {
    auto split = desktopexec::split(entry.exec);
    if (!split || split->isEmpty())
        return std::nullopt;
    QStringList out;
    for (const QString& arg : *split) {
        static const QString fileCodes = QStringLiteral("fFuU");
        static const QString deprecated = QStringLiteral("dDnNvm");
        if (arg.size() == 2 && arg[0] == u'%' &&
            (fileCodes.contains(arg[1]) || deprecated.contains(arg[1])))
            continue; // no files are opened with the entry
        if (arg == QLatin1String("%i")) {
            if (!entry.icon.isEmpty())
                out << QStringLiteral("--icon") << entry.icon;
            continue;
        }
        QString expanded;
        for (qsizetype i = 0; i < arg.size(); ++i) {
            if (arg[i] != u'%') {
                expanded += arg[i];
                continue;
            }
            if (i + 1 == arg.size())
                return std::nullopt;
            const QChar code = arg[++i];
            if (code == u'%')
                expanded += u'%';
            else if (code == u'c')
                expanded += entry.name;
            else if (code == u'k')
                expanded += entryPath;
            else if (code == u'i')
                expanded += entry.icon;
            else if (fileCodes.contains(code) || deprecated.contains(code))
                ; // dropped
            else
                return std::nullopt;
        }
        out << expanded;
    }
    if (out.isEmpty() || out.front().isEmpty())
        return std::nullopt;
    return out;
}

} // namespace desktopexec
