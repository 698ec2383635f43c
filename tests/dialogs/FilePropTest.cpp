#include "DialogsFixture.h"
#include "TestRegistry.h"
#include "core/Error.h"
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
        QTest::addColumn<QString>("length"); // "" when the path has no file date
        QTest::addColumn<QString>("attribute");
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
        QTest::newRow("folder") << "folder"
                                << "-1"
                                << "";
        QTest::newRow("fifo is a system file") << "fifo"
                                               << "-1"
                                               << "System file";
        QTest::newRow("missing file") << "missing"
                                      << ""
                                      << "";
        QTest::newRow("web address") << "url"
                                     << ""
                                     << "";
    }
    void lines() {
        QFETCH(QString, kind);
        QFETCH(QString, length);
        QFETCH(QString, attribute);
        testsupport::TempDir dir;
        QString path = dir.write(kind == "hidden" ? ".hidden" : "file.txt", "hello");
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
        if (kind == "url")
            path = "https://www.fernhollow.example/";
        if (length.isEmpty()) {
            try {
                fileproperties::describeFile(path, 7);
                QFAIL("no error");
            } catch (const AppError& e) {
                QCOMPARE(e.text(), QStringLiteral("Invalid argument to date encode"));
            }
            return;
        }
        const QStringList lines = fileproperties::describeFile(path, 7);
        const QStringList expected{"",
                                   "  File Properties for the Application:",
                                   "  " + path,
                                   "  On Button 7",
                                   "  File length in bytes: " + length,
                                   "  The File Date: " + today(),
                                   attribute.isEmpty() ? ""
                                                       : "  The File Attribute is: " + attribute};
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
        QCOMPARE(window.memo1()->toPlainText().split('\n').mid(2, 3),
                 QStringList({"  ", "  On Button 4", "  File length in bytes: -1"}));
        window.close();
        // No file date: the error box, and the window shows empty.
        f.file->write("BUTTON", "5", f.dir.file("gone.txt"));
        f.prompts.expectBox();
        window.showFor(5, 0x000000FF);
        QCOMPARE(f.prompts.lastBox().text, QStringLiteral("Invalid argument to date encode."));
        QVERIFY(window.isVisible() && window.memo1()->toPlainText().isEmpty());
        QVERIFY(f.prompts.allUsed());
    }
};

TABDECK_TEST(FilePropTest)
#include "FilePropTest.moc"
