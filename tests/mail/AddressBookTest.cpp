// The address book's files keep every entry's bytes through a change of the
// lists, whatever the bytes are.
#include "mail/AddressBook.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>

using testsupport::TempDir;

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class AddressBookTest : public QObject {
    Q_OBJECT
private slots:
    void entriesKeepTheirBytes_data();
    void entriesKeepTheirBytes();
};

void AddressBookTest::entriesKeepTheirBytes_data() {
    QTest::addColumn<QByteArray>("file"); // both lists' file
    QTest::addColumn<QString>("added");
    QTest::addColumn<QByteArray>("afterAdd");
    QTest::addColumn<QByteArray>("afterRemovingFirst");
    QTest::newRow("invalid UTF-8 and NUL")
        << QByteArray("a@x\r\n\xff\xfe@x\r\nb\0c@x\r\n", 18) << "new@x"
        << QByteArray("a@x\r\n\xff\xfe@x\r\nb\0c@x\r\nnew@x\r\n", 25)
        << QByteArray("\xff\xfe@x\r\nb\0c@x\r\nnew@x\r\n", 20);
    QTest::newRow("overlong form, lone surrogate, cut sequence")
        << QByteArray("\xc0\xaf\r\n\xed\xa0\x80\r\nab\xc3\r\n") << "n"
        << QByteArray("\xc0\xaf\r\n\xed\xa0\x80\r\nab\xc3\r\nn\r\n")
        << QByteArray("\xed\xa0\x80\r\nab\xc3\r\nn\r\n");
    QTest::newRow("LF ends and no end on the last line")
        << QByteArray("a\nb\n\xe9") << QString::fromUtf8("\xc3\xa9")
        << QByteArray("a\r\nb\r\n\xe9\r\n\xc3\xa9\r\n") << QByteArray("b\r\n\xe9\r\n\xc3\xa9\r\n");
    QTest::newRow("a typed line break does not split the entry")
        << QByteArray("a\r\n") << "x\r\ny\nz" << QByteArray("a\r\nx y z\r\n")
        << QByteArray("x y z\r\n");
}

void AddressBookTest::entriesKeepTheirBytes() {
    QFETCH(QByteArray, file);
    QFETCH(QString, added);
    QFETCH(QByteArray, afterAdd);
    QFETCH(QByteArray, afterRemovingFirst);
    TempDir dir;
    AddressBook book(dir.write("MainEmail.lst", file), dir.write("MainName.lst", file));
    book.reload();
    book.add(added, added);
    QCOMPARE(readAll(book.addressFile()), afterAdd);
    QCOMPARE(readAll(book.nameFile()), afterAdd);
    book.remove(0);
    QCOMPARE(readAll(book.addressFile()), afterRemovingFirst);
    QCOMPARE(readAll(book.nameFile()), afterRemovingFirst);
    // What the lists show is the text of the same rows.
    book.reload();
    QCOMPARE(book.addresses().size(), book.names().size());
    QCOMPARE(book.addresses().last(), QString(added).replace(QRegularExpression("[\r\n]+"), " "));
}

TABDECK_TEST(AddressBookTest)
#include "AddressBookTest.moc"
