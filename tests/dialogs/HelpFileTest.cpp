#include "dialogs/HelpFile.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/Error.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// The extensive help file into a document: RTF keeps its formatting, plain
// text is read as it is, a missing file keeps what the document held, a
// binary file is refused and keeps it too.
class HelpFileTest : public QObject {
    Q_OBJECT
private slots:
    void load() {
        testsupport::TempDir dir;
        const QString path = dir.file("ExtensiveHelp.hlp");
        QTextDocument document;
        QVERIFY(!helpfile::load(path, document));
        QVERIFY(document.isEmpty());

        dir.write("ExtensiveHelp.hlp", "{\\rtf1\\ansi plain {\\b bold} {\\i\\fs40 big}\\par next}");
        QVERIFY(helpfile::load(path, document));
        const QTextBlock first = document.firstBlock();
        QCOMPARE(first.text(), QStringLiteral("plain bold big"));
        QCOMPARE(document.blockCount(), 2);
        bool boldSeen = false, plainBold = false;
        for (auto it = first.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            if (frag.text().contains("bold"))
                boldSeen = frag.charFormat().fontWeight() >= QFont::Bold;
            if (frag.text().contains("plain"))
                plainBold = frag.charFormat().fontWeight() >= QFont::Bold;
            if (frag.text().contains("big")) {
                QVERIFY(frag.charFormat().fontItalic());
                QCOMPARE(frag.charFormat().fontPointSize(), 20.0);
            }
        }
        QVERIFY(boldSeen && !plainBold);

        dir.write("ExtensiveHelp.hlp", QByteArray("bin\0ary", 7));
        QString refusal;
        try {
            helpfile::load(path, document);
        } catch (const AppError& e) {
            refusal = e.text();
        }
        QCOMPARE(refusal, QStringLiteral("Failed to Load Stream"));
        QCOMPARE(document.toPlainText(), QStringLiteral("plain bold big\nnext"));

        dir.write("ExtensiveHelp.hlp", "Just text\nline 2");
        QVERIFY(helpfile::load(path, document));
        QCOMPARE(document.toPlainText(), QStringLiteral("Just text\nline 2"));
        QVERIFY(QFile::remove(path));
        QVERIFY(!helpfile::load(path, document));
        QCOMPARE(document.toPlainText(), QStringLiteral("Just text\nline 2"));
    }
};

TABDECK_TEST(HelpFileTest)
#include "HelpFileTest.moc"
