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

    // The shipped help in both languages describes every feature a user can
    // reach: each topic by the words its windows and keys show.
    void shippedHelpCoversEveryTopic_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("PNG pictures") << ".png"
                                      << ".png";
        QTest::newRow("SVG pictures") << ".svg"
                                      << ".svg";
        QTest::newRow("icon theme") << "icon theme"
                                    << "Symbolthema";
        QTest::newRow("theme fallback") << "hicolor"
                                        << "hicolor";
        QTest::newRow("web address hint") << "https://"
                                          << "https://";
        QTest::newRow("missing targets") << "Target missing:"
                                         << "Ziel fehlt:";
        QTest::newRow("keyboard: tables") << "Page Down"
                                          << "Bild ab";
        QTest::newRow("keyboard: menu") << "Shift+F10"
                                        << "Umschalt+F10";
        QTest::newRow("keyboard: hide") << "Escape"
                                        << "Esc";
        QTest::newRow("dragging buttons") << "swap the two"
                                          << "die beiden zu tauschen";
        QTest::newRow("keyboard: arrange") << "Ctrl+Shift+Page Down"
                                           << "Strg+Umschalt+Bild ab";
        QTest::newRow("type to find") << "Type to find"
                                      << "Tippen und finden";
        QTest::newRow("mail port") << "587"
                                   << "587";
        QTest::newRow("mail security") << "STARTTLS"
                                       << "STARTTLS";
        QTest::newRow("implicit TLS") << "SSL/TLS"
                                      << "SSL/TLS";
        QTest::newRow("no security") << "None:"
                                     << "Keine:";
        QTest::newRow("sign in") << "Sign in"
                                 << "Anmelden";
        QTest::newRow("keyring") << "keyring"
                                 << "Schlüsselbund";
        QTest::newRow("single strip") << "running strip forward"
                                      << "laufende Leiste nach vorn";
        QTest::newRow("autostart") << "Start with the desktop"
                                   << "Mit der Arbeitsumgebung starten";
        QTest::newRow("languages") << "LANGUAGE"
                                   << "LANGUAGE";
        QTest::newRow("file properties") << "read-only"
                                         << "schreibgeschützt";
        QTest::newRow("reminder") << "The time you set is up!"
                                  << "Die eingestellte Zeit ist abgelaufen!";
        QTest::newRow("screen readers") << "screen reader"
                                        << "Bildschirmleser";
    }
    void shippedHelpCoversEveryTopic() {
        QFETCH(QString, english);
        QFETCH(QString, german);
        for (const auto& [file, word] :
             {std::pair{"ExtensiveHelp.hlp", english}, std::pair{"ExtensiveHelp_de.hlp", german}}) {
            QTextDocument document;
            QVERIFY(
                helpfile::load(QStringLiteral(TABDECK_SOURCE_DIR "/resources/") + file, document));
            QVERIFY2(document.toPlainText().contains(word),
                     qPrintable(QStringLiteral("%1 lacks \"%2\"").arg(file, word)));
        }
    }
};

TABDECK_TEST(HelpFileTest)
#include "HelpFileTest.moc"
