#pragma once
#include <QByteArray>
#include <QString>

// Replacing a file's whole content so that a crash at any moment leaves
// either the old or the new content on disk: the bytes go to a temporary file
// in the same folder, are flushed, and the temporary file is renamed over the
// old one. A symbolic link stays a link: its final target is replaced. The
// file keeps its permission bits (and, where allowed, its owner).
namespace atomicfile {

// The path a write really replaces: `path` with every symbolic link followed.
QString resolveTarget(const QString& path);
// False when the file could not be replaced; then the old content is untouched
// and no temporary file is left behind.
bool replace(const QString& path, const QByteArray& bytes);

} // namespace atomicfile
