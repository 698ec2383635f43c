#pragma once
#include <QImage>
#include <QString>
#include <functional>

// Writing the extractor's icons as 16-colour icon files.
namespace iconsaver {

// The icon as one 4-bit image with its mask (766 bytes for 32 x 32). An
// existing file is replaced. Raises AppError("Cannot create file %s") when
// the file cannot be written.
void save(const QImage& icon, const QString& path);
// The same for one file of a batch: replaced whole, like every file the
// program writes, but without waiting for the disk (a sync per file would
// make Save All of a large library many times slower than other extractors).
void saveInBatch(const QImage& icon, const QString& path);

} // namespace iconsaver

// Save All: every icon of a file, in order, into one folder under the names
// of iconfilenames. Nothing is kept between runs.
class SaveAllJob {
public:
    // The path as the path field holds it and the count of the file loaded last.
    SaveAllJob(QString path, int count, QString folder);

    // Sees each icon after its file is written, with how many indexes are
    // done; false stops before the next one.
    using Each = std::function<bool(int done, const QImage& icon)>;

    // Writes icons 0 .. count - 1, overwriting files of the same names, and
    // returns how many were written; an index the file has no icon for is
    // passed over. Each file is replaced whole or not at all. The first file
    // that cannot be written raises its error; the icons after it are not
    // written.
    int run(const Each& each = {}) const;

private:
    QString path_;
    int count_;
    QString folder_;
};
