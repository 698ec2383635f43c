#include "app/Translations.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

// The language the program speaks for the user's list of languages, with the
// translations as built: English users see the program's texts spelled right,
// German users German, and "C" the program's own texts as written.
class TranslationsTest : public QObject {
    Q_OBJECT

    static void removeTranslators() {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    static QString shown(const char* context, const char* source, int n = -1) {
        return QCoreApplication::translate(context, source, nullptr, n);
    }

private slots:
    void cleanup() { removeTranslators(); }

    void chosenLanguage_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("fileTitle");
        QTest::addColumn<QString>("security");
        QTest::addColumn<QString>("oneMinute");
        QTest::addColumn<QString>("fiveMinutes");
        const QString one = QStringLiteral("Reminder is set to remind you in 1 minute.");
        const QString five = QStringLiteral("Reminder is set to remind you in 5 minutes.");
        const QString germanOne =
            QStringLiteral("Die Erinnerung ist gestellt und meldet sich in 1 Minute.");
        const QString germanFive =
            QStringLiteral("Die Erinnerung ist gestellt und meldet sich in 5 Minuten.");
        QTest::newRow("C: the program's own texts")
            << QStringList{"C"} << QString() << "Tabel 1"
            << "Slect File to Send"
            << "None"
            << "Reminder is set to remind you in 1 minutes." << five;
        QTest::newRow("en-US") << QStringList{"en-US", "en-Latn-US", "en"} << "en_US"
                               << "Table 1"
                               << "Select File to Send"
                               << "None" << one << five;
        QTest::newRow("en-GB, no plain en in the list")
            << QStringList{"en-GB", "en-Latn-GB"} << "en_GB"
            << "Table 1"
            << "Select File to Send"
            << "None" << one << five;
        QTest::newRow("English before German") << QStringList{"en-GB", "de", "de-DE"} << "en_GB"
                                               << "Table 1"
                                               << "Select File to Send"
                                               << "None" << one << five;
        QTest::newRow("no French, then English") << QStringList{"fr-FR", "en-US"} << "en_US"
                                                 << "Table 1"
                                                 << "Select File to Send"
                                                 << "None" << one << five;
        QTest::newRow("de-DE") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de_DE"
                               << "Tabelle 1"
                               << "Zu sendende Datei wählen"
                               << "Keine" << germanOne << germanFive;
    }
    void chosenLanguage() {
        QFETCH(QStringList, languages);
        QFETCH(QString, installed);
        QCOMPARE(translations::install(*QCoreApplication::instance(), languages,
                                       QStringLiteral(TABDECK_I18N_DIR)),
                 installed);
        QTEST(shown("TForm1", "Tabel 1"), "table");
        QTEST(shown("MailSender", "Slect File to Send"), "fileTitle");
        QTEST(shown("EmailSetupPage", "None"), "security");
        const char* set = "Reminder is set to remind you in %1 minutes.";
        QTEST(shown("ReminderMenu", set, 1).arg(QStringLiteral("1")), "oneMinute");
        QTEST(shown("ReminderMenu", set, 5).arg(QStringLiteral("5")), "fiveMinutes");
    }

    // The extensive help in the installed language, where it has a file.
    void helpInTheLanguage() {
        testsupport::TempDir dir;
        const QString help = dir.write("ExtensiveHelp.hlp", "en");
        QCOMPARE(translations::localFile(help, QString()), help);
        QCOMPARE(translations::localFile(help, "de_DE"), help);
        const QString german = dir.write("ExtensiveHelp_de.hlp", "de");
        QCOMPARE(translations::localFile(help, "de_DE"), german);
        QCOMPARE(translations::localFile(help, "de"), german);
        QCOMPARE(translations::localFile(help, "en_GB"), help);
        QCOMPARE(translations::localFile(help, "fr_FR"), help);
    }
};

TABDECK_TEST(TranslationsTest)
#include "TranslationsTest.moc"
