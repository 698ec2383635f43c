#pragma once
#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>
#include <sys/types.h>

// Replacing a file's whole content so that a crash at any moment leaves
// either the old or the new content on disk: the bytes go to a temporary file
// in the same folder, are flushed, and the temporary file is renamed over the
// old one. A symbolic link stays a link: its final target is replaced. The
// file keeps its permission bits (and, where allowed, its owner).
namespace atomicfile {

// The path a write really replaces: `path` with every symbolic link followed.
QString resolveTarget(const QString& path);
// Whether the new content is on the disk when replace() returns. Later spares
// a batch of many small files a wait per file; a crash may then lose the new
// file, but readers still see either the old or the new content whole.
// Later also leaves the temporaries of writers killed long ago in place: a
// batch removes them once with removeStale, the file's next Now write with it.
enum class Sync { Now, Later };

// False when the file could not be replaced; then the old content is untouched
// and no temporary file is left behind. The file keeps its permission bits,
// or takes `mode` when one is given (a file holding secrets: owner only); a
// new file gets the umask's bits. With a mode the content is never readable
// under other bits, not even for a moment.
bool replace(const QString& path, const QByteArray& bytes,
             std::optional<QFileDevice::Permissions> mode = {}, Sync sync = Sync::Now);

// Removes the temporary files that writers killed over an hour ago left in
// the folder, whatever file they were for.
void removeStale(const QString& folder);

// The bits of a permission set as the file system stores them (owner, group,
// others; the "user" flags count as the owner's).
mode_t modeBits(QFileDevice::Permissions permissions);

} // namespace atomicfile
