#pragma once
#include <QString>
#include <QStringList>

// The two parallel lists of the e-mail window, row i of one belonging to row
// i of the other, and their files: UTF-8, one entry per line, CR LF.
class AddressBook {
public:
    AddressBook(QString addressFile, QString nameFile);

    const QStringList& addresses() const { return addresses_; }
    const QStringList& names() const { return names_; }
    const QString& addressFile() const { return addressFile_; }
    const QString& nameFile() const { return nameFile_; }

    // Each file that exists replaces its list; a missing one leaves it as it
    // was. A file that cannot be read: AppError "Cannot open file %s".
    void reload();
    // Both files are rewritten whole. When one cannot be written the error is
    // AppError "Cannot create file %s" and lists and files stay as they were.
    void add(const QString& address, const QString& name);
    void remove(int row);

    static QStringList parse(const QByteArray& bytes);
    static QByteArray format(const QStringList& lines);

private:
    void store(const QStringList& addresses, const QStringList& names);

    QString addressFile_;
    QString nameFile_;
    QStringList addresses_;
    QStringList names_;
};
