#pragma once
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A temporary folder for one test, removed afterwards; file() joins names.
class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    // Writes bytes to a file below the folder (creating subfolders) and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

} // namespace testsupport
