#include "core/ButtonSlots.h"

namespace buttonslots {

namespace {
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

bool isExecutable(const QString& path) {
    return kindOf(path) == Kind::Executable;
}

QString buttonHint(const QString& path) {
    if (path.size() == 3)
        return path;
    return path.mid(lastSeparator(path) + 1);
}

QString emptyButtonHint() {
    return QStringLiteral("Right Click for Menu.\rOr Drag & Drop.");
}

} // namespace buttonslots
