#pragma once
#include <QByteArrayList>
#include <QString>
#include <QStringList>

// The two parallel lists of the e-mail window, row i of one belonging to row
// i of the other, and their files: UTF-8, one entry per line, CR LF. Each
// entry is kept as the bytes of its line, so a line that is not valid UTF-8
// or holds a NUL is written back exactly as it was read.
class AddressBook {
public:
    AddressBook(QString addressFile, QString nameFile);

    // The entries as text to show; bytes that are not UTF-8 show as U+FFFD.
    QStringList addresses() const { return decoded(addresses_); }
    QStringList names() const { return decoded(names_); }
    const QString& addressFile() const { return addressFile_; }
    const QString& nameFile() const { return nameFile_; }

    // Each file that exists replaces its list; a missing one leaves it as it
    // was. A file that cannot be read: AppError "Cannot open file %s".
    void reload();
    // Both files are rewritten whole. When one cannot be written the error is
    // AppError "Cannot create file %s" and lists and files stay as they were.
    void add(const QString& address, const QString& name);
    void remove(int row);

    static QByteArrayList parse(const QByteArray& bytes);
    static QByteArray format(const QByteArrayList& lines);

private:
    static QStringList decoded(const QByteArrayList& lines);
    void store(const QByteArrayList& addresses, const QByteArrayList& names);

    QString addressFile_;
    QString nameFile_;
    QByteArrayList addresses_;
    QByteArrayList names_;
};
