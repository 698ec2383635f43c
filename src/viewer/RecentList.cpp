#include "viewer/RecentList.h"
#include "core/AtomicFile.h"
#include "core/Error.h"
#include "core/RegularFile.h"

#include <QCoreApplication>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RecentList)
};
} // namespace

RecentList::RecentList(QString path, Writer writer)
    : path_(std::move(path)),
      writer_(writer ? std::move(writer) : [](const QString& p, const QByteArray& b) {
          return atomicfile::replace(p, b);
      }) {}

void RecentList::load() {
    const regularfile::Result r = regularfile::read(path_);
    if (r.status == regularfile::Status::Missing)
        return;
    if (!r.ok())
        throw AppError(regularfile::cannotOpen(path_, r.status));
    lines_.clear();
    entries_.clear();
    for (const QByteArray& line : parse(r.bytes))
        add(line);
}

void RecentList::add(const QByteArray& line) {
    lines_.append(line);
    entries_.append(QString::fromUtf8(line));
}

void RecentList::append(const QString& entry) {
    add(entry.toUtf8());
    save();
}

void RecentList::appendLater(const QString& entry) {
    add(entry.toUtf8());
    unsaved_ = true;
}

void RecentList::flush() {
    if (unsaved_)
        save();
}

std::optional<QByteArray> RecentList::takeUnsaved() {
    if (!unsaved_)
        return std::nullopt;
    unsaved_ = false;
    return serialize(lines_);
}

QString RecentList::writeFailed() {
    unsaved_ = true;
    return Text::tr("Cannot create file %1").arg(path_);
}

void RecentList::removeAt(int row) {
    if (row < 0 || row >= entries_.size())
        return;
    lines_.removeAt(row);
    entries_.removeAt(row);
    save();
}

QByteArray RecentList::serialize(const QByteArrayList& lines) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

QByteArrayList RecentList::parse(const QByteArray& bytes) {
    QByteArrayList out;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        out.append(bytes.mid(start, end - start));
        if (end + 1 < n && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return out;
}

void RecentList::save() {
    // The whole list is written, so a failure leaves it unsaved: the next
    // change or flush tries again.
    unsaved_ = true;
    if (!writer_(path_, serialize(lines_)))
        throw AppError(writeFailed());
    unsaved_ = false;
}
