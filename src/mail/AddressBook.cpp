#include "mail/AddressBook.h"

#include "core/AtomicFile.h"
#include "core/Error.h"
#include "core/RegularFile.h"

#include <QFile>
#include <optional>

namespace {

// The file's bytes; nullopt when it does not exist.
std::optional<QByteArray> readList(const QString& path) {
    regularfile::Result r = regularfile::read(path);
    if (r.status == regularfile::Status::Missing)
        return std::nullopt;
    if (!r.ok())
        throw AppError(regularfile::cannotOpen(path, r.status));
    return std::move(r.bytes);
}

} // namespace

AddressBook::AddressBook(QString addressFile, QString nameFile)
    : addressFile_(std::move(addressFile)), nameFile_(std::move(nameFile)) {}

QStringList AddressBook::parse(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

QByteArray AddressBook::format(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

void AddressBook::reload() {
    // Both are read before either list changes, so a bad file changes nothing.
    const std::optional<QByteArray> a = readList(addressFile_);
    const std::optional<QByteArray> n = readList(nameFile_);
    if (a)
        addresses_ = parse(*a);
    if (n)
        names_ = parse(*n);
}

void AddressBook::add(const QString& address, const QString& name) {
    store(addresses_ + QStringList{address}, names_ + QStringList{name});
}

void AddressBook::remove(int row) {
    QStringList a = addresses_;
    QStringList n = names_;
    if (row >= 0 && row < a.size())
        a.removeAt(row);
    if (row >= 0 && row < n.size())
        n.removeAt(row);
    store(a, n);
}

void AddressBook::store(const QStringList& addresses, const QStringList& names) {
    QFile old(addressFile_);
    const bool hadAddresses = old.exists();
    const QByteArray oldAddresses =
        hadAddresses && old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
    old.close();
    if (!atomicfile::replace(addressFile_, format(addresses)))
        throw AppError(QStringLiteral("Cannot create file %1").arg(addressFile_));
    if (!atomicfile::replace(nameFile_, format(names))) {
        // Put the address file back, so the two files still pair up row by row.
        if (hadAddresses)
            atomicfile::replace(addressFile_, oldAddresses);
        else
            QFile::remove(addressFile_);
        throw AppError(QStringLiteral("Cannot create file %1").arg(nameFile_));
    }
    addresses_ = addresses;
    names_ = names;
}
