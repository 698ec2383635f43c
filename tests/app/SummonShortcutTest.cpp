// The global shortcut's stored keys and its item where the desktop binds keys.
#include "app/SummonShortcut.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "TestRegistry.h"
#include "core/ControlFile.h"

#include <QAction>
#include <QTest>
#include <QWidget>

using testsupport::ScriptedPrompts;
using testsupport::TempDir;

class SummonShortcutTest : public QObject {
    Q_OBJECT
private slots:
    // Without an X server (offscreen) a shortcut taken from the file is
    // tried and the user told it needs X11; a value the program never
    // writes is no shortcut: nothing tried, nothing said. Under Wayland
    // nothing is grabbed, and the item says how the desktop binds keys.
    void storedKeys_data() {
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("told");
        const QString x11 = QStringLiteral("Global shortcuts need an X11 session.");
        auto keys = [](const QByteArray& sym, const QByteArray& mods) {
            return "[SHORTCUT]\r\nKeySym=" + sym + "\r\nModifiers=" + mods + "\r\nKeys=K\r\n";
        };
        QTest::newRow("Ctrl+Alt+Z") << false << keys("122", "12") << x11;
        QTest::newRow("every modifier there is") << false << keys("122", "77") << x11;
        QTest::newRow("Caps Lock as a modifier") << false << keys("122", "2") << "";
        QTest::newRow("modifier past the mask") << false << keys("122", "78") << "";
        QTest::newRow("symbol at its bound") << false << keys("536870911", "4") << x11;
        QTest::newRow("symbol past its bound") << false << keys("536870912", "4") << "";
        QTest::newRow("symbol past the read limit") << false << keys("000000000122", "4") << "";
        QTest::newRow("not a number") << false << keys("zebra", "4") << "";
        QTest::newRow("negative") << false << keys("-122", "4") << "";
        QTest::newRow("none set") << false << QByteArray("[SHORTCUT]\r\nKeySym=\r\n") << "";
        QTest::newRow("no section") << false << QByteArray() << "";
        QTest::newRow("Wayland") << true << keys("122", "12") << "";
    }
    void storedKeys() {
        QFETCH(bool, wayland);
        QFETCH(QByteArray, section);
        QFETCH(QString, told);
        TempDir dir;
        ControlFile file(dir.write("TabdeckV10.INI", "[POS]\r\nTop=1\r\n" + section));
        ScriptedPrompts prompts;
        if (!told.isEmpty())
            prompts.expectBox();
        QWidget owner;
        SummonShortcut shortcut(file, prompts, &owner, wayland);
        shortcut.grabStored();
        QTest::qWait(50); // a refusal is told in the next turn
        QVERIFY(prompts.allUsed());
        QCOMPARE(prompts.unexpectedCount(), 0);
        if (!told.isEmpty())
            QCOMPARE(prompts.lastBox().text, told);
        if (!wayland)
            return;
        prompts.expectBox();
        shortcut.item()->trigger();
        QVERIFY(prompts.allUsed());
        QVERIFY(prompts.lastBox().text.contains("\rTabdeckV10 --find\r"));
    }
};

TABDECK_TEST(SummonShortcutTest)
#include "SummonShortcutTest.moc"
