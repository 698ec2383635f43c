#include "core/ButtonSlotSettings.h"
#include "TempDir.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>

using testsupport::TempDir;

// Which key holds what, and the 255 characters a slot's reader gets.
class ButtonSlotSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void read_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("icon");

        const QByteArray longPath = "/" + QByteArray(299, 'a');
        QTest::newRow("target and picture")
            << QByteArray("[BUTTON]\r\n7=/usr/bin/gimp\r\n[ICON]\r\n7=/p/gimp.jpg\r\n")
            << "/usr/bin/gimp"
            << "/p/gimp.jpg";
        QTest::newRow("other slot's keys not taken")
            << QByteArray("[BUTTON]\r\n17=/x\r\n[ICON]\r\n70=/y\r\n") << ""
            << "";
        QTest::newRow("table names are no targets")
            << QByteArray("[TABLENAME]\r\n7=Games\r\n") << ""
            << "";
        QTest::newRow("long target cut to 255") << QByteArray("[BUTTON]\r\n7=" + longPath + "\r\n")
                                                << QString(longPath.left(255)) << "";
        QTest::newRow("long picture cut to 255")
            << QByteArray("[ICON]\r\n7=" + longPath + "\r\n") << "" << QString(longPath.left(255));
    }
    void read() {
        QFETCH(QByteArray, file);
        QFETCH(QString, target);
        QFETCH(QString, icon);
        TempDir dir;
        const QString path = dir.file("tabdeck.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
        f.close();
        ControlFile cf(path);
        const ButtonSlotSettings slot(cf);
        QCOMPARE(slot.target(7).text, target);
        QCOMPARE(ButtonSlotSettings::target(std::as_const(cf), 7).text, target);
        QCOMPARE(slot.icon(7).text, icon);
    }

    // Written keys read back from a fresh reader; clearing empties both and
    // leaves the neighbours alone.
    void writeAndClear() {
        TempDir dir;
        const QString path = dir.file("tabdeck.ini");
        {
            ControlFile cf(path);
            ButtonSlotSettings slot(cf);
            slot.setIcon(4, QStringLiteral("/p/four.bmp"));
            slot.setTarget(4, QStringLiteral("/docs/four.txt"));
            slot.setTarget(5, QStringLiteral("/usr/bin/five.desktop"));
            slot.setIcon(5, QStringLiteral("/usr/bin/five.desktop"));
        }
        ControlFile cf(path);
        ButtonSlotSettings slot(cf);
        QCOMPARE(slot.target(4).text, QStringLiteral("/docs/four.txt"));
        QCOMPARE(slot.icon(4).text, QStringLiteral("/p/four.bmp"));
        slot.clear(4);
        ControlFile reread(path);
        const ButtonSlotSettings after(reread);
        QCOMPARE(after.target(4).length, 0);
        QCOMPARE(after.icon(4).length, 0);
        QCOMPARE(after.target(5).text, QStringLiteral("/usr/bin/five.desktop"));
        QCOMPARE(after.icon(5).text, QStringLiteral("/usr/bin/five.desktop"));
    }
};

TABDECK_TEST(ButtonSlotSettingsTest)
#include "ButtonSlotSettingsTest.moc"
