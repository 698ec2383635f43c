#pragma once
#include "TempDir.h"

#include <QFile>
#include <QSettings>
#include <QString>

namespace testfilemanager {

// The per-user store lives in a temporary XDG_CONFIG_HOME, set once per
// process before the first QSettings is made (QSettings keeps the path).
inline const testsupport::TempDir& registryHome() {
    static testsupport::TempDir home;
    static const bool set = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        return true;
    }();
    Q_UNUSED(set);
    return home;
}

inline QString registryFile() {
    return registryHome().file(QStringLiteral("Fernhollow/Pathnook.conf"));
}

inline void clearRegistry() {
    QFile::remove(registryFile());
}

// The value in the real store, as another program would read it.
inline QVariant registryValue(const QString& name) {
    QSettings s(registryFile(), QSettings::IniFormat);
    return s.value(QStringLiteral("Options/") + name);
}

} // namespace testfilemanager
