#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testsupport {

TempDir::TempDir() {
    dir_.setAutoRemove(true);
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const {
    const QString p = file(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return p;
}

} // namespace testsupport
