#include "mail/AttachmentList.h"

#include <QFileInfo>
#include <QMimeDatabase>

QString AttachmentList::add(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return tr("The file %1 cannot be read, so it was not attached.").arg(path);
    const QString canonical = info.canonicalFilePath();
    for (const Entry& e : std::as_const(entries_)) {
        if (QFileInfo(e.file.path).canonicalFilePath() == canonical)
            return {};
    }
    const QMimeDatabase types;
    entries_.append({{info.absoluteFilePath(), info.fileName(), types.mimeTypeForFile(info).name()},
                     info.size()});
    emit changed();
    return {};
}

void AttachmentList::remove(int row) {
    if (row < 0 || row >= entries_.size())
        return;
    entries_.removeAt(row);
    emit changed();
}

void AttachmentList::clear() {
    if (entries_.isEmpty())
        return;
    entries_.clear();
    emit changed();
}

QList<MailAttachment> AttachmentList::files() const {
    QList<MailAttachment> out;
    for (const Entry& e : entries_)
        out << e.file;
    return out;
}

qint64 AttachmentList::totalSize() const {
    qint64 total = 0;
    for (const Entry& e : entries_)
        total += e.size;
    return total;
}
