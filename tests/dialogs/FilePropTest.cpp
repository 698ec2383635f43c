#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "dialogs/FileProperties.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The lines of the file-properties window for every kind of target.
class FilePropTest : public QObject {
    Q_OBJECT

    static QString today() {
        return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    }

private slots:
    void lines_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("length");    // the length line's value
        QTest::addColumn<QString>("attribute"); // the attribute, or the one closing sentence
        const QString noFile = "  This file does not exist.";
        const QString notFull = "  This is not the full path of a file.";
        const QString address = "  This is a web address, not a file: it has no length or date.";
        QTest::newRow("plain file") << "plain"
                                    << "5"
                                    << "";
        QTest::newRow("read-only before archive") << "readonly"
                                                  << "5"
                                                  << "Read-only file";
        QTest::newRow("hidden before read-only") << "hidden"
                                                 << "5"
                                                 << "Hidden file";
        QTest::newRow("3 GiB sparse") << "sparse"
                                      << "3221225472"
                                      << "";
        QTest::newRow("empty file") << "empty"
                                    << "0"
                                    << "";
        QTest::newRow("folder") << "folder"
                                << "none, this is a folder"
                                << "";
        QTest::newRow("fifo is a system file") << "fifo"
                                               << "none, this is not a regular file"
                                               << "System file";
        QTest::newRow("missing file") << "missing"
                                      << "" << noFile;
        QTest::newRow("below a file") << "below file"
                                      << "" << noFile;
        QTest::newRow("web address") << "https://www.fernhollow.example/"
                                     << "" << address;
        QTest::newRow("mail address") << "mailto:a@b.example"
                                      << "" << address;
        QTest::newRow("drive letter is no address") << "c:/windows/notepad.exe"
                                                    << "" << notFull;
        QTest::newRow("relative path") << "notes.txt"
                                       << "" << notFull;
    }
    void lines() {
        QFETCH(QString, kind);
        QFETCH(QString, length);
        QFETCH(QString, attribute);
        testsupport::TempDir dir;
        QString path =
            dir.write(kind == "hidden" ? ".hidden" : "file.txt", kind == "empty" ? "" : "hello");
        if (kind == "readonly" || kind == "hidden")
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        if (kind == "sparse")
            QVERIFY(::truncate(QFile::encodeName(path).constData(), 3LL << 30) == 0);
        if (kind == "folder")
            path = dir.path() + "/";
        if (kind == "fifo") {
            path = dir.file("pipe");
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
        }
        if (kind == "missing")
            path = dir.file("gone.txt");
        if (kind == "below file")
            path += "/inner.txt";
        if (kind.contains(':') || kind == "notes.txt")
            path = kind;
        const QStringList lines = fileproperties::describeFile(path, 7);
        QStringList expected{"", "  File Properties for the Application:", "  " + path,
                             "  On Button 7"};
        if (length.isEmpty())
            expected << attribute;
        else
            expected << "  File length in bytes: " + length << "  The File Date: " + today()
                     << (attribute.isEmpty() ? "" : "  The File Attribute is: " + attribute);
        QCOMPARE(lines, expected);
    }

    // A button's entry is its target when longer than two characters; an
    // empty button's lines give its number and say it holds no file.
    void buttonTargetAndEmptyButton() {
        testdialogs::Fixture f;
        f.file->write("BUTTON", "3", "abc");
        f.file->write("BUTTON", "4", "ab"); // not a set value
        QCOMPARE(fileproperties::buttonTarget(*f.file, 3), QStringLiteral("abc"));
        QCOMPARE(fileproperties::buttonTarget(*f.file, 4), QString());
        QCOMPARE(fileproperties::buttonTarget(*f.file, 5), QString());
        QCOMPARE(fileproperties::describeFile(QString(), 4),
                 QStringList({"", "  File Properties for the Application:", "  On Button 4",
                              "  This button is empty: it holds no file."}));
    }
};

TABDECK_TEST(FilePropTest)
#include "FilePropTest.moc"
