#include "core/ButtonSlots.h"

#include <QCoreApplication>

#include <algorithm>

namespace buttonslots {

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ButtonSlots)
};

int lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char(':')));
}

} // namespace

QString lowerExtension(const QString& path) {
    const QString lower = path.toLower();
    const int sep = lastSeparator(lower);
    const int dot = lower.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < sep)
        return QString();
    return lower.mid(dot);
}

Kind kindOf(const QString& path) {
    const QString ext = lowerExtension(path);
    if (ext == QLatin1String(".lnk"))
        return Kind::Shortcut;
    if (ext == QLatin1String(".exe") || ext == QLatin1String(".desktop"))
        return Kind::Executable;
    return Kind::Other;
}

bool isAddress(const QString& path) {
    const auto letter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    // One letter before the colon is a drive, not a scheme.
    const qsizetype colon = path.indexOf(QLatin1Char(':'));
    if (colon < 2 || !letter(path.front()))
        return false;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = path[i];
        if (!letter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return true;
}

bool isExecutable(const QString& path) {
    return kindOf(path) == Kind::Executable;
}

QString buttonHint(const QString& path) {
    if (path.size() == 3)
        return path;
    // An address shows whole: cut at a colon it would lose its scheme, or
    // keep only its port and path.
    if (isAddress(path))
        return path;
    return path.mid(lastSeparator(path) + 1);
}

QString emptyButtonHint() {
    return Text::tr("Right Click for Menu.\rOr Drag & Drop.");
}

QString loadedHint(const QString& path) {
    if (!isExecutable(path))
        return buttonHint(path);
    return path.mid(lastSeparator(path) + 1);
}

QString spokenName(int n, const QString& hint) {
    QString name = Text::tr("Button %1, table %2").arg(n).arg(tableOfButton(n));
    if (!hint.isEmpty())
        name += QStringLiteral(": ") + hint;
    return name;
}

} // namespace buttonslots
