#include "core/ButtonSlots.h"
#include "TestRegistry.h"

#include <QTest>

using namespace buttonslots;

class ButtonSlotsTest : public QObject {
    Q_OBJECT
private slots:
    void kinds_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("kind");
        QTest::newRow("shortcut any case") << "/home/u/Game.LNK"
                                           << ".lnk" << int(Kind::Shortcut);
        QTest::newRow("exe") << "/opt/wine/Tool.Exe"
                             << ".exe" << int(Kind::Executable);
        QTest::newRow("desktop entry") << "/usr/share/applications/gimp.desktop"
                                       << ".desktop" << int(Kind::Executable);
        QTest::newRow("document") << "/home/u/notes.txt"
                                  << ".txt" << int(Kind::Other);
        QTest::newRow("dot in folder only") << "/home/u.v/README"
                                            << "" << int(Kind::Other);
        QTest::newRow("dot before colon") << "C.exe:x"
                                          << "" << int(Kind::Other);
        QTest::newRow("no extension") << "/usr/bin/xterm"
                                      << "" << int(Kind::Other);
        QTest::newRow("web address") << "https://example.org/index.html"
                                     << ".html" << int(Kind::Other);
        QTest::newRow("trailing dot") << "/tmp/file."
                                      << "." << int(Kind::Other);
    }
    void kinds() {
        QFETCH(QString, path);
        QFETCH(QString, extension);
        QFETCH(int, kind);
        QCOMPARE(lowerExtension(path), extension);
        QCOMPARE(int(kindOf(path)), kind);
        QCOMPARE(isExecutable(path), kind == int(Kind::Executable));
    }

    void hints_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("hint");
        QTest::newRow("file name") << "/usr/bin/xterm"
                                   << "xterm";
        QTest::newRow("three characters whole") << "/m/"
                                                << "/m/";
        QTest::newRow("folder ending in slash") << "/home/user/"
                                                << "";
        QTest::newRow("no separator") << "tool.exe"
                                      << "tool.exe";
        // A local path's file name ends at its last "/" or ":".
        QTest::newRow("local path with colon") << "/home/u/a:b/c.txt"
                                               << "c.txt";
        QTest::newRow("colon in the file name") << "/home/u/notes:old.txt"
                                                << "old.txt";
        QTest::newRow("relative name with colon") << "1:2.txt"
                                                  << "2.txt";
        // An address with a scheme shows whole: its scheme tells a web page
        // from a mail address, and the text after a colon may be a port.
        QTest::newRow("mail address") << "mailto:someone@example.org"
                                      << "mailto:someone@example.org";
        QTest::newRow("url without path") << "https://example.com"
                                          << "https://example.com";
        QTest::newRow("url root") << "https://example.org/"
                                  << "https://example.org/";
        QTest::newRow("url path and query") << "https://example.com/some/page?x=1"
                                            << "https://example.com/some/page?x=1";
        QTest::newRow("url port") << "http://example.com:8080/a/b"
                                  << "http://example.com:8080/a/b";
        QTest::newRow("file url") << "file:///home/u/a.txt"
                                  << "file:///home/u/a.txt";
    }
    void hints() {
        QFETCH(QString, path);
        QFETCH(QString, hint);
        QCOMPARE(buttonHint(path), hint);
    }

    // One rule for every reader of a target (hint, picture, drag, launch,
    // properties): an ASCII letter and one or more scheme characters.
    void addresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("address");
        QTest::newRow("mailto") << "mailto:a@b" << true;
        QTest::newRow("custom") << "x-foo+bar.1:abc" << true;
        QTest::newRow("two characters") << "ab:x/y" << true;
        QTest::newRow("drive letter") << "c:/windows/notepad.exe" << false;
        QTest::newRow("drive alone") << "C:" << false;
        QTest::newRow("absolute path") << "/tmp/http:x" << false;
        QTest::newRow("no colon") << "readme" << false;
        QTest::newRow("digit first") << "1abc:x" << false;
        QTest::newRow("space before colon") << "my file:x" << false;
        QTest::newRow("non-ASCII letters") << "\u00e9t\u00e9:/a/b.txt" << false;
    }
    void addresses() {
        QFETCH(QString, text);
        QFETCH(bool, address);
        QCOMPARE(isAddress(text), address);
    }

    void tables() {
        QCOMPARE(tableOfButton(1), 1);
        QCOMPARE(tableOfButton(12), 1);
        QCOMPARE(tableOfButton(13), 2);
        QCOMPARE(tableOfButton(360), 30);
        QCOMPARE(firstButtonOfTable(30), 349);
        QCOMPARE(emptyButtonHint(), QStringLiteral("Right Click for Menu.\rOr Drag & Drop."));
    }
};

TABDECK_TEST(ButtonSlotsTest)
#include "ButtonSlotsTest.moc"
