#include "viewer/RecentList.h"
#include "core/AtomicFile.h"
#include "core/Error.h"
#include "core/RegularFile.h"

void RecentList::load() {
    const regularfile::Result r = regularfile::read(path_);
    if (r.status == regularfile::Status::Missing)
        return;
    if (!r.ok())
        throw AppError(regularfile::cannotOpen(path_, r.status));
    entries_ = parse(r.bytes);
}

void RecentList::append(const QString& entry) {
    entries_.append(entry);
    save();
}

void RecentList::appendLater(const QString& entry) {
    entries_.append(entry);
    unsaved_ = true;
}

void RecentList::flush() {
    if (unsaved_)
        save();
}

void RecentList::removeAt(int row) {
    if (row < 0 || row >= entries_.size())
        return;
    entries_.removeAt(row);
    save();
}

QByteArray RecentList::serialize(const QStringList& entries) {
    QByteArray out;
    for (const QString& e : entries)
        out += e.toUtf8() + "\r\n";
    return out;
}

QStringList RecentList::parse(const QByteArray& bytes) {
    QStringList out;
    const QString text = QString::fromUtf8(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        out.append(text.mid(start, end - start));
        if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return out;
}

void RecentList::save() {
    // The whole list is written, so a failure leaves it unsaved: the next
    // change or flush tries again.
    unsaved_ = true;
    if (!atomicfile::replace(path_, serialize(entries_)))
        throw AppError(QStringLiteral("Cannot create file %1").arg(path_));
    unsaved_ = false;
}
