#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "dialogs/FileProperties.h"
#include "dialogs/window/TFileProp.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The lines of the file-properties window for every kind of target, and the
// window's showing rules.
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

    // An empty button shows its own number and no path, even after a filled one.
    void emptyButtonAndShowingRules() {
        testdialogs::Fixture f;
        const QString path = f.dir.write("notes.txt", "abc");
        f.file->write("BUTTON", "3", path);
        f.file->write("BUTTON", "4", "ab"); // not a set value
        TFileProp window(f.context);
        window.showFor(3, 0x000000FF);
        QVERIFY(window.isVisible());
        QVERIFY(window.memo1()->toPlainText().contains("  " + path + "\n  On Button 3\n"));
        // A second "File Prop..." while it shows only raises it.
        window.showFor(4, 0x000000FF);
        QVERIFY(window.memo1()->toPlainText().contains("On Button 3"));
        window.closeButton()->click();
        QVERIFY(!window.isVisible());
        QVERIFY(window.memo1()->toPlainText().isEmpty());
        window.showFor(4, 0x000000FF);
        QCOMPARE(window.memo1()->toPlainText().split('\n'),
                 QStringList({"", "  File Properties for the Application:", "  On Button 4",
                              "  This button is empty: it holds no file."}));
        window.close();
        // A missing file is said in the window, with no error box.
        f.file->write("BUTTON", "5", f.dir.file("gone.txt"));
        window.showFor(5, 0x000000FF);
        QVERIFY(
            window.memo1()->toPlainText().endsWith("  On Button 5\n  This file does not exist."));
        QVERIFY(f.prompts.allUsed());
    }
};

TABDECK_TEST(FilePropTest)
#include "FilePropTest.moc"
