#include "KeyNames.h"
#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/window/ButtonImage.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

using teststrip::parseKey;

namespace {
// Buttons 5, 41 (table 4, slot 5) and 360 hold targets; a launch hides the strip.
const QByteArray Ini = "[BUTTON]\r\n5=/opt/five\r\n41=/opt/forty-one\r\n360=/opt/last\r\n"
                       "[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=200\r\nLeft=150\r\n";
} // namespace

// The keys on the real strip: the menus they open, held keys, focus. What
// each key does is the logic's (KeyboardTest).
class KeyboardOnStripTest : public QObject {
    Q_OBJECT
private slots:
    void menusFromTheKeyboard_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Menu") << "Menu"
                              << "PopupMenu1";
        QTest::newRow("Shift+F10") << "S-F10"
                                   << "PopupMenu1";
        QTest::newRow("Ctrl+Shift+Menu") << "CS-Menu"
                                         << "OptionsMenuBtn";
    }
    void menusFromTheKeyboard() {
        QFETCH(QString, key);
        QFETCH(QString, menu);
        startuptest::Strip s(Ini);
        QTest::keyClick(s.form.get(), Qt::Key_Right);
        const auto [code, mods] = parseKey(key);
        QTest::keyClick(s.form.get(), Qt::Key(code), mods);
        QMenu* shown = s.form->findChild<QMenu*>(menu);
        QVERIFY(shown);
        QTRY_VERIFY_WITH_TIMEOUT(shown->isVisible(), 5000);
        shown->close();
        // The menu acts on the button the keyboard chose.
        QCOMPARE(s.form->selection().button(), 1);
    }

    // A repeat of a key that acts (the tail of one that chose a menu item)
    // does nothing; a repeated move moves.
    void heldKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("opened");
        QTest::newRow("return") << int(Qt::Key_Return) << 5 << "";
        QTest::newRow("space") << int(Qt::Key_Space) << 5 << "";
        QTest::newRow("escape") << int(Qt::Key_Escape) << 5 << "";
        QTest::newRow("menu") << int(Qt::Key_Menu) << 5 << "";
        QTest::newRow("right moves on") << int(Qt::Key_Right) << 6 << "";
    }
    void heldKeys() {
        QFETCH(int, key);
        QFETCH(int, selected);
        QFETCH(QString, opened);
        startuptest::Strip s(Ini);
        const int x = s.form->x();
        for (int k = 0; k < 5; ++k)
            QTest::keyClick(s.form.get(), Qt::Key_Right);
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(s.form.get(), &repeat);
        QCOMPARE(s.form->selection().button(), selected);
        QCOMPARE(s.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(s.form->x(), x);
        QVERIFY(!s.form->findChild<QMenu*>("PopupMenu1")->isVisible());
    }

    void stripTakesFocus() {
        startuptest::Strip s(Ini);
        QVERIFY(s.form->focusPolicy() & Qt::ClickFocus);
        QVERIFY(s.form->focusPolicy() & Qt::TabFocus);
        // A screen reader meets the keyboard's selection as the focused button.
        s.form->show();
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        QTest::keyClick(s.form.get(), Qt::Key_Right);
        QTest::keyClick(s.form.get(), Qt::Key_Right);
        auto focused = [&](int n) {
            return QAccessible::queryAccessibleInterface(s.form->buttonPicture(n))->state().focused;
        };
        QVERIFY(focused(2));
        QVERIFY(!focused(1));
    }
};

TABDECK_TEST(KeyboardOnStripTest)
#include "KeyboardOnStripTest.moc"
