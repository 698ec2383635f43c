#include "mail/AddressBook.h"

#include "core/AtomicFile.h"
#include "core/Error.h"
#include "core/RegularFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <optional>

namespace {
// The strings the user sees, translated under this name.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddressBook)
};

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

QByteArrayList AddressBook::parse(const QByteArray& bytes) {
    // Line ends are LF, CR LF or CR; the entries' own bytes stay untouched.
    QByteArray text = bytes;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split('\n');
}

QByteArray AddressBook::format(const QByteArrayList& lines) {
    QByteArray out;
    for (const QByteArray& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

QStringList AddressBook::decoded(const QByteArrayList& lines) {
    QStringList out;
    out.reserve(lines.size());
    for (const QByteArray& line : lines)
        out << QString::fromUtf8(line);
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
    // A line break typed or pasted into an entry would split it in the file
    // and pair every later address with the wrong name.
    const auto line = [](QString text) {
        text.replace(QRegularExpression(QStringLiteral("[\r\n]+")), QStringLiteral(" "));
        return text.toUtf8();
    };
    store(addresses_ + QByteArrayList{line(address)}, names_ + QByteArrayList{line(name)});
}

void AddressBook::remove(int row) {
    QByteArrayList a = addresses_;
    QByteArrayList n = names_;
    if (row >= 0 && row < a.size())
        a.removeAt(row);
    if (row >= 0 && row < n.size())
        n.removeAt(row);
    store(a, n);
}

void AddressBook::store(const QByteArrayList& addresses, const QByteArrayList& names) {
    QFile old(addressFile_);
    const bool hadAddresses = old.exists();
    const QByteArray oldAddresses =
        hadAddresses && old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray();
    old.close();
    if (!atomicfile::replace(addressFile_, format(addresses)))
        throw AppError(Text::tr("Cannot create file %1").arg(addressFile_));
    if (!atomicfile::replace(nameFile_, format(names))) {
        // Put the address file back, so the two files still pair up row by row.
        if (hadAddresses)
            atomicfile::replace(addressFile_, oldAddresses);
        else
            QFile::remove(addressFile_);
        throw AppError(Text::tr("Cannot create file %1").arg(nameFile_));
    }
    addresses_ = addresses;
    names_ = names;
}
