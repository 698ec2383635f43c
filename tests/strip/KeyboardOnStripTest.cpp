#include "KeyNames.h"
#include "StartupFixture.h"
#include "TestRegistry.h"
#include "strip/Placement.h"
#include "strip/window/ButtonImage.h"
#include "strip/window/FindList.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using teststrip::parseKey;

namespace {
// Buttons 5, 41 (table 4, slot 5) and 360 hold targets; a launch hides the strip.
const QByteArray Ini = "[BUTTON]\r\n5=/opt/five\r\n41=/opt/forty-one\r\n360=/opt/last\r\n"
                       "[HIDE]\r\nHideMe=true\r\n[POS]\r\nTop=200\r\nLeft=150\r\n";
} // namespace

// The keys on the real strip: the find list, the menus they open, held keys, focus. What
// each key does is the logic's (KeyboardTest).
class KeyboardOnStripTest : public QObject {
    Q_OBJECT
private slots:
    // Typing on the strip finds buttons of every table; "ClickN" clicks row N, "Blur" takes the
    // focus away, "Move" moves the strip. The list's rows as a screen reader reads them, what was
    // opened and whether the strip hid.
    void typeToFind_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("listShown");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("hidden");
        const QStringList fives{"Button 5, table 1: five", "Button 41, table 4: forty-one"};
        QTest::newRow("a letter lists both tables' buttons") << "f" << true << fives << "" << false;
        QTest::newRow("the list follows the strip") << "f Move" << true << fives << "" << false;
        QTest::newRow("return launches the first")
            << "f Ret" << false << QStringList() << "/opt/five" << true;
        QTest::newRow("down stops at the last, up goes back")
            << "f Down Down Down Up Ret" << false << QStringList() << "/opt/five" << true;
        QTest::newRow("space joins, return launches")
            << "o p t Space l Ret" << false << QStringList() << "/opt/last" << true;
        QTest::newRow("a digit starts the find") << "4" << true << QStringList() << "" << false;
        QTest::newRow("no match: return launches nothing")
            << "f x Ret" << false << QStringList() << "" << false;
        // The empty buttons' hint is no target.
        QTest::newRow("empty buttons never match")
            << "m e n u Ret" << false << QStringList() << "" << false;
        QTest::newRow("a click on a row launches it")
            << "f Click1" << false << QStringList() << "/opt/forty-one" << true;
        QTest::newRow("backspace edits")
            << "f o r x Bksp Ret" << false << QStringList() << "/opt/forty-one" << true;
        QTest::newRow("backspace to nothing closes")
            << "f Bksp" << false << QStringList() << "" << false;
        QTest::newRow("escape closes, the strip stays")
            << "f Esc" << false << QStringList() << "" << false;
        QTest::newRow("a second escape hides")
            << "f Esc Esc" << false << QStringList() << "" << true;
        QTest::newRow("focus loss closes") << "f Blur" << false << QStringList() << "" << false;
        QTest::newRow("space without a query launches the selected")
            << "Home Right Right Right Right f Bksp Space" << false << QStringList() << "/opt/five"
            << true;
        QTest::newRow("ctrl+digit closes and switches")
            << "f C-4 Home Right Right Right Right Ret" << false << QStringList()
            << "/opt/forty-one" << true;
    }
    void typeToFind() {
        QFETCH(QString, keys);
        QFETCH(bool, listShown);
        QFETCH(QStringList, rows);
        QFETCH(QString, opened);
        QFETCH(bool, hidden);
        startuptest::Strip s(Ini);
        for (const QString& token : keys.split(QLatin1Char(' '))) {
            if (token == QLatin1String("Move")) {
                // A shown strip, as only that one tells its moves.
                s.form->show();
                QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
                s.form->move(s.form->pos() + QPoint(-40, 30));
                continue;
            }
            if (token.startsWith(QLatin1String("Click"))) {
                QListWidget* rows = s.form->findList().rows();
                QListWidgetItem* item = rows->item(token.mid(5).toInt());
                QVERIFY(item);
                QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                                  rows->visualItemRect(item).center());
                continue;
            }
            if (token == QLatin1String("Blur")) {
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(s.form.get(), &out);
                continue;
            }
            const auto [code, mods] = parseKey(token);
            QTest::keyClick(s.form.get(), Qt::Key(code), mods);
        }
        FindList& list = s.form->findList();
        QCOMPARE(list.isVisible(), listShown);
        QStringList shown;
        for (int i = 0; list.isVisible() && i < list.rows()->count(); ++i)
            shown << list.rows()->item(i)->text();
        QCOMPARE(shown, rows);
        if (!rows.isEmpty()) {
            QCOMPARE(list.rows()->currentRow(), 0);
            // Just under the strip, at its left edge.
            QCOMPARE(list.pos(), s.form->frameGeometry().bottomLeft() + QPoint(0, 1));
            // A screen reader meets the list and its rows by these names.
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list.rows());
            QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Find a button"));
            QCOMPARE(a->childCount(), int(rows.size()));
            QCOMPARE(a->child(0)->text(QAccessible::Name), rows[0]);
        }
        QCOMPARE(s.opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(s.form->x() == Placement::leftEdge() - Placement::HiddenOffset, hidden);
    }

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
